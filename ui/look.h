#pragma once

#include <QColor>
#include <QFont>

#include "layout/window_look.h"

// Colours and fonts of the window. The classic Windows system colours the
// layout names by index, and the fonts that stand in for the Windows ones.
namespace gelvor::ui::look {

// The layout's colours, 0xRRGGBB.
inline QColor rgb(unsigned value) {
    return QColor::fromRgb(value);
}

// Classic scheme: 4 menu, 9 title-bar text, 10 active border, 12 workspace,
// 15 button face.
inline QColor system_colour(int index) {
    return rgb(layout::colours::system_colour(index));
}

// The classic three-dimensional edges: the lit side, the shadow and the dark
// shadow; the face between them is system colour 15.
inline const QColor kBevelLight = rgb(layout::colours::kBevelLight);
inline const QColor kBevelShadow = rgb(layout::colours::kBevelShadow);
inline const QColor kBevelDarkShadow = rgb(layout::colours::kBevelDarkShadow);
// A tab control's lit side on a white page: grey enough to show.
inline const QColor kTabLight = rgb(layout::colours::kTabLight);

// The operator's attention: a fault in red, a setting out of range in amber,
// as frames on the boxes and as text on the status line.
inline const QColor kFaultMark = rgb(layout::colours::kFaultMark);
inline const QColor kWarningMark = rgb(layout::colours::kWarningMark);
inline const QColor kFaultText = rgb(layout::colours::kFaultText);
inline const QColor kWarningText = rgb(layout::colours::kWarningText);
// Where the bench's empirical model gives what no real machine could.
inline const QColor kValidityText = rgb(layout::colours::kValidityText);
inline const QColor kWarningFill = rgb(layout::colours::kWarningFill);
inline const QColor kPendingFill = rgb(layout::colours::kPendingFill);
inline const QColor kDifferingFill = rgb(layout::colours::kDifferingFill);

// &H00BBGGRR as the layout writes explicit colours.
inline QColor bgr(unsigned value) {
    return QColor::fromRgb(value & 0xff, (value >> 8) & 0xff, (value >> 16) & 0xff);
}

// Liberation Sans has Arial's metrics and stands for Arial and MS Sans Serif;
// sizes are pixels at 96 dpi, so 8.25 pt is 11 px.
QFont sans(int pixels, bool bold = false);
inline constexpr int kDefaultPixels = layout::kDefaultFontPixels;
// A geometric sans for the Century Gothic title.
QFont gothic(int pixels, bool italic);

}  // namespace gelvor::ui::look
