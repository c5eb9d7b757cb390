#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/r11_reference.h"

// The saturation table of R-11 by its reference equation: one row every
// `step` ºC from `from` to `to`, both ends within the table's range.
namespace gelvor {

inline constexpr double kSaturationTableMin = -20;  // ºC
inline constexpr double kSaturationTableMax = 197;  // ºC
inline constexpr std::size_t kSaturationTableMaxRows = 100'000;

enum class SaturationTableError : std::uint8_t {
    not_a_number,  // an argument is not a finite number
    step_not_positive,
    outside_range,  // `from` or `to` outside kSaturationTableMin to kSaturationTableMax
    from_after_to,
    too_many_rows,    // more than kSaturationTableMaxRows
    equation_failed,  // the equation found no saturation at a row's temperature
};

struct SaturationTable {
    std::vector<r11ref::Saturation>
        rows;  // from `from` upwards; `to` itself when a step lands on it
    std::optional<SaturationTableError> error;  // set: no rows
};

SaturationTable saturation_table(double from, double to, double step);

}  // namespace gelvor
