// The notebook's history without a window: numbering, undo and redo, notes
// typed on merging into one change, the unsaved mark, and the marks a point
// carries for the table and the p-h diagram; its CSV, copied text and the
// files it refuses before parsing them.
#include "notebook/notebook_history.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <random>
#include <utility>

#include "notebook/assignment.h"
#include "notebook/hand_results.h"
#include "notebook/notebook_file.h"
#include "notebook/notebook_messages.h"
#include "notebook/notebook_points.h"
#include "notebook/notebook_table.h"
#include "present/table_text.h"
#include "session/bench_session.h"

namespace gelvor {
namespace {

NotebookHistory make_history() {
    return NotebookHistory([](const std::string&) { return spanish_number_style(); }, "2026-12-08");
}

// The pass on show after the switch at these flows and room temperature.
MarkedPoint point_at(int flow, int ambient) {
    session::BenchSession bench;
    bench.set_conditions({flow, flow, 1010, 15, double(ambient)});
    bench.operate_switch();
    return point_on_show(*bench.pass_on_show(), "es_ES", spanish_number_style());
}

std::vector<int> numbers(const NotebookHistory& h) {
    std::vector<int> out;
    for (const MarkedPoint& p : h.points()) out.push_back(p.number);
    return out;
}

TEST(NotebookHistory, NumbersAreNeverReusedUntilEmptiedAndUndoRestoresThem) {
    NotebookHistory h = make_history();
    for (int flow : {20, 4, 40}) h.record(point_at(flow, 18));
    ASSERT_EQ(numbers(h), (std::vector<int>{1, 2, 3}));
    h.remove_rows({2, 0, 7});
    EXPECT_EQ(numbers(h), (std::vector<int>{2}));
    h.record(point_at(20, 18));
    EXPECT_EQ(numbers(h), (std::vector<int>{2, 4}));
    h.undo();
    h.undo();
    EXPECT_EQ(numbers(h), (std::vector<int>{1, 2, 3}));
    h.redo();
    EXPECT_EQ(h.redo_name(), "anotar lecturas");
    h.clear();
    EXPECT_EQ(h.count(), 0);
    EXPECT_EQ(h.next_number(), 1);
    EXPECT_FALSE(h.can_redo());  // a new change forgets what was undone
    h.undo();
    EXPECT_EQ(numbers(h), (std::vector<int>{2}));
    EXPECT_EQ(h.next_number(), 4);
    EXPECT_FALSE(make_history().clear());  // nothing to empty: no change
}

TEST(NotebookHistory, TypingOnInANoteIsOneChangeButNotAcrossASave) {
    NotebookHistory h = make_history();
    h.record(point_at(20, 18));
    h.record(point_at(4, 18));
    EXPECT_FALSE(h.set_note(0, "t")->merged);
    EXPECT_TRUE(h.set_note(0, "tc")->merged);
    EXPECT_FALSE(h.set_note(1, "x")->merged);  // another point's note
    EXPECT_FALSE(h.set_note(1, "x"));          // no change
    h.undo();
    h.undo();
    EXPECT_EQ(h.point(0).note, "");
    h.redo();
    EXPECT_EQ(h.point(0).note, "tc");
    h.mark_saved();
    EXPECT_FALSE(h.unsaved());
    EXPECT_FALSE(h.set_note(0, "tc alta")->merged);  // the saved state stays reachable
    EXPECT_TRUE(h.unsaved());
    h.undo();
    EXPECT_FALSE(h.unsaved());
    EXPECT_EQ(h.undo_name(), "cambiar la nota del punto 1");
    h.set_header({"Ana", "", "2026-12-08"});
    h.set_header({"Ana Ruiz", "", "2026-12-08"});  // the same field typed on
    EXPECT_EQ(h.header().students, "Ana Ruiz");
    h.undo();
    EXPECT_EQ(h.header().students, "");
}

TEST(NotebookHistory, ADischargeTheModelPutsInTheDomeIsRingedWhenRecordedAndWhenOpened) {
    NotebookHistory h = make_history();
    h.record(point_at(20, 50));
    h.record(point_at(20, 18));
    EXPECT_TRUE(h.point(0).discharge_flagged);
    EXPECT_FALSE(h.point(0).validity.empty());
    EXPECT_FALSE(h.point(1).discharge_flagged);
    EXPECT_GT(h.point(0).state.h2, 0);

    NotebookDocument d = h.document();
    d.points[1].readings[0].second = "99";  // a reading its settings do not give
    h.open(d);
    EXPECT_FALSE(h.unsaved());
    EXPECT_FALSE(h.can_undo());
    EXPECT_TRUE(h.point(0).discharge_flagged);
    EXPECT_TRUE(h.point(0).differing.empty());
    EXPECT_EQ(h.point(1).differing, std::vector<int>{0});
    EXPECT_EQ(h.point(1).cells[0], "99");
    EXPECT_NE(marks_explained(h.point(1)).find(notebook_columns()[0].header), std::string::npos);

    // Marked by a front end a few at a time, the same notebook.
    std::vector<MarkedPoint> marked;
    for (const NotebookPoint& p : d.points)
        marked.push_back(point_from_file(p, spanish_number_style()));
    NotebookHistory again = make_history();
    again.record(point_at(4, 18));
    again.open(d.header, d.assignment, std::move(marked), d.next_number);
    EXPECT_EQ(again.document(), h.document());
    EXPECT_EQ(again.point(1).differing, std::vector<int>{0});
    EXPECT_FALSE(again.can_undo());
    EXPECT_FALSE(again.something_to_lose(true));
}

TEST(NotebookHistory, OnlyUnsavedReadingsOrAnEditedFileAreSomethingToLose) {
    NotebookHistory h = make_history();
    EXPECT_FALSE(h.something_to_lose(false));
    h.set_header({"Ana", "", "2026-12-08"});
    EXPECT_FALSE(h.something_to_lose(false));  // a new notebook with no points
    EXPECT_TRUE(h.something_to_lose(true));    // but its file would change
    h.record(point_at(20, 18));
    EXPECT_TRUE(h.something_to_lose(false));
    h.mark_saved();
    EXPECT_FALSE(h.something_to_lose(true));
    h.clear();
    EXPECT_FALSE(h.something_to_lose(false));  // emptied, nothing in a file
}

// The fields of a CSV's second record, as RFC 4180 reads it.
std::vector<std::string> csv_row(const std::string& csv) {
    std::vector<std::vector<std::string>> records(1);
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < csv.size(); ++i) {
        const char c = csv[i];
        if (quoted && c == '"' && i + 1 < csv.size() && csv[i + 1] == '"') {
            field += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == ';') {
            records.back().push_back(std::exchange(field, {}));
        } else if (!quoted && c == '\r' && i + 1 < csv.size() && csv[i + 1] == '\n') {
            records.back().push_back(std::exchange(field, {}));
            records.emplace_back();
            ++i;
        } else {
            field += c;
        }
    }
    return records.size() > 1 ? records[1] : std::vector<std::string>{};
}

TEST(NotebookCsv, WhatTheClassTypedCannotRunAsAFormulaAndReadingsStayNumbers) {
    for (const auto& [typed, written] : std::vector<std::pair<std::string, std::string>>{
             {"=HYPERLINK(\"http://x\";\"y\")", "'=HYPERLINK(\"http://x\";\"y\")"},
             {"+1+1", "'+1+1"},
             {"-5,8", "'-5,8"},
             {"@SUM(A1:A9)", "'@SUM(A1:A9)"},
             {"\t=1", "'\t=1"},
             {"\r=1", "'\r=1"},
             {"tc = 20", "tc = 20"},
             {"", ""},
             {" =1", " =1"}}) {
        EXPECT_EQ(csv_text_cell(typed), written) << typed;
        NotebookDocument d;
        d.header = {typed, typed, "2026-12-08"};
        NotebookPoint point;
        point.number = 1;
        point.note = typed;
        point.hand_results[0] = typed;
        d.points.push_back(point);
        const std::vector<std::string> fields =
            csv_row(notebook_csv(d, {{"-5,8", "+3", "1013"}}, spanish_number_style(), false));
        ASSERT_EQ(fields.size(), 8u + kHandResultCount) << typed;
        // The readings as recorded, however they begin; then the note, the
        // group's results (a number stays a number), who and when.
        EXPECT_EQ(fields[1], "-5,8");
        EXPECT_EQ(fields[2], "+3");
        EXPECT_EQ(fields[4], written);
        EXPECT_EQ(fields[5], typed == "-5,8" ? typed : written);
        EXPECT_EQ(fields[5 + kHandResultCount], written);
        EXPECT_EQ(fields[6 + kHandResultCount], written);
        EXPECT_EQ(fields[7 + kHandResultCount], "2026-12-08");
    }
}

TEST(NotebookTable, CopiedTextIsTheChosenCellsUnderTheirHeaders) {
    NotebookHistory h = make_history();
    h.record(point_at(20, 18));
    h.record(point_at(4, 18));
    h.set_note(1, "con\tdos\nlíneas");
    const int note = note_table_column();
    EXPECT_EQ(table_column_count(), note + 1 + static_cast<int>(kHandResultCount));
    EXPECT_EQ(hand_result_of(hand_table_column(2)), 2);
    EXPECT_EQ(hand_result_of(note), -1);
    EXPECT_EQ(tab_separated(h.points(), {1, 5}, {0, note}),
              tsv_line({"N.º", "Nota"}) + tsv_line({"2", "con dos líneas"}));
    EXPECT_EQ(table_cell(h.point(0), table_column(0)), h.point(0).cells[0]);
    EXPECT_EQ(table_header(table_column(0)), notebook_columns()[0].header);
}

TEST(NotebookFile, AFileNestedDeeperThanANotebookIsRefusedBeforeItIsParsed) {
    NotebookHistory h = make_history();
    h.record(point_at(20, 18));
    h.set_note(0, std::string(5000, '[') + "\\\"{{{" + std::string(5000, '{'));
    const std::string saved = notebook_to_json(h.document(), "prueba");
    EXPECT_FALSE(nested_deeper_than(saved, 4));  // brackets in a string are text
    EXPECT_TRUE(nested_deeper_than(saved, 3));
    ASSERT_TRUE(notebook_from_json(saved).document);

    // The parser recurses once a level: 100,000 would overflow a browser's stack.
    for (const std::string& deep :
         {std::string(100'000, '['),
          "{\"format\": \"gelvor-registro\", \"x\": " + std::string(100'000, '[') +
              std::string(100'000, ']') + "}"}) {
        const NotebookRead read = notebook_from_json(deep);
        EXPECT_FALSE(read.document);
        EXPECT_EQ(read.error, notebook_too_deep());
    }
    EXPECT_NE(notebook_too_deep().find("16 niveles"), std::string::npos);
}

TEST(NotebookFile, ReadAFewPointsAtATimeAFileGivesWhatReadingItWholeGives) {
    NotebookHistory h = make_history();
    for (int mc : {20, 4, 40}) h.record(point_at(mc, 18));
    h.set_note(1, "una \"nota\", con [corchetes] y {llaves}");
    const std::string saved = notebook_to_json(h.document(), "prueba");
    NotebookReader reader(saved);
    ASSERT_EQ(reader.error(), "");
    EXPECT_EQ(reader.total(), 3u);
    EXPECT_TRUE(reader.read(2));
    EXPECT_EQ(reader.done(), 2u);
    EXPECT_EQ(reader.point(1).note, h.point(1).note);
    const NotebookRead read = reader.result();
    ASSERT_TRUE(read.document);
    EXPECT_EQ(*read.document, h.document());

    // However the points are written, or wherever a file goes wrong, the
    // same notebook or the same reason as a parser reading it whole.
    const auto replaced = [&](std::string_view from, std::string_view to) {
        std::string s = saved;
        s.replace(s.find(from), from.size(), to);
        return s;
    };
    const std::string not_one = "El archivo no es un registro de Gelvor.";
    for (const auto& [file, error] : std::vector<std::pair<std::string, std::string>>{
             {replaced("\"points\": [", "\"point\\u0073\": ["), ""},
             {replaced("\"points\": [", "\"points\": [,"), not_one},
             {replaced("\"number\": 2", "\"number\": 2 2"), not_one},
             {replaced("\"number\": 2", "\"number\": 1"),
              "El registro está dañado: el número de punto 1 está repetido."},
             {replaced("\"number\": 3", "\"number\": 0"),
              "El registro está dañado: en el punto 3, «number» falta o no es un número entero "
              "de 1 a 1000000000."},
             {saved.substr(0, saved.size() / 2), not_one},
             {replaced("\"format\"", "\"formato\""), not_one}}) {
        NotebookReader steps(file);
        while (steps.error().empty() && steps.done() < steps.total()) steps.read(1);
        const NotebookRead whole = notebook_from_json(file);
        EXPECT_EQ(steps.result().error, error) << file;
        EXPECT_EQ(whole.error, error) << file;
        if (error.empty()) {
            EXPECT_EQ(whole.document, read.document);
        }
    }
}

// Its points found apart from the rest by a scan of the bytes, a file the
// parser would refuse whole is refused whatever is damaged where (said as
// damage to the header when that is found first), read in steps or not.
TEST(NotebookFile, AFileDamagedAnywhereIsRefusedAsAParserReadingItWholeRefusesIt) {
    NotebookHistory h = make_history();
    for (int mc : {20, 4, 40}) h.record(point_at(mc, 18));
    h.set_note(2, "\\ \"[x]\" {y}");
    const std::string saved = notebook_to_json(h.document(), "prueba");
    std::mt19937 rng(20261209);
    const std::string_view marks = "[]{},:\"\\ 1a";
    int opened = 0;
    for (int i = 0; i < 3000; ++i) {
        std::string file = saved;
        for (int edits = 1 + int(rng() % 3); edits > 0; --edits) {
            const std::size_t at = rng() % file.size();
            const char mark = marks[rng() % marks.size()];
            switch (rng() % 3) {
                case 0:
                    file.erase(at, 1);
                    break;
                case 1:
                    file.insert(at, 1, mark);
                    break;
                default:
                    file[at] = mark;
            }
        }
        NotebookReader steps(file);
        while (steps.error().empty() && steps.done() < steps.total()) steps.read(1);
        const NotebookRead read = steps.result();
        if (!nlohmann::ordered_json::accept(file)) {
            EXPECT_FALSE(read.document) << file;
            EXPECT_NE(read.error, "") << file;
        }
        const NotebookRead whole = notebook_from_json(file);
        EXPECT_EQ(whole.error, read.error) << file;
        EXPECT_EQ(whole.document, read.document) << file;
        opened += read.document.has_value();
    }
    EXPECT_GT(opened, 0);  // some edits fall in spaces or texts
}

TEST(NotebookFile, AFileLargerThanAnyNotebookIsRefusedNamingTheLimitInTheUsersNumbers) {
    const std::string huge(kNotebookMaxBytes + 1, ' ');
    EXPECT_EQ(notebook_from_json(huge).error, notebook_too_large(spanish_number_style()));
    EXPECT_EQ(notebook_from_json(huge, english_number_style()).error,
              notebook_too_large(english_number_style()));
    EXPECT_NE(notebook_too_large(spanish_number_style()).find("67,1 MB"), std::string::npos);
    EXPECT_NE(notebook_too_large(english_number_style()).find("67.1 MB"), std::string::npos);
}

TEST(NotebookHistory, AnAssignmentsPointsAreTakenAndTheOthersMarkedAndHandResultsUndone) {
    NotebookHistory h = make_history();
    const AssignedPoint first{21, 19, 1003, 15, 20};
    h.open(assignment_notebook({"L3-A", {"Ana"}, {first, {5, 22, 990, 14, 17}}, "sello"}));
    EXPECT_EQ(h.points_taken(), (std::vector<bool>{false, false}));
    session::BenchSession bench;
    bench.set_conditions(conditions_of(first));
    bench.operate_switch();
    h.record(point_on_show(*bench.pass_on_show(), "es_ES", spanish_number_style()));
    h.record(point_at(20, 18));
    EXPECT_EQ(h.point(0).assigned, std::optional<std::size_t>(0));
    EXPECT_FALSE(h.point(0).outside_assignment);
    EXPECT_TRUE(h.point(1).outside_assignment);
    EXPECT_NE(marks_explained(h.point(1)).find("fuera de la práctica"), std::string::npos);
    EXPECT_EQ(h.points_taken(), (std::vector<bool>{true, false}));

    EXPECT_FALSE(h.set_hand_result(0, 1, "1")->merged);
    EXPECT_TRUE(h.set_hand_result(0, 1, "12")->merged);
    EXPECT_FALSE(h.set_hand_result(0, 2, "3")->merged);
    EXPECT_FALSE(h.set_hand_result(0, kHandResultCount, "3"));
    const NotebookDocument saved = h.document();
    EXPECT_EQ(saved.points[0].hand_results[1], "12");
    EXPECT_EQ(saved.assignment->seal, "sello");
    h.undo();
    h.undo();
    EXPECT_EQ(h.point(0).hand_results[1], "");
    h.open(saved);  // a point taken elsewhere stays marked when opened again
    EXPECT_TRUE(h.point(1).outside_assignment);
    EXPECT_EQ(h.point(0).hand_results[2], "3");
}

}  // namespace
}  // namespace gelvor
