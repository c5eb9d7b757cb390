// Any double with any mask: never a crash, never an out-of-range digit.
#include <cmath>
#include <cstdlib>

#include "fuzz/fuzz_input.h"
#include "present/mask_format.h"
#include "present/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    gelvor::fuzz::Input in(data, size);
    const double value = in.number();
    const QChar separator = in.byte() % 2 ? QChar(u',') : QChar(u'.');
    const QString mask = in.text();
    const QString text = gelvor::format_with_mask(value, mask, separator);
    const QString general = gelvor::general_number_text(value, separator);
    if (!std::isfinite(value) && !general.isEmpty()) {
        std::abort();  // a non-finite number must never show
    }
    for (const QString& t : {text, general}) {
        if (t.contains(QLatin1String("nan"), Qt::CaseInsensitive) ||
            t.contains(QLatin1String("inf"), Qt::CaseInsensitive)) {
            if (!mask.contains(QLatin1String("nan"), Qt::CaseInsensitive) &&
                !mask.contains(QLatin1String("inf"), Qt::CaseInsensitive)) {
                std::abort();
            }
        }
    }
    return 0;
}
