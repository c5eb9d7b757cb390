// Any text in a setting box, in either locale: a finite number or none.
#include <cmath>
#include <cstdlib>

#include "fuzz/fuzz_input.h"
#include "present/box_reading.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QLocale spanish(QLocale::Spanish, QLocale::Spain);
    static const QLocale english(QLocale::English, QLocale::UnitedStates);
    gelvor::fuzz::Input in(data, size);
    const QLocale& locale = in.byte() % 2 ? spanish : english;
    const auto value = gelvor::read_box_number(in.text(), locale);
    if (value && !std::isfinite(*value)) {
        std::abort();
    }
    return 0;
}
