#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/bench.h"
#include "model/ideal_cycle.h"
#include "present/chart_overlay.h"
#include "present/language.h"
#include "present/number_style.h"
#include "present/range_warning.h"
#include "present/validity.h"

// One pass as the window shows it: the settings as the operator left them in
// the controls, turned into the ordered display writes of the recomputation,
// the chart overlay, and a Spanish message when the pass faults. Texts are
// UTF-8.
namespace gelvor {

struct PanelSettings {
    int evaporator_water_flow = 4;        // g/s, 50 minus the scroll bar's value
    int condenser_water_flow = 4;         // g/s
    std::string barometer_text = "1010";  // Text3, mbar
    std::string ambient_text = "18";      // Text4, °C
    std::string water_text = "15";        // Text8, °C
};

struct DisplayWrite {
    enum class Kind { text, position };
    const char* target;  // the control's name: "Text6", "GaugeX2", "Text7_12", "ter_5"
    Kind kind;
    std::string text;     // for text boxes; may be empty
    double position = 0;  // for instruments
    bool unset = false;   // an instrument's value is unset (no water flows): it shows 0
};

inline constexpr int kDisplayWriteCount = 43;

// The 43 targets in the order one complete pass writes them.
const std::array<const char*, kDisplayWriteCount>& display_targets();

struct PassDisplay {
    std::vector<DisplayWrite> writes;  // in order, up to the failing step
    // The cycle on the chart: set when the pass completed, and also when it
    // stopped only at the evaporator's Atlm or U, after te and tc were known.
    std::optional<ChartOverlay> overlay;
    std::optional<Fault> fault;
    std::string fault_message;  // Spanish, for the operator; empty when complete
    // The settings read outside their controls' ranges, which the displays show
    // computed all the same. Empty when the pass faulted: a fault takes
    // precedence, and its message names those settings itself.
    std::vector<RangeWarning> range_warnings;
    // What the reference equation of R-11 says of the cycle, once the pass
    // has its discharge B (and so also when only a coil's Atlm or U failed).
    std::optional<IdealCycle> ideal_cycle;
    // Where the bench's empirical model leaves physical validity; none when
    // the pass faulted, as for the range warnings.
    std::vector<ValidityNote> validity_notes;

    bool complete() const { return !fault.has_value(); }
    // What the status line says after the pass: the fault's message, or else
    // one line for each setting read out of range, then one for each
    // validity note; empty when all is well.
    std::string status_message() const;
    // The targets a faulted pass did not reach (empty when complete).
    std::span<const char* const> unreached() const {
        return std::span(display_targets()).subspan(writes.size());
    }
    // The setting box whose text did not read as a number, when that ended the pass.
    std::optional<Quantity> unreadable_box() const;
    // True when the pass read that setting box's text as a number.
    bool read_box(Quantity box) const;
};

// The setting boxes in the order a pass reads them: Text3, Text8, Text4.
inline constexpr std::array<Quantity, 3> kSettingBoxes = {Quantity::barometric_pressure,
                                                          Quantity::water_inlet_temperature,
                                                          Quantity::ambient_temperature};

// Reads the settings (each box once, the way the locale reads numbers) and
// runs one recomputation with every display text in the locale's separator;
// the validity notes in `language` (the window's is Spanish).
PassDisplay run_pass(const PanelSettings& settings, const NumberStyle& style,
                     Language language = Language::spanish);

// The settings as the recomputation reads them; a box that does not hold a
// finite number reads as NaN, which the recomputation reports as its fault.
BenchInputs read_settings(const PanelSettings& settings, const NumberStyle& style);

// What the displays show for a recomputation already made from `inputs`.
PassDisplay show_pass(const PanelSettings& settings, const BenchInputs& inputs, PassResult result,
                      const NumberStyle& style, Language language = Language::spanish);

}  // namespace gelvor
