#include "present/mask_format.h"

#include <algorithm>
#include <cmath>

#include "present/decimal_digits.h"

namespace gelvor {
namespace {

// Masks carry one or two decimals; beyond this many, extra placeholders are
// ignored, which bounds the digits of any text.
constexpr int kMaxDecimals = 40;

struct Mask {
    bool zero_before_point = false;  // last integer placeholder is "0"
    int decimals = 0;
    bool percent = false;
    std::string_view suffix;
};

Mask parse_mask(std::string_view mask) {
    Mask m;
    std::size_t i = 0;
    while (i < mask.size() && (mask[i] == '#' || mask[i] == '0')) {
        m.zero_before_point = mask[i] == '0';
        ++i;
    }
    if (i < mask.size() && mask[i] == '.') {
        ++i;
        while (i < mask.size() && (mask[i] == '0' || mask[i] == '#')) {
            m.decimals = std::min(m.decimals + 1, kMaxDecimals);
            ++i;
        }
    }
    m.suffix = mask.substr(i);
    m.percent = mask.find('%') != std::string_view::npos;
    return m;
}

// The magnitude's digits rounded to `decimals` places, halves away from zero:
// an integer digit string whose last `decimals` digits are the fraction, with
// at least one digit before them. Room for the largest double's 309 digits,
// the decimals, a carry and leading zeros.
class RoundedDigits {
  public:
    RoundedDigits(const DecimalDigits& d, int decimals) {
        const int kept = d.exponent + 1 + decimals;  // significant digits that survive
        const int take = std::clamp(kept, 0, DecimalDigits::kCount);
        begin_ = buf_ + kHeadRoom;
        std::copy_n(d.digits.begin(), take, begin_);
        std::fill_n(begin_ + take, std::max(kept - take, 0), '0');
        end_ = begin_ + std::max(kept, 0);
        if (kept >= 0 && kept < DecimalDigits::kCount && d.digits[kept] >= '5') {
            char* p = end_ - 1;
            for (; p >= begin_ && *p == '9'; --p) {
                *p = '0';
            }
            if (p >= begin_) {
                ++*p;
            } else {
                *--begin_ = '1';
            }
        }
        while (end_ - begin_ <= decimals) {
            *--begin_ = '0';
        }
    }
    const char* begin() const { return begin_; }
    const char* end() const { return end_; }

  private:
    static constexpr int kHeadRoom = kMaxDecimals + 2;
    char buf_[kHeadRoom + 310 + kMaxDecimals];
    char* begin_;
    char* end_;
};

}  // namespace

std::string format_with_mask(double value, std::string_view mask, const NumberStyle& style) {
    const Mask m = parse_mask(mask);
    const double scaled = m.percent ? value * 100 : value;
    if (!std::isfinite(scaled)) {
        return {};
    }
    const RoundedDigits digits(decimal_digits(scaled), m.decimals);
    const char* point = digits.end() - m.decimals;
    const char* first = std::find_if(digits.begin(), digits.end(), [](char c) { return c != '0'; });

    std::string out;
    out.reserve((digits.end() - digits.begin()) + m.suffix.size() + 4);
    if (scaled < 0 && first != digits.end()) {
        out += '-';  // a value that rounds to zero keeps no sign
    }
    if (first < point) {
        out.append(first, point);
    } else if (m.zero_before_point) {
        out += '0';
    }
    if (m.decimals > 0) {
        out += style.decimal_point;
        out.append(point, m.decimals);
    }
    out += m.suffix;
    return out;
}

}  // namespace gelvor
