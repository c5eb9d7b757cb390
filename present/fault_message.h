#pragma once

#include <string>

#include "model/bench.h"

namespace gelvor {

struct PanelSettings;

// A short Spanish sentence (UTF-8) telling the operator what failed and why.
std::string fault_message(const Fault& fault, const PanelSettings& settings,
                          const BenchInputs& inputs, const BenchState& state);

}  // namespace gelvor
