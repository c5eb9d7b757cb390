#include "model/r11.h"

#include <cmath>

namespace gelvor {

// The two squared widths are evaluated as powers at run time, as the fit was
// published, rather than stored as rounded constants.
double saturation_temperature(double p) {
    const double mpa = p / 1000;
    const double a = mpa + 0.06115;
    const double d1 = std::pow(0.17998, 2) + 4 * (a * a);
    const double first = 86.62 - 4.26353542834 / d1;
    const double b = mpa - 0.11674;
    const double d2 = std::pow(0.47341, 2) + 4 * (b * b);
    return first - 7.16043943625 / d2;
}

double liquid_enthalpy(double t) {
    return (200.01127 + 0.87284654 * t) + 0.00047400161 * (t * t);
}

double vapour_enthalpy(double t) {
    return (390.59442 + 0.52369787 * t) - 0.00025132087 * (t * t);
}

double vapour_density(double t) {
    return ((2.4870928 + 0.0099701487 * t) + 0.0013966454 * (t * t)) + 0.000015520192 * (t * t * t);
}

double liquid_density(double t) {
    return (1533.668 - 2.2203532 * t) - 0.0031089793 * (t * t);
}

}  // namespace gelvor
