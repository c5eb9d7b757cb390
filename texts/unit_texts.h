#pragma once

// Units after a number in the notebook's dialogs, the p-h diagram and what
// the bench tells a screen reader, with the space that parts them from it.
namespace gelvor::texts {

inline constexpr const char* kFlowUnit = " g/s";
inline constexpr const char* kMillibarUnit = " mbar";
inline constexpr const char* kCelsiusUnit = " ºC";

}  // namespace gelvor::texts
