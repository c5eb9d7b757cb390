#pragma once

#include <string_view>

#include "layout/control_table.h"
#include "layout/form1_layout.h"
#include "present/number_style.h"
#include "web/binding/web_values.h"

// The painted controls as the page draws them: each one's face, the shapes
// of layout/faces.h as SVG elements in the logical pixels of its size at
// 100 %, once; and for each value, where an instrument's needle or column
// goes and what a screen reader says.
namespace gelvor::web {

// The manometers, the six thermometers and the room thermometer, by name;
// nullptr for another name.
const layout::InstrumentSpec* find_instrument(std::string_view name);

// {width, height, shapes: [{tag, attrs, text?, part?, children?}]}: SVG
// elements in drawing order, for a manometer, a thermometer or the switch
// (null for another row). A needle or a column is marked with its part, the
// switch's shapes of one position with "on" or "off"; a shading is a
// linearGradient, named after the control, before the shape it fills.
nlohmann::json control_face(const layout::ControlRow& row);

// {value, text, rotate} for a manometer (the needle's rotation in SVG's
// degrees) or {value, text, columnY, columnHeight} for a thermometer. An
// unset value (no water flows) shows as 0 and says so.
nlohmann::json instrument_pose(const layout::InstrumentSpec& instrument, double position,
                               bool unset, const NumberStyle& style);

}  // namespace gelvor::web
