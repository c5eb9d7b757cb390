#include "layout/narrow_layout.h"

#include <algorithm>

#include "layout/form1_layout.h"

namespace gelvor::layout {
namespace {

// "Datos": the frame's title, its barometer and thermometer, and its two
// settings; then each quantity: its caption across, and under it its box,
// its unit and, for a setting, its spin.
constexpr FormEntry kDatosForm[] = {
    {kFrame1Name, {1, 1, 6, kFormColumns}},
    {"Image5", {2, 1}},
    {"Line2", {2, 1, 1, 1, "Image5"}},
    {"iThermometerX1", {2, 2, 1, 2}},
    {"Label3", {3, 1, 1, kFormColumns}},
    {"Text3", {4, 1}},
    {"UpDown1", {4, 3}},
    {"Label4", {5, 1, 1, kFormColumns}},
    {"Text4", {6, 1}},
    {"UpDown2", {6, 3}},
    {"Label5", {7, 1, 1, kFormColumns}},
    {"Text5", {8, 1}},
    {"Label6", {9, 1, 1, kFormColumns}},
    {"Text6", {10, 1}},
    {"Label9_0", {11, 1, 1, kFormColumns}},
    {"Text8", {12, 1}},
    {"Label10_0", {12, 2}},
    {"UpDown3", {12, 3}},
    {"Label9_1", {13, 1, 1, kFormColumns}},
    {"Text9", {14, 1}},
    {"Label10_1", {14, 2}},
    {"Label9_2", {15, 1, 1, kFormColumns}},
    {"Text10", {16, 1}},
    {"Label10_2", {16, 2}},
    {"Label9_4", {17, 1, 1, kFormColumns}},
    {"Text12", {18, 1}},
    {"Label10_4", {18, 2}},
    {"Label9_3", {19, 1, 1, kFormColumns}},
    {"Text11", {20, 1}},
    {"Label10_3", {20, 2}},
};

// "Prácticas": the manual across the screen, in the form's letters.
constexpr FormEntry kPracticasForm[] = {
    {"Text2", {1, 1, 1, kFormColumns}},
};

constexpr NarrowForm kForms[] = {
    {kSSTab1Name, datos, kDatosForm},
    {kSSTab1Name, practicas, kPracticasForm},
};

const FormCell* form_cell(std::string_view name) {
    for (const NarrowForm& page : kForms) {
        for (const FormEntry& s : page.cells) {
            if (name == s.name)
                return &s.cell;
        }
    }
    return nullptr;
}

}  // namespace

NarrowPlace narrow_place(const ControlRow& row) {
    if (const FormCell* cell = form_cell(row.name))
        return {NarrowPart::form, *cell};
    if (row.kind == ControlKind::tabs) {
        const bool right = row.rect.left >= kClientArea.width / 2;
        return {NarrowPart::whole, {}, right ? 2 : 1};
    }
    if (row.parent != kFormName)
        return {NarrowPart::picture, {}};
    // What is worked on the drawing would be too small to touch there.
    return {row.tab_stop ? NarrowPart::band : NarrowPart::drawing, {}};
}

std::span<const NarrowForm> narrow_forms() {
    return kForms;
}

bool narrow_form_page(std::string_view tabs, int page) {
    return std::any_of(std::begin(kForms), std::end(kForms),
                       [&](const NarrowForm& p) { return tabs == p.tabs && page == p.page; });
}

}  // namespace gelvor::layout
