#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

// Splits a fuzzer's bytes into the pieces a target needs.
namespace gelvor::fuzz {

class Input {
  public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t byte() {
        if (size_ == 0) {
            return 0;
        }
        --size_;
        return *data_++;
    }
    double number() {
        double v = 0;
        const std::size_t n = size_ < sizeof v ? size_ : sizeof v;
        std::memcpy(&v, data_, n);
        data_ += n;
        size_ -= n;
        return v;
    }
    // Bytes up to the next NUL byte (or the end), as UTF-8 typed into a box,
    // well formed or not.
    std::string text() {
        const void* nul = std::memchr(data_, 0, size_);
        const std::size_t n = nul ? static_cast<const std::uint8_t*>(nul) - data_ : size_;
        std::string s(reinterpret_cast<const char*>(data_), n);
        data_ += n;
        size_ -= n;
        if (size_ > 0) {
            byte();  // the separator
        }
        return s;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
};

}  // namespace gelvor::fuzz
