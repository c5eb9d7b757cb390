#pragma once

#include <array>

namespace gelvor::layout {

// The bench window's zoom for a projector, in percent of its laid-out size:
// everything grows by the same factor, one step at a time.
inline constexpr std::array<int, 5> kZoomSteps{100, 125, 150, 175, 200};

}  // namespace gelvor::layout
