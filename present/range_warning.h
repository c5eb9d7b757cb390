#pragma once

#include <string>
#include <vector>

#include "model/bench.h"
#include "present/language.h"

// The settings a pass read outside the ranges of their controls. The pass
// computes them all the same, but the bench's pressure and heat-flow fits hold
// only within those ranges, so the operator is told the results are an
// extrapolation.
namespace gelvor {

struct RangeWarning {
    Quantity setting;  // barometric_pressure, ambient_temperature or water_inlet_temperature
    std::string text;  // a sentence for the status line, UTF-8
};

// One warning per setting outside its range, in the order of their boxes.
// A box that does not hold a number gets none: that is a fault of the pass.
std::vector<RangeWarning> range_warnings(const BenchInputs& inputs,
                                         Language language = Language::spanish);

// The same settings as "la presión barométrica (950 a 1070 mbar)", joined
// by commas, for a fault message; empty when every setting is in range.
std::string out_of_range_names(const BenchInputs& inputs);

}  // namespace gelvor
