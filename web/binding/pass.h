#pragma once

#include "present/pass.h"
#include "web/binding/web_values.h"

namespace gelvor::web {

// The settings as the page's controls hold them: {evaporatorFlow,
// condenserFlow} in g/s and {Text3, Text8, Text4} the setting boxes' texts.
// A flow that is no whole number within the bars' range is taken as the
// nearest one there; a box that is no text is empty.
PanelSettings panel_settings(const val& settings);

}  // namespace gelvor::web
