#pragma once

#include <span>

#include "ui/twips.h"
#include "version/version.h"

// The start-up window's layout in twips; texts are UTF-8.
namespace gelvor::ui::splash_layout {

inline constexpr TwipsRect kWindow{0, 0, 7380, 4245};
inline constexpr unsigned kBackgroundBgr = 0x00400000;  // dark blue
inline constexpr int kLabelColourIndex = 12;            // workspace grey
inline constexpr int kTimeoutMs = 5000;
inline constexpr TwipsRect kFrame{132, 84, 7080, 4050};

inline constexpr TwipsRect kTitle{1740, 468, 4668, 684};
inline constexpr const char* kTitleText = "Brismo";
inline constexpr int kTitlePixels = 35;
inline constexpr unsigned kTitleBgr = 0x00404040;
inline constexpr TwipsRect kLogo{336, 420, 1140, 648};

struct LabelSpec {
    const char* name;
    TwipsRect rect;    // as designed
    const char* text;  // nullptr: set at load
    int pixels;        // font size
    bool bold;
    int align;        // Qt::Alignment
    bool auto_sized;  // grows to its text, from the edge it is aligned to
};
std::span<const LabelSpec> labels();

inline constexpr const char* kProductName = "Gelvor";
// The project's version, from the build.
inline constexpr int kVersionMajor = version::kMajor;
inline constexpr int kVersionMinor = version::kMinor;
inline constexpr int kVersionRevision = version::kPatch;

}  // namespace gelvor::ui::splash_layout
