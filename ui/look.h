#pragma once

#include <QColor>
#include <QFont>

// Colours and fonts of the window. The classic Windows system colours the
// layout names by index, and the fonts that stand in for the Windows ones.
namespace gelvor::ui::look {

// Classic scheme: 4 menu, 9 title-bar text, 10 active border, 12 workspace,
// 15 button face.
inline QColor system_colour(int index) {
    switch (index) {
        case 4:
            return {212, 208, 200};
        case 9:
            return Qt::white;
        case 10:
            return {212, 208, 200};
        case 12:
            return {128, 128, 128};
        case 15:
            return {212, 208, 200};
        default:
            return Qt::black;
    }
}

// The classic three-dimensional edges: the lit side, the shadow and the dark
// shadow; the face between them is system colour 15.
inline const QColor kBevelLight{Qt::white};
inline const QColor kBevelShadow{128, 128, 128};
inline const QColor kBevelDarkShadow{64, 64, 64};
// A tab control's lit side on a white page: grey enough to show.
inline const QColor kTabLight{176, 176, 176};

// The operator's attention: a fault in red, a setting out of range in amber,
// as frames on the boxes and as text on the status line.
inline const QColor kFaultMark{220, 0, 0};
inline const QColor kWarningMark{240, 160, 0};
inline const QColor kFaultText{160, 0, 0};
inline const QColor kWarningText{138, 84, 0};
// Where the bench's empirical model gives what no real machine could.
inline const QColor kValidityText{110, 40, 150};
inline const QColor kWarningFill{255, 214, 120};    // a notebook cell read out of range
inline const QColor kPendingFill{255, 246, 191};    // a setting box typed but not yet applied
inline const QColor kDifferingFill{214, 228, 255};  // a notebook text a pass no longer gives

// &H00BBGGRR as the layout writes explicit colours.
inline QColor bgr(unsigned value) {
    return QColor::fromRgb(value & 0xff, (value >> 8) & 0xff, (value >> 16) & 0xff);
}

// Liberation Sans has Arial's metrics and stands for Arial and MS Sans Serif;
// sizes are pixels at 96 dpi, so 8.25 pt is 11 px.
QFont sans(int pixels, bool bold = false);
inline constexpr int kDefaultPixels = 11;
// A geometric sans for the Century Gothic title.
QFont gothic(int pixels, bool italic);

}  // namespace gelvor::ui::look
