#include "present/validity.h"

namespace gelvor {
namespace {

std::string say(Language language, std::string_view spanish, std::string_view english) {
    return std::string(language == Language::spanish ? spanish : english);
}

}  // namespace

std::vector<ValidityNote> validity_notes(const BenchInputs& in, const PassResult& pass,
                                         const IdealCycle& ideal, Language language,
                                         std::string_view decimal_separator) {
    std::vector<ValidityNote> notes;
    if (pass.fault)
        return notes;
    const BenchState& s = pass.state;
    if (ideal.discharge_in_dome.value_or(false)) {
        notes.push_back({ValidityIssue::discharge_in_dome,
                         say(language,
                             "B queda dentro de la campana: el balance empírico del banco no es "
                             "físico a esta temperatura ambiente",
                             "B lies inside the dome: the bench's empirical balance is not "
                             "physical at this ambient temperature")});
    } else if (ideal.isentropic_efficiency.value_or(0) >= 1) {
        notes.push_back({ValidityIssue::discharge_in_dome,
                         say(language,
                             "La compresión de A a B rinde más que la isentrópica: el balance "
                             "empírico del banco no es físico a esta temperatura ambiente",
                             "The compression from A to B does better than the isentropic one: "
                             "the bench's empirical balance is not physical at this ambient "
                             "temperature")});
    }
    if (s.evap_water_outlet_held && in.evaporator_water_flow > 0) {
        const std::string approach = "0" + std::string(decimal_separator) + "01";
        notes.push_back(
            {ValidityIssue::evaporator_outlet_held,
             say(language,
                 "El agua del evaporador saldría a te o por debajo y se fija en te + " + approach +
                     " \u00BAC: Atlm y Ue del evaporador no son físicos",
                 "The evaporator water would leave at or below te and is held at te + " + approach +
                     " \u00BAC: the evaporator's Atlm and Ue are not physical")});
    }
    if (in.evaporator_water_flow <= 0) {
        notes.push_back({ValidityIssue::evaporator_without_water,
                         say(language,
                             "No circula agua por el serpentín del evaporador con la máquina en "
                             "marcha: su calor y su U no son físicos",
                             "No water flows through the evaporator coil while the machine runs: "
                             "its heat flow and U are not physical")});
    }
    if (in.condenser_water_flow <= 0) {
        notes.push_back({ValidityIssue::condenser_without_water,
                         say(language,
                             "No circula agua por el serpentín del condensador con la máquina en "
                             "marcha: su calor y su U no son físicos",
                             "No water flows through the condenser coil while the machine runs: "
                             "its heat flow and U are not physical")});
    }
    if (s.cop_refrigerator <= 0 || s.cop_heat_pump <= 0 || s.compressor_power <= 0) {
        notes.push_back({ValidityIssue::non_positive_performance,
                         say(language,
                             "Un COP o la potencia del compresor no es positivo: el modelo "
                             "empírico del banco no vale con estos ajustes",
                             "A COP or the compressor power is not positive: the bench's "
                             "empirical model does not hold for these settings")});
    }
    return notes;
}

}  // namespace gelvor
