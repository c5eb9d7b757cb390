#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <span>
#include <vector>

#include "present/pass.h"

// The readings of one operating point as a table row: the five settings and
// every quantity the window shows after a pass, one column per quantity,
// each cell the text of one display without its unit. The notebook and the
// readings command's CSV share this table, so neither can disagree with the
// screen.
namespace gelvor {

struct NotebookColumn {
    enum class From {
        display,    // a display target of the pass (a text box or an instrument)
        barometer,  // the setting boxes, as the pass read them
        water,
        ambient,
    };
    const char16_t* header;  // quantity and unit as the screen names them: "Qc (W)"
    From from;
    const char* target;       // the display, or the setting's box ("Text3")
    const char16_t* unit;     // the display's unit suffix, dropped from the cell
    const char16_t* reading;  // an instrument's reading mask (its needle has no text)
};

// The columns in the order of the table.
std::span<const NotebookColumn> notebook_columns();
QStringList notebook_headers();
// Index of the column with this header, or -1.
int notebook_column(QStringView header);

// The row of a pass: what each display showed, without its unit. A display
// the pass did not reach gives an empty cell.
QStringList notebook_row(const PanelSettings& settings, const PassDisplay& pass,
                         const QLocale& locale);

// A pass can be recorded when it reached every display, or when only the
// evaporator coil's log-mean difference and coefficient were left undefined.
bool recordable(const PassDisplay& pass);

// A setting outside the bench's range: its column and a Spanish sentence
// saying that the results are an extrapolation.
struct SettingOutOfRange {
    int column;
    QString message;
};
std::vector<SettingOutOfRange> settings_out_of_range(const PanelSettings& settings,
                                                     const QLocale& locale);

}  // namespace gelvor
