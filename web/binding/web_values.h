#pragma once

#include <emscripten/val.h>

#include <cstdio>
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
inline val rect(const layout::TwipsRect& r) {
    val out = val::object();
    out.set("left", r.left);
    out.set("top", r.top);
    out.set("width", r.width);
    out.set("height", r.height);
    return out;
}

// 0xRRGGBB as CSS writes it.
inline std::string css_colour(unsigned rgb) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%06x", rgb & 0xFFFFFFu);
    return buf;
}

// &H00BBGGRR, as the layout gives some colours, as CSS writes it.
inline std::string css_colour_bgr(unsigned bgr) {
    return css_colour(((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF));
}

// The page's number format: "en_US" is the United States', anything else Spain's.
inline const NumberStyle& style_of(const std::string& locale) {
    return locale.starts_with("en") ? english_number_style() : spanish_number_style();
}

inline void push(val& array, const val& item) {
    array.call<void>("push", item);
}

}  // namespace gelvor::web
