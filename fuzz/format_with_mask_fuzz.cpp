// Any double with any mask: never a crash, never an out-of-range digit.
#include <cmath>
#include <cstdlib>

#include "fuzz/fuzz_input.h"
#include "present/mask_format.h"
#include "present/number_text.h"

namespace {

bool shows_non_finite(std::string t) {
    for (char& c : t) c = c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
    return t.find("nan") != std::string::npos || t.find("inf") != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    gelvor::fuzz::Input in(data, size);
    const double value = in.number();
    const gelvor::NumberStyle& style =
        in.byte() % 2 ? gelvor::spanish_number_style() : gelvor::english_number_style();
    const std::string mask = in.text();
    const std::string text = gelvor::format_with_mask(value, mask, style);
    const std::string general = gelvor::general_number_text(value, style);
    const std::string fixed = gelvor::fixed_number_text(value, in.byte() % 40, style);
    if (!std::isfinite(value) && !general.empty()) {
        std::abort();  // a non-finite number must never show
    }
    if (std::isfinite(value) &&
        (fixed.find("nan") != std::string::npos || fixed.find("inf") != std::string::npos)) {
        std::abort();
    }
    for (const std::string& t : {text, general}) {
        if (shows_non_finite(t) && !shows_non_finite(mask)) {
            std::abort();
        }
    }
    return 0;
}
