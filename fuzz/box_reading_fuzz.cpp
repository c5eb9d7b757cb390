// Any text in a setting box, in either locale: a finite number or none.
#include <cmath>
#include <cstdlib>

#include "fuzz/fuzz_input.h"
#include "present/box_reading.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    gelvor::fuzz::Input in(data, size);
    const gelvor::NumberStyle& style =
        in.byte() % 2 ? gelvor::spanish_number_style() : gelvor::english_number_style();
    const auto value = gelvor::read_box_number(in.text(), style);
    if (value && !std::isfinite(*value)) {
        std::abort();
    }
    return 0;
}
