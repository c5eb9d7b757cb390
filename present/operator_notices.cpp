#include "present/operator_notices.h"

#include "model/settings_ranges.h"

namespace gelvor {

std::string minimum_flow_notice() {
    return "Para el correcto funcionamiento de la máquina, deben circular al menos " +
           std::to_string(kMinimumRunningFlow) +
           " g/s de agua por los serpentines del evaporador y del condensador";
}

}  // namespace gelvor
