#pragma once

// States along one isobar of the reference equation of R-11, for the model's
// own use: the saturation line at the pressure (or, above the critical
// pressure, the fluid at the critical temperature) is found once and shared
// by every state asked for, as a pass's ideal cycle asks two at its
// condensing pressure. r11_reference.h's functions of (p, h) and (p, s) are
// one state of an isobar each.
#include <optional>

#include "model/r11_helmholtz.h"
#include "model/r11_reference.h"
#include "model/r11_superancillary.h"

namespace gelvor::r11ref {

class Isobar {
  public:
    explicit Isobar(double p);  // kPa

    // The saturated vapour (quality 1); nothing above the critical pressure.
    std::optional<State> saturated_vapour() const;
    std::optional<State> at_enthalpy(double h) const;
    std::optional<State> at_entropy(double s) const;

  private:
    double p_;
    std::optional<SaturationPoint> line_;  // up to the critical pressure
    // The saturated vapour, or the fluid at the critical temperature above
    // it: where the searches start.
    std::optional<EquationPoint> start_;
};

}  // namespace gelvor::r11ref
