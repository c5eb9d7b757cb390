#pragma once

#include <string_view>

#include "layout/form1_layout.h"
#include "present/number_style.h"
#include "web/binding/web_values.h"

// The instruments as the page draws them: each one's face, the SVG shapes of
// its dial or scale in the logical pixels of its size at 100 %, once; and for
// each value, where its needle or column goes and what a screen reader says.
namespace gelvor::web {

// The manometers, the six thermometers and the room thermometer, by name;
// nullptr for another name.
const layout::InstrumentSpec* find_instrument(std::string_view name);

// {width, height, shapes: [{tag, attrs, text?, part?}]}: SVG elements in
// drawing order; the needle or the column is marked with its part.
nlohmann::json instrument_face(const layout::InstrumentSpec& instrument);

// {value, text, rotate} for a manometer (the needle's rotation in SVG's
// degrees) or {value, text, columnY, columnHeight} for a thermometer. An
// unset value (no water flows) shows as 0 and says so.
nlohmann::json instrument_pose(const layout::InstrumentSpec& instrument, double position,
                               bool unset, const NumberStyle& style);

}  // namespace gelvor::web
