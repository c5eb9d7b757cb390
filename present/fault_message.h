#pragma once

#include <QString>

#include "model/bench.h"

namespace gelvor {

struct PanelSettings;

// A short Spanish sentence telling the operator what failed and why.
QString fault_message(const Fault& fault, const PanelSettings& settings, const BenchInputs& inputs,
                      const BenchState& state);

}  // namespace gelvor
