#include "present/pass.h"

#include <algorithm>
#include <limits>

#include "present/box_reading.h"
#include "present/fault_message.h"
#include "present/mask_format.h"
#include "present/number_text.h"

namespace gelvor {
namespace {

using Q = Quantity;

// How one display shows its value.
enum class Shown {
    masked,    // the value with its mask; empty when the value is unset
    fixed,     // a fixed text
    position,  // an instrument's position; 0 when the value is unset
    general,   // the plain number text; empty when unset
};

using Value = std::optional<double> (*)(const BenchInputs&, const BenchState&);

struct WriteSpec {
    const char* target;
    Q after;  // written as soon as the pass has computed this
    Shown shown;
    const char* mask_or_text;
    Value value;
};

#define FIELD(f) \
    [](const BenchInputs&, const BenchState& s) -> std::optional<double> { return s.f; }
#define INPUT(f) \
    [](const BenchInputs& i, const BenchState&) -> std::optional<double> { return i.f; }

// The displays in the order one pass writes them; each right after its value.
constexpr WriteSpec kWrites[kDisplayWriteCount] = {
    {"Text6", Q::evaporator_water_flow, Shown::masked, "##.0 g/s", INPUT(evaporator_water_flow)},
    {"Text5", Q::condenser_water_flow, Shown::masked, "#0.0 g/s", INPUT(condenser_water_flow)},
    {"GaugeX2", Q::evap_gauge_pressure, Shown::position, nullptr, FIELD(evap_gauge_pressure)},
    {"Text7_0", Q::evap_pressure, Shown::masked, "##0.0 kPa", FIELD(evap_pressure)},
    {"Text7_15", Q::evap_pressure, Shown::masked, "##0.0 kPa", FIELD(evap_pressure)},
    {"ter_5", Q::evap_temp, Shown::position, nullptr, FIELD(evap_temp)},
    {"Text7_16", Q::evap_temp, Shown::masked, "##0.0 \u00BAC", FIELD(evap_temp)},
    {"Text7_1", Q::evap_temp, Shown::masked, "##0.0 \u00BAC", FIELD(evap_temp)},
    {"Text11", Q::evap_temp, Shown::masked, "##0.0 \u00BAC", FIELD(evap_temp)},
    {"Text7_4", Q::evap_temp, Shown::fixed, "1", nullptr},
    {"Text7_9", Q::evap_temp, Shown::fixed, "sobrecalent", nullptr},
    {"Text7_14", Q::evap_temp, Shown::fixed, "0", nullptr},
    {"Text7_7", Q::evap_temp, Shown::fixed, "-", nullptr},
    {"GaugeX1", Q::cond_gauge_pressure, Shown::position, nullptr, FIELD(cond_gauge_pressure)},
    {"Text7_5", Q::cond_pressure, Shown::masked, "###.0 kPa", FIELD(cond_pressure)},
    {"Text7_10", Q::cond_pressure, Shown::masked, "###.0 kPa", FIELD(cond_pressure)},
    {"Text7_31", Q::pressure_ratio, Shown::masked, "###.00", FIELD(pressure_ratio)},
    {"ter_4", Q::cond_temp, Shown::position, nullptr, FIELD(cond_temp)},
    {"Text7_11", Q::cond_temp, Shown::masked, "###.0 \u00BAC", FIELD(cond_temp)},
    {"Text12", Q::cond_temp, Shown::masked, "##0.0 \u00BAC", FIELD(cond_temp)},
    {"Text7_13", Q::h3, Shown::masked, "###.0 kJ/kg", FIELD(h3)},
    {"Text7_18", Q::h3, Shown::masked, "###.0 kJ/kg", FIELD(h4)},
    {"Text7_3", Q::h1, Shown::masked, "###.0 kJ/kg", FIELD(h1)},
    {"Text7_19", Q::evap_inlet_quality, Shown::masked, "###.0 %", FIELD(evap_inlet_quality)},
    {"Text7_23", Q::evap_heat_flow, Shown::masked, "###.0 W", FIELD(evap_heat_flow)},
    {"Text7_20", Q::cond_heat_flow, Shown::masked, "###.0 W", FIELD(cond_heat_flow)},
    {"Text7_29", Q::refrigerant_mass_flow, Shown::masked, "###.0 g/s",
     FIELD(refrigerant_mass_flow)},
    {"Text7_8", Q::h2, Shown::masked, "###.0 kJ/kg", FIELD(h2)},
    {"ter_2", Q::evap_water_outlet_temp, Shown::position, nullptr, FIELD(evap_water_outlet_temp)},
    {"Text10", Q::evap_water_outlet_temp, Shown::general, nullptr, FIELD(evap_water_outlet_temp)},
    {"ter_1", Q::cond_water_outlet_temp, Shown::position, nullptr, FIELD(cond_water_outlet_temp)},
    {"Text9", Q::cond_water_outlet_temp, Shown::general, nullptr, FIELD(cond_water_outlet_temp)},
    {"Text7_28", Q::compressor_power, Shown::masked, "###.0 W", FIELD(compressor_power)},
    {"Text7_27", Q::cop_heat_pump, Shown::masked, "###.0", FIELD(cop_heat_pump)},
    {"Text7_26", Q::cop_refrigerator, Shown::masked, "###.0", FIELD(cop_refrigerator)},
    {"Text7_2", Q::suction_density, Shown::masked, "###.0 kg/m3", FIELD(suction_density)},
    {"Text7_12", Q::cond_outlet_density, Shown::masked, "###.0 kg/m3", FIELD(cond_outlet_density)},
    {"Text7_17", Q::evap_inlet_density, Shown::masked, "###.0 kg/m3", FIELD(evap_inlet_density)},
    {"Text7_30", Q::volumetric_efficiency, Shown::masked, "###.0 %", FIELD(volumetric_efficiency)},
    {"Text7_21", Q::cond_lmtd, Shown::masked, "###.0 \u00BAC", FIELD(cond_lmtd)},
    {"Text7_22", Q::cond_u, Shown::masked, "###.0 W/m2\u00BAC", FIELD(cond_u)},
    {"Text7_24", Q::evap_lmtd, Shown::masked, "###.0 \u00BAC", FIELD(evap_lmtd)},
    {"Text7_25", Q::evap_u, Shown::masked, "###.0 W/m2\u00BAC", FIELD(evap_u)},
};

#undef FIELD
#undef INPUT

constexpr std::array<const char*, kDisplayWriteCount> targets_of_writes() {
    std::array<const char*, kDisplayWriteCount> out{};
    for (int i = 0; i < kDisplayWriteCount; ++i) {
        out[i] = kWrites[i].target;
    }
    return out;
}
constexpr std::array<const char*, kDisplayWriteCount> kTargets = targets_of_writes();

// The masks read once, here, rather than on every pass.
constexpr std::array<ParsedMask, kDisplayWriteCount> masks_of_writes() {
    std::array<ParsedMask, kDisplayWriteCount> out{};
    for (int i = 0; i < kDisplayWriteCount; ++i) {
        if (kWrites[i].shown == Shown::masked) {
            out[i] = ParsedMask(kWrites[i].mask_or_text);
        }
    }
    return out;
}
constexpr std::array<ParsedMask, kDisplayWriteCount> kMasks = masks_of_writes();

// Fills the write in place, its text made once and moved once.
void make_write(DisplayWrite& out, int i, const BenchInputs& in, const BenchState& s,
                const NumberStyle& style) {
    const WriteSpec& w = kWrites[i];
    out.target = w.target;
    out.kind = w.shown == Shown::position ? DisplayWrite::Kind::position : DisplayWrite::Kind::text;
    if (w.shown == Shown::fixed) {
        out.text = w.mask_or_text;
        return;
    }
    const std::optional<double> v = w.value(in, s);
    switch (w.shown) {
        case Shown::position:
            out.position = v.value_or(0);
            out.unset = !v;
            return;
        case Shown::general:
            if (v) {
                out.text = general_number_text(*v, style);
            }
            return;
        default:
            if (v) {
                format_with_mask(*v, kMasks[i], style, out.text);
            }
            return;
    }
}

}  // namespace

// Each box is read once, and that one value serves the whole pass.
BenchInputs read_settings(const PanelSettings& p, const NumberStyle& style) {
    const auto read = [&](const std::string& text) {
        return read_box_number(text, style).value_or(std::numeric_limits<double>::quiet_NaN());
    };
    BenchInputs in;
    in.evaporator_water_flow = static_cast<std::int16_t>(p.evaporator_water_flow);
    in.condenser_water_flow = static_cast<std::int16_t>(p.condenser_water_flow);
    in.barometric_pressure = read(p.barometer_text) / 10;  // mbar to kPa
    in.water_inlet_temperature = read(p.water_text);
    in.ambient_temperature = read(p.ambient_text);
    return in;
}

const std::array<const char*, kDisplayWriteCount>& display_targets() {
    return kTargets;
}

PassDisplay run_pass(const PanelSettings& settings, const NumberStyle& style, Language language) {
    const BenchInputs in = read_settings(settings, style);
    return show_pass(settings, in, recompute(in), style, language);
}

PassDisplay show_pass(const PanelSettings& settings, const BenchInputs& in, PassResult result,
                      const NumberStyle& style, Language language) {
    PassDisplay out;
    out.writes.reserve(kDisplayWriteCount);
    for (int i = 0; i < kDisplayWriteCount && result.reached(kWrites[i].after); ++i) {
        make_write(out.writes.emplace_back(), i, in, result.state, style);
    }
    // The cycle needs only te and tc. The evaporator's Atlm and U come after
    // everything the cycle shows, so a pass that stops there still draws it.
    if (!result.fault || result.fault->step >= Q::evap_lmtd) {
        ChartOverlay overlay;
        if (place_chart_overlay(result.state.evap_temp, result.state.cond_temp, overlay)) {
            out.overlay = overlay;
        } else if (!result.fault) {
            result.fault = Fault{Q::chart, FaultKind::overflow, Q::chart};
        }
    }
    if (result.reached(Q::h2)) {
        out.ideal_cycle = ideal_cycle(result.state);
    }
    if (result.fault) {
        out.fault = result.fault;
        out.fault_message = fault_message(*result.fault, settings, in, result.state, style);
    } else {
        out.range_warnings = range_warnings(in, language);
        out.validity_notes =
            validity_notes(in, result, *out.ideal_cycle, language, style.decimal_point);
    }
    return out;
}

std::optional<Quantity> PassDisplay::unreadable_box() const {
    if (fault && fault->kind == FaultKind::not_a_number) {
        return fault->quantity;
    }
    return std::nullopt;
}

bool PassDisplay::read_box(Quantity box) const {
    const std::optional<Quantity> bad = unreadable_box();
    if (!bad) {
        return true;  // every other fault comes after all three boxes were read
    }
    const auto at = [](Quantity q) {
        return std::find(kSettingBoxes.begin(), kSettingBoxes.end(), q) - kSettingBoxes.begin();
    };
    return at(box) < at(*bad);
}

std::string PassDisplay::status_message() const {
    if (fault)
        return fault_message;
    std::string lines;
    for (const RangeWarning& w : range_warnings) {
        lines += (lines.empty() ? "" : "\n") + w.text;
    }
    for (const ValidityNote& n : validity_notes) {
        lines += (lines.empty() ? "" : "\n") + n.text;
    }
    return lines;
}

}  // namespace gelvor
