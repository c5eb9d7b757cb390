#include "model/saturation_table.h"

#include <algorithm>
#include <cmath>

namespace gelvor {

SaturationTable saturation_table(double from, double to, double step) {
    if (!std::isfinite(from) || !std::isfinite(to) || !std::isfinite(step)) {
        return {{}, SaturationTableError::not_a_number};
    }
    if (step <= 0) {
        return {{}, SaturationTableError::step_not_positive};
    }
    const auto in_range = [](double t) {
        return t >= kSaturationTableMin && t <= kSaturationTableMax;
    };
    if (!in_range(from) || !in_range(to)) {
        return {{}, SaturationTableError::outside_range};
    }
    if (from > to) {
        return {{}, SaturationTableError::from_after_to};
    }
    // A step that lands on `to` but for rounding still counts it.
    const double steps = std::floor((to - from) / step + 1e-9);
    if (steps >= kSaturationTableMaxRows) {
        return {{}, SaturationTableError::too_many_rows};
    }
    SaturationTable table;
    const auto rows = static_cast<std::size_t>(steps) + 1;
    table.rows.reserve(rows);
    for (std::size_t i = 0; i < rows; ++i) {
        // Each row from `from` afresh, so that rounding does not add up.
        const auto row = r11ref::saturation_at_temperature(std::min(from + i * step, to));
        if (!row) {
            return {{}, SaturationTableError::equation_failed};
        }
        table.rows.push_back(*row);
    }
    return table;
}

}  // namespace gelvor
