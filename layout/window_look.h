#pragma once

// The window's look for every front end: the size of its text, and its
// colours as 0xRRGGBB (the classic Windows system colours the layout names
// by index, the classic bevels, and the marks that draw the operator's eye).
namespace gelvor::layout {

// MS Sans Serif 8.25 pt, the window's default text, is 11 pixels at 96 dpi.
inline constexpr int kDefaultFontPixels = 11;
// Liberation Sans runs wider than the bitmap font the layout was drawn with:
// a text that would be cut off at its box steps down in size, a pixel at a
// time, as long as it stays legible.
inline constexpr int kSmallestCaptionPixels = 8;
inline constexpr int kSmallestBoxTextPixels = 9;

}  // namespace gelvor::layout

namespace gelvor::layout::colours {

// Classic scheme: 4 menu, 9 title-bar text, 10 active border, 12 workspace,
// 15 button face; any other index is black.
constexpr unsigned system_colour(int index) {
    switch (index) {
        case 4:
        case 10:
        case 15:
            return 0xD4D0C8;
        case 9:
            return 0xFFFFFF;
        case 12:
            return 0x808080;
        default:
            return 0x000000;
    }
}

// The classic three-dimensional edges: the lit side, the shadow and the dark
// shadow; the face between them is system colour 15.
inline constexpr unsigned kBevelLight = 0xFFFFFF;
inline constexpr unsigned kBevelShadow = 0x808080;
inline constexpr unsigned kBevelDarkShadow = 0x404040;
// A tab control's lit side on a white page: grey enough to show.
inline constexpr unsigned kTabLight = 0xB0B0B0;

// The operator's attention: a fault in red, a setting out of range in amber,
// as frames on the boxes and as text on the status line.
inline constexpr unsigned kFaultMark = 0xDC0000;
inline constexpr unsigned kWarningMark = 0xF0A000;
inline constexpr unsigned kFaultText = 0xA00000;
inline constexpr unsigned kWarningText = 0x8A5400;
// Where the bench's empirical model gives what no real machine could.
inline constexpr unsigned kValidityText = 0x6E2896;
inline constexpr unsigned kWarningFill = 0xFFD678;    // a notebook cell read out of range
inline constexpr unsigned kPendingFill = 0xFFF6BF;    // a setting box typed but not yet applied
inline constexpr unsigned kDifferingFill = 0xD6E4FF;  // a notebook text a pass no longer gives
// The keyboard focus, drawn around the control that has it.
inline constexpr unsigned kFocusRing = 0x0054E3;

}  // namespace gelvor::layout::colours
