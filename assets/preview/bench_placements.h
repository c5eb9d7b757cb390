#pragma once

#include <array>

#include "ui/twips.h"

// Where the main window puts its pictures and widgets over the bench drawing,
// in twips of the window's client area (15 twips per pixel at 96 dpi). The
// preview and the tests use these to lay the pictures out as the window does.
namespace gelvor::assets {

using ui::kTwipsPerPixel;  // the window's own conversion

struct Placement {
    const char* name;
    int left, top, width, height;  // twips
};

// The running-state pictures and the evaporator at rest.
inline constexpr Placement kCondenserRunningAt{"Picture1(0)", 870, 1440, 690, 1020};
inline constexpr Placement kEvaporatorRunningAt{"Picture1(1)", 3510, 1605, 615, 900};
inline constexpr Placement kSightGlassAt{"Picture1(2)", 3045, 1725, 420, 540};
inline constexpr Placement kEvaporatorRestAt{"c(0)", 3510, 1620, 705, 855};

// The flowmeter floats at their design positions; the program moves them
// vertically (see float_top_twips) and shows them stretched to this size.
inline constexpr Placement kCondenserFloatAt{"Image2", 465, 2040, 165, 210};
inline constexpr Placement kEvaporatorFloatAt{"Image1", 4440, 2070, 165, 210};

// Top of a float for a scroll-bar value (0 = 50 g/s, 50 = no flow).
inline constexpr double float_top_twips(int scroll_value) {
    return 1564.0 + (scroll_value * 480) / 50.0;
}

// The widgets the window draws over the bench drawing.
inline constexpr std::array<Placement, 11> kBenchWidgets{{
    {"GaugeX1", 375, 195, 690, 570},
    {"GaugeX2", 4215, 180, 690, 570},
    {"ter(0)", 1005, 675, 150, 825},
    {"ter(1)", 1350, 615, 150, 825},
    {"ter(4)", 1185, 450, 150, 1050},
    {"ter(2)", 3585, 630, 150, 825},
    {"ter(3)", 3960, 615, 150, 825},
    {"ter(5)", 3810, 510, 150, 825},
    {"Interruptor", 1515, 2685, 360, 495},
    {"VScroll2", 465, 2700, 228, 324},
    {"VScroll1", 4425, 2670, 228, 324},
}};

// The measuring-point markers: caption and top-left corner.
struct Marker {
    const char* caption;
    int left, top;
};
inline constexpr std::array<Marker, 8> kBenchMarkers{{
    {"t1", 4155, 795},
    {"tc", 1065, 405},
    {"t2", 3450, 795},
    {"t4", 870, 825},
    {"te", 3885, 375},
    {"t3", 1500, 840},
    {"mc", 450, 975},
    {"me", 4470, 960},
}};

}  // namespace gelvor::assets
