#pragma once

// The start-up window's texts that its layout (ui/splash_layout.h) does not
// hold, in Spanish (UTF-8).
namespace gelvor::texts {

// %1, %2 and %3: the major, minor and revision numbers.
inline constexpr const char* kSplashVersion = "Versión: %1.%2.%3";
inline constexpr const char* kLogoName = "Logotipo";

}  // namespace gelvor::texts
