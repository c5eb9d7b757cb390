#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "present/number_style.h"

// The readings as tool tips and screen readers say them: a value with its
// unit in the user's number format, and what each read-out box shows. UTF-8.
namespace gelvor {

// A gauge pressure, one decimal: "73,5 kPa".
std::string pressure_reading(double kpa, const NumberStyle& style);

// A temperature, one decimal: "23,4 ºC". Unset means no water flows.
std::string temperature_reading(std::optional<double> celsius, const NumberStyle& style);

// A water flow as its bar sets it: "Caudal de agua del evaporador: 4 g/s".
std::string flow_reading(std::string_view flow_name, int grams_per_second);

// The quantity a read-out box shows, named for a screen reader; empty for a
// target that is not a text box.
std::string readout_description(std::string_view target);

}  // namespace gelvor
