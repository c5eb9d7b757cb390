#pragma once

#include "model/bench.h"

namespace gelvor::testing {

// The state points of the bench's worked example of the compressor and the
// coils: te = 5 °C, tc = 30 °C, h1 = 393, h3 = h4 = 227 kJ/kg.
inline BenchState worked_example_state_points() {
    BenchState s;
    s.evap_temp = 5.0;
    s.cond_temp = 30.0;
    s.h1 = 393.0;
    s.h3 = s.h4 = 227.0;
    s.evap_inlet_quality = 0.1198893;
    return s;
}

}  // namespace gelvor::testing
