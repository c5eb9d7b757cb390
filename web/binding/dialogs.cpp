// The page's dialogs and menus, in the desktop's words: "Fijar
// condiciones" with its ranges and the exercise's points, the list of keys,
// "Acerca de Gelvor", saving under a name and exporting a picture.
#include <emscripten/bind.h>

#include <algorithm>
#include <string>

#include "layout/form1_layout.h"
#include "model/settings_ranges.h"
#include "notebook/notebook_messages.h"
#include "present/operator_notices.h"
#include "session/conditions.h"
#include "texts/commands.h"
#include "texts/conditions_texts.h"
#include "texts/dialog_texts.h"
#include "texts/file_texts.h"
#include "texts/help_texts.h"
#include "texts/recovery_texts.h"
#include "texts/unit_texts.h"
#include "version/version.h"
#include "web/binding/bench.h"
#include "web/binding/notebook.h"

namespace gelvor::web {
namespace {

using Json = nlohmann::json;
namespace T = texts;

std::string with(std::string text, std::string_view mark, const std::string& value) {
    text.replace(text.find(mark), mark.size(), value);
    return text;
}

Json field(const char* id, const char* label, const char* name, const SettingRange& range,
           double value, int decimals, const char* unit) {
    return {{"id", id},         {"label", label}, {"name", name},         {"min", range.min},
            {"max", range.max}, {"value", value}, {"decimals", decimals}, {"unit", unit}};
}

// "Fijar condiciones" as the desktop builds it: {title, fields: [{id,
// label, name, min, max, value, decimals, unit}], exercise: {title, points:
// [{id, caption, name}]}, accept, cancel}, its values those the session
// would apply now. Labels and captions keep the "&" before their key.
val conditions_form() {
    const session::Conditions c = bench().conditions_to_apply();
    Json fields = Json::array();
    fields.push_back(field("caudalCondensador", T::kCondenserFlowLabel, T::kCondenserFlowName,
                           kFlowRange, c.condenser_flow, 0, T::kFlowUnit));
    fields.push_back(field("caudalEvaporador", T::kEvaporatorFlowLabel, T::kEvaporatorFlowName,
                           kFlowRange, c.evaporator_flow, 0, T::kFlowUnit));
    fields.push_back(field("presionBarometrica", T::kBarometerLabel, T::kBarometerName,
                           kBarometerRange, c.barometer, 1, T::kMillibarUnit));
    fields.push_back(field("temperaturaAgua", T::kWaterLabel, T::kWaterName, kWaterInletRange,
                           c.water, 1, T::kCelsiusUnit));
    fields.push_back(field("temperaturaAmbiente", T::kAmbientLabel, T::kAmbientName, kAmbientRange,
                           c.ambient, 1, T::kCelsiusUnit));
    // The manual's points, or those the teacher handed this group out, each
    // with every setting it sets.
    Json points = Json::array();
    const auto& assignment = notebook_history().assignment();
    const std::size_t count = assignment ? std::min<std::size_t>(assignment->points.size(), 9)
                                         : session::kExercisePoints.size();
    for (std::size_t k = 0; k < count; ++k) {
        const std::string n = std::to_string(k + 1);
        Json point = {{"id", "puntoEjercicio" + n}, {"name", with(T::kExercisePointName, "%1", n)}};
        std::string caption;
        if (assignment) {
            const AssignedPoint& p = assignment->points[k];
            caption = with(T::kAssignedPointCaption, "%1", n);
            int mark = 2;
            for (int v : {p.condenser_flow, p.evaporator_flow, p.barometer, p.water, p.ambient})
                caption = with(caption, "%" + std::to_string(mark++), std::to_string(v));
            point.update({{"condenser", p.condenser_flow},
                          {"evaporator", p.evaporator_flow},
                          {"barometer", p.barometer},
                          {"water", p.water},
                          {"ambient", p.ambient}});
        } else {
            const auto& p = session::kExercisePoints[k];
            caption = with(T::kExercisePointCaption, "%1", n);
            caption = with(caption, "%2", std::to_string(p.condenser));
            caption = with(caption, "%3", std::to_string(p.evaporator));
            point.update({{"condenser", p.condenser}, {"evaporator", p.evaporator}});
        }
        point["caption"] = caption;
        points.push_back(std::move(point));
    }
    const std::string exercise_title = assignment
                                           ? with(T::kAssignedPointsTitle, "%1", assignment->group)
                                           : T::kExercisePointsTitle;
    const Json out = {{"title", T::kConditionsTitle},
                      {"fields", fields},
                      {"exercise", {{"title", exercise_title}, {"points", points}}},
                      {"accept", kAcceptCaption},
                      {"cancel", T::kCancelCaption}};
    return to_js(out);
}

// F1: {title, listName, keyHeading, whatHeading, close, groups: [{title,
// lines: [{keys, what}]}]}, the desktop's list of keys.
val key_list() {
    Json groups = Json::array();
    for (const T::KeyGroup& g : T::key_groups()) {
        Json lines = Json::array();
        for (const T::KeyLine& l : T::key_lines(g))
            lines.push_back({{"keys", l.keys}, {"what", l.what}});
        groups.push_back({{"title", g.title}, {"lines", lines}});
    }
    const Json out = {{"title", T::kKeysTitle},       {"listName", T::kKeysListName},
                      {"keyHeading", T::kKeyHeading}, {"whatHeading", T::kWhatHeading},
                      {"close", T::kCloseCaption},    {"groups", groups}};
    return to_js(out);
}

// "Acerca de Gelvor": {title, html, accept}; the program's own rich text.
val about_gelvor() {
    const Json out = {
        {"title", T::kAboutTitle},
        {"html", with(T::kAboutText, "%1", version::kText) + T::kAboutDetails},
        {"accept", kAcceptCaption},
    };
    return to_js(out);
}

// The page's groups of commands, named as the desktop's menus, "&" before
// their keys; and its other dialogs' words.
val page_dialogs() {
    namespace L = layout;
    // "Imagen PNG (*.png);;Dibujo SVG (*.svg)": each kind's name and suffix.
    Json kinds = Json::array();
    for (std::string_view rest = T::kPictureFilter; !rest.empty();) {
        const std::size_t end = rest.find(";;");
        const std::string_view one = rest.substr(0, end);
        const std::size_t open = one.find(" (*.");
        kinds.push_back({{"name", std::string(one.substr(0, open))},
                         {"suffix", std::string(one.substr(open + 4, one.size() - open - 5))}});
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 2);
    }
    const Json out = {
        {"menus",
         {{"file", L::kArchivo.caption},
          {"view", L::kVer.caption},
          {"notebook", L::kRegistro.caption},
          {"help", L::kAyuda.caption},
          {"tools", kNotebookTitle}}},
        {"saveAs",
         {{"title", T::kSaveAsTitle},
          {"label", T::kFileNameLabel},
          {"accept", T::kSaveCaption},
          {"cancel", T::kCancelCaption}}},
        {"picture",
         {{"title", T::kExportPictureTitle},
          {"kinds", kinds},
          {"chartName", T::kProposedChartName},
          {"diagramName", T::kProposedDiagramName},
          {"accept", T::kSaveCaption},
          {"cancel", T::kCancelCaption}}},
        {"browserCopy",
         {{"full", T::kBrowserCopyFull}, {"unavailable", T::kBrowserCopyUnavailable}}},
    };
    return to_js(out);
}

}  // namespace
}  // namespace gelvor::web

EMSCRIPTEN_BINDINGS(gelvor_dialogs) {
    emscripten::function("conditionsForm", &gelvor::web::conditions_form);
    emscripten::function("keyList", &gelvor::web::key_list);
    emscripten::function("aboutGelvor", &gelvor::web::about_gelvor);
    emscripten::function("pageDialogs", &gelvor::web::page_dialogs);
}
