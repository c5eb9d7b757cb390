#pragma once

#include <string>

// What the bench window tells the operator besides its displays, in UTF-8,
// for every front end.
namespace gelvor {

// The notice shown, with this title, when the switch is operated while a coil
// has no water; both flows are then set to the bench's minimum running flow.
inline constexpr const char* kNoticeTitle = "AVISO";
std::string minimum_flow_notice();
// A notice's one button.
inline constexpr const char* kAcceptCaption = "Aceptar";

// A setting box holding text typed but not yet applied says so.
inline constexpr const char* kApplyHint = "Pulse Intro para aplicar";

}  // namespace gelvor
