#pragma once

#include <span>
#include <string>
#include <string_view>
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
        // The ideal cycle by the reference equation of R-11, with `reading` as its mask.
        carnot_refrigerator,
        carnot_heat_pump,
        isentropic_efficiency,  // in percent
        discharge_temp,         // tB
    };
    const char* header;  // quantity and unit as the screen names them: "Qc (W)"; UTF-8
    From from;
    const char* target;   // the display, or the setting's box ("Text3")
    const char* unit;     // the display's unit suffix, dropped from the cell
    const char* reading;  // an instrument's reading mask (its needle has no text)
};

// The columns in the order of the table.
std::span<const NotebookColumn> notebook_columns();
std::vector<std::string> notebook_headers();
// Index of the column with this header, or -1.
int notebook_column(std::string_view header);

// The row of a pass: what each display showed, without its unit. A display
// the pass did not reach gives an empty cell.
std::vector<std::string> notebook_row(const PanelSettings& settings, const PassDisplay& pass,
                                      const NumberStyle& style);

// A pass can be recorded when it reached every display, or when only the
// evaporator coil's log-mean difference and coefficient were left undefined.
bool recordable(const PassDisplay& pass);

// A setting outside the bench's range: its column and a Spanish sentence
// saying that the results are an extrapolation.
struct SettingOutOfRange {
    int column;
    std::string message;
};
std::vector<SettingOutOfRange> settings_out_of_range(const PanelSettings& settings,
                                                     const NumberStyle& style);

}  // namespace gelvor
