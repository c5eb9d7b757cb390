#pragma once

#include <emscripten/val.h>

#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "layout/twips.h"
#include "present/number_style.h"

// What the bindings share: plain JavaScript values from C++ ones, and the
// page's locale as a NumberStyle.
namespace gelvor::web {

using emscripten::val;

// A UTF-8 text as a JavaScript string.
inline val text(std::string_view utf8) {
    return val(std::string(utf8));
}

// {left, top, width, height} in twips.
inline nlohmann::json rect(const layout::TwipsRect& r) {
    return {{"left", r.left}, {"top", r.top}, {"width", r.width}, {"height", r.height}};
}

// 0xRRGGBB as CSS writes it.
inline std::string css_colour(unsigned rgb) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%06x", rgb & 0xFFFFFFu);
    return buf;
}

// The page's number format: "en_US" is the United States', anything else Spain's.
inline const NumberStyle& style_of(const std::string& locale) {
    return locale.starts_with("en") ? english_number_style() : spanish_number_style();
}

inline void push(val& array, const val& item) {
    array.call<void>("push", item);
}

// What the page asks for at every step goes over as one JSON text and is
// parsed there: one crossing instead of one for each value, each a few
// microseconds. Numbers keep every bit (the shortest text that reads back).
inline val to_js(const nlohmann::json& value) {
    return val::global("JSON").call<val>("parse", val(value.dump()));
}

}  // namespace gelvor::web
