#pragma once

// Saturation properties of refrigerant R-11 as closed-form fits over the
// bench's working range. Pressures in kPa absolute, temperatures in °C,
// enthalpies in kJ/kg, densities in kg/m3. Defined for every finite argument.
namespace gelvor {

double saturation_temperature(double p);
double liquid_enthalpy(double t);
double vapour_enthalpy(double t);
double vapour_density(double t);
double liquid_density(double t);

}  // namespace gelvor
