#include "present/box_reading.h"

#include <cmath>

namespace gelvor {

std::optional<double> read_box_number(const QString& text, const QLocale& locale) {
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace gelvor
