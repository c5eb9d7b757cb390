#include "present/number_style.h"

namespace gelvor {

const NumberStyle& spanish_number_style() {
    static const NumberStyle kStyle = [] {
        NumberStyle s;
        s.decimal_point = ",";
        s.group_separator = ".";
        s.grouping.top = 2;  // 1234, but 12.345
        s.exponent_marks = "Ee";
        return s;
    }();
    return kStyle;
}

const NumberStyle& english_number_style() {
    static const NumberStyle kStyle = [] {
        NumberStyle s;
        s.exponent_marks = "Ee";
        return s;
    }();
    return kStyle;
}

}  // namespace gelvor
