// The notebook's history without a window: numbering, undo and redo, notes
// typed on merging into one change, the unsaved mark, and the marks a point
// carries for the table and the p-h diagram.
#include "notebook/notebook_history.h"

#include <gtest/gtest.h>

#include "notebook/assignment.h"
#include "notebook/notebook_points.h"
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
