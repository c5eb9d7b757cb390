#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/bench.h"
#include "model/ideal_cycle.h"
#include "present/language.h"

// Where the bench's empirical model leaves physical validity. The displays
// keep showing what the bench's own relations give; these notes tell the
// operator which of those figures no real machine could show, and why.
namespace gelvor {

enum class ValidityIssue {
    discharge_in_dome,       // B at or inside the dome, or a compression better than isentropic
    evaporator_outlet_held,  // the evaporator water held just above te
    evaporator_without_water,
    condenser_without_water,
    non_positive_performance,  // a COP or the compressor power at or below zero
};

struct ValidityNote {
    ValidityIssue issue;
    std::string text;  // one short sentence, UTF-8
};

// The notes of a complete pass, in the order above, with its ideal cycle;
// none for a faulted one, whose fault is what the operator must see.
// `decimal_separator` writes the numbers of the texts.
std::vector<ValidityNote> validity_notes(const BenchInputs& inputs, const PassResult& pass,
                                         const IdealCycle& ideal, Language language,
                                         std::string_view decimal_separator);

}  // namespace gelvor
