// One bench pass for the page, in plain JavaScript values: the settings come
// in as the page's controls hold them, the readings go out in the order the
// page shows them, each one the pass left unset or did not reach as null.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "model/bench.h"
#include "model/settings_ranges.h"

namespace gelvor::web {
namespace {

using emscripten::val;
using Q = Quantity;

// A flow comes from a bar: a whole number of g/s within the bar's range.
std::int16_t bar_flow(double v) {
    if (std::isnan(v)) {
        return kFlowRange.min;
    }
    const double whole = std::clamp(std::round(v), double{kFlowRange.min}, double{kFlowRange.max});
    return static_cast<std::int16_t>(whole);
}

// A setting control of the page: its name, its range and where the pass reads it.
struct Control {
    const char* name;
    const SettingRange& range;
    void (*store)(BenchInputs&, double);
};

const Control kControls[] = {
    {"evaporator_water_flow", kFlowRange,
     [](BenchInputs& in, double v) { in.evaporator_water_flow = bar_flow(v); }},
    {"condenser_water_flow", kFlowRange,
     [](BenchInputs& in, double v) { in.condenser_water_flow = bar_flow(v); }},
    {"barometer", kBarometerRange,
     [](BenchInputs& in, double v) { in.barometric_pressure = v / kMbarPerKpa; }},
    {"water", kWaterInletRange, [](BenchInputs& in, double v) { in.water_inlet_temperature = v; }},
    {"ambient", kAmbientRange, [](BenchInputs& in, double v) { in.ambient_temperature = v; }},
};

// A reading of the pass: its name, the step that computes it and its value.
struct Reading {
    const char* name;
    Q after;
    std::optional<double> (*value)(const BenchState&);
};

#define FIELD(f) [](const BenchState& s) -> std::optional<double> { return s.f; }

// The instruments of the bench picture, in the order a pass writes them.
constexpr Reading kReadings[] = {
    {"evap_gauge_pressure", Q::evap_gauge_pressure, FIELD(evap_gauge_pressure)},
    {"evap_temp", Q::evap_temp, FIELD(evap_temp)},
    {"cond_gauge_pressure", Q::cond_gauge_pressure, FIELD(cond_gauge_pressure)},
    {"cond_temp", Q::cond_temp, FIELD(cond_temp)},
    {"evap_water_outlet_temp", Q::evap_water_outlet_temp, FIELD(evap_water_outlet_temp)},
    {"cond_water_outlet_temp", Q::cond_water_outlet_temp, FIELD(cond_water_outlet_temp)},
};

#undef FIELD

// [{name, min, max, initial}] for each setting control, in the page's order.
val setting_controls() {
    val out = val::array();
    for (const Control& c : kControls) {
        val control = val::object();
        control.set("name", c.name);
        control.set("min", c.range.min);
        control.set("max", c.range.max);
        control.set("initial", c.range.initial);
        out.call<void>("push", control);
    }
    return out;
}

// {complete, readings: [{name, value}]} for the settings {name: number}. A
// control that holds no number reads as NaN, which faults the pass.
val bench_pass(const val& settings) {
    BenchInputs in;
    for (const Control& c : kControls) {
        const val v = settings[c.name];
        c.store(in, v.isNumber() ? v.as<double>() : std::numeric_limits<double>::quiet_NaN());
    }
    const PassResult result = recompute(in);

    val readings = val::array();
    for (const Reading& r : kReadings) {
        const std::optional<double> v =
            result.reached(r.after) ? r.value(result.state) : std::nullopt;
        val reading = val::object();
        reading.set("name", r.name);
        reading.set("value", v ? val(*v) : val::null());
        readings.call<void>("push", reading);
    }
    val out = val::object();
    out.set("complete", !result.fault);
    out.set("readings", readings);
    return out;
}

}  // namespace
}  // namespace gelvor::web

EMSCRIPTEN_BINDINGS(gelvor_pass) {
    emscripten::function("settingControls", &gelvor::web::setting_controls);
    emscripten::function("benchPass", &gelvor::web::bench_pass);
}
