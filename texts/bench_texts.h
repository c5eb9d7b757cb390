#pragma once

// What the bench window's controls say beyond its layout tables (layout/),
// in Spanish (UTF-8).
namespace gelvor::texts {

// A screen reader's name for the frame around a box that failed or warns.
inline constexpr const char* kFaultBoxName = "Casilla con fallo";
inline constexpr const char* kWarningBoxName = "Casilla con aviso";

}  // namespace gelvor::texts
