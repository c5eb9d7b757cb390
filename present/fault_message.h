#pragma once

#include <string>

#include "model/bench.h"
#include "present/number_style.h"

namespace gelvor {

struct PanelSettings;

// A short Spanish sentence (UTF-8) telling the operator what failed and why.
// A box whose text would read as a number with the other decimal separator
// is told which one `style` wants ("use la coma decimal: 15,5").
std::string fault_message(const Fault& fault, const PanelSettings& settings,
                          const BenchInputs& inputs, const BenchState& state,
                          const NumberStyle& style);

}  // namespace gelvor
