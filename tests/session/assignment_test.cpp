// The teacher's exercise without a window: groups read from the teacher's
// list, conditions drawn where the model is physical and the same for the
// same seed, the notebook file's second version, hand results at the
// tolerance's edge, and the review of an honest, an edited, a forged, a
// copied and a foreign submission.
#include <gtest/gtest.h>

#include "notebook/assignment.h"
#include "notebook/hand_results.h"
#include "notebook/notebook_file.h"
#include "notebook/notebook_points.h"
#include "notebook/review.h"
#include "present/notebook_columns.h"
#include "tests/class_notebooks.h"

namespace gelvor {
namespace {

using testing::honest_notebook;
using testing::style_of;

TEST(Assignment, GroupsAreReadOneALineAndABadLineIsNamed) {
    const GroupsRead read =
        read_groups("# laboratorio 3\r\nL3-A: Ana Pérez, Luis Gómez\n\n L3/B :Eva\nL3-C:\n");
    ASSERT_EQ(read.error, "");
    ASSERT_EQ(read.groups.size(), 3u);
    EXPECT_EQ(read.groups[0].students, (std::vector<std::string>{"Ana Pérez", "Luis Gómez"}));
    EXPECT_EQ(read.groups[1].name, "L3/B");
    EXPECT_EQ(file_name_of(read.groups[1].name), "L3_B");
    EXPECT_TRUE(read.groups[2].students.empty());
    EXPECT_EQ(read_groups("A: x\nB x\n").error,
              "En la línea 2 de la lista de grupos, falta «:» entre el grupo y sus alumnos.");
    EXPECT_NE(read_groups("A: x\nA: y\n").error, "");
    EXPECT_NE(read_groups("A/B: x\nA\\B: y\n").error, "");  // the same file name
    EXPECT_EQ(read_groups("\n# nada\n").error, "La lista de grupos no tiene ningún grupo.");
    // The command line speaks English to everyone else.
    EXPECT_EQ(read_groups("A: x\n\n: y\n", Language::english).error,
              "Line 3 of the list of groups: the group's name is missing.");
}

TEST(Assignment, PointsAreDrawnAroundTheManualsWhereTheModelHoldsAndTheSameForASeed) {
    std::mt19937 a(7), b(7), c(8);
    std::vector<std::vector<AssignedPoint>> drawn;
    for (int group = 0; group < 40; ++group) drawn.push_back(draw_points(a));
    for (int group = 0; group < 40; ++group) EXPECT_EQ(draw_points(b), drawn[group]);
    EXPECT_NE(draw_points(c), drawn[0]);
    for (const auto& points : drawn) {
        ASSERT_EQ(points.size(), 3u);
        for (std::size_t i = 0; i < 3; ++i) {
            const AssignedPoint& p = points[i];
            const auto& manual = session::kExercisePoints[i];
            EXPECT_LE(std::abs(p.condenser_flow - manual.condenser), 3);
            EXPECT_LE(std::abs(p.evaporator_flow - manual.evaporator), 3);
            EXPECT_GE(std::min(p.condenser_flow, p.evaporator_flow), 4);
            const PassDisplay pass = run_pass(panel_settings(p), spanish_number_style());
            EXPECT_TRUE(pass.complete() && pass.validity_notes.empty() &&
                        pass.range_warnings.empty());
        }
    }
}

TEST(Assignment, TheFileKeepsTheAssignmentAndTheHandResultsAndReadsTheFirstVersion) {
    std::mt19937 rng(1);
    Assignment a{"L3-A", {"Ana", "Luis"}, draw_points(rng), "00ff"};
    const NotebookDocument d = honest_notebook(a, "es_ES");
    const std::string file = notebook_to_json(d, "prueba");
    EXPECT_NE(file.find("\"version\": 2"), std::string::npos);
    const NotebookRead back = notebook_from_json(file);
    ASSERT_TRUE(back.document) << back.error;
    EXPECT_EQ(*back.document, d);
    EXPECT_EQ(back.document->header.students, "Ana, Luis");

    std::string first = notebook_to_json(NotebookDocument{}, "prueba");
    first.replace(first.find("\"version\": 2"), 12, "\"version\": 1");
    ASSERT_TRUE(notebook_from_json(first).document);
    EXPECT_FALSE(notebook_from_json(first).document->assignment);
    std::string bad = file;
    bad.replace(bad.find("\"barometer\": "), 13, "\"barometer\": \"x\", \"b\": ");
    EXPECT_NE(notebook_from_json(bad).error.find("punto asignado 1"), std::string::npos);
}

TEST(Assignment, AHandResultCountsWithinTheToleranceInEitherLocale) {
    for (const std::string locale : {"es_ES", "en_US"}) {
        const NumberStyle style = style_of(locale);
        const auto typed = [&](double v) {
            return locale == "es_ES"
                       ? std::to_string(v).replace(std::to_string(v).find('.'), 1, ",")
                       : std::to_string(v);
        };
        EXPECT_EQ(check_hand_result(typed(102.0), 100.0, 0.02, style), HandCheck::within) << locale;
        EXPECT_EQ(check_hand_result(typed(98.0), 100.0, 0.02, style), HandCheck::within) << locale;
        EXPECT_EQ(check_hand_result(typed(102.01), 100.0, 0.02, style), HandCheck::outside);
        EXPECT_EQ(check_hand_result(typed(-2.04), -2.0, 0.02, style), HandCheck::within);
        EXPECT_EQ(check_hand_result("", 100.0, 0.02, style), HandCheck::empty);
        EXPECT_EQ(check_hand_result("cien", 100.0, 0.02, style), HandCheck::unreadable);
    }
    // The other locale's separator reads as another number, or none.
    EXPECT_NE(check_hand_result("1.5", 1.5, 0.02, spanish_number_style()), HandCheck::within);
}

TEST(Assignment, TheReviewTellsHonestEditedForgedCopiedAndForeignNotebooksApart) {
    std::mt19937 rng(3);
    const auto seal = [](const Assignment& a) { return "sello:" + sealed_text(a); };
    std::vector<Assignment> groups;
    for (const char* g : {"A", "B", "C", "D"}) {
        Assignment a{g, {std::string("alumno de ") + g}, draw_points(rng), {}};
        a.seal = seal(a);
        groups.push_back(a);
    }
    NotebookDocument honest = honest_notebook(groups[0], "es_ES");
    honest.points[0].hand_results[1] = "1";  // one Qc wrong
    NotebookDocument edited = honest_notebook(groups[1], "en_US");
    edited.points[1].readings[3].second = "99";
    NotebookDocument forged = honest_notebook(groups[2], "es_ES");
    forged.assignment->points[0].ambient += 1;  // an easier room, unsealed
    NotebookDocument copied = honest_notebook(groups[3], "es_ES");
    for (std::size_t i = 1; i < 3; ++i)
        copied.points[i].hand_results = honest.points[i].hand_results;
    NotebookDocument foreign;
    foreign.header.group = "Z";

    const std::vector<Submission> files = {
        {"a.gelvor", notebook_to_json(honest, "x"), {}},
        {"b.gelvor", notebook_to_json(edited, "x"), {}},
        {"c.gelvor", notebook_to_json(forged, "x"), {}},
        {"d.gelvor", notebook_to_json(copied, "x"), {}},
        {"z.gelvor", notebook_to_json(foreign, "x"), {}},
        {"roto.gelvor", "{\"format\": \"gelvor-registro\"", {}},
        {"perdido.gelvor", {}, "no existe"},
    };
    ReviewOptions options;
    options.seal_holds = [&](const Assignment& a) { return a.seal == seal(a); };
    options.style_of = style_of;
    const std::vector<ReviewRow> rows = review(files, options);
    ASSERT_EQ(rows.size(), files.size());
    EXPECT_EQ(rows[0].taken, 3);
    EXPECT_EQ(rows[0].correct, 23);
    EXPECT_EQ(rows[0].authentic, true);
    EXPECT_EQ(rows[0].sealed, true);
    EXPECT_EQ(rows[0].copy_of, std::vector<std::string>{});
    EXPECT_DOUBLE_EQ(rows[0].mark, std::round((4 + 6.0 * 23 / 24) * 10) / 10);
    EXPECT_EQ(rows[1].authentic, false);
    EXPECT_EQ(rows[1].correct, 24);  // read in its own locale's numbers
    EXPECT_EQ(rows[1].mark, 0);
    EXPECT_EQ(rows[2].sealed, false);
    EXPECT_EQ(rows[2].taken, 2);  // its first point was taken at the forged room
    EXPECT_EQ(rows[2].mark, 0);
    // The first point's hand results alone differ: not a copy.
    EXPECT_EQ(rows[3].copy_of, std::vector<std::string>{});
    EXPECT_EQ(rows[4].sealed, false);
    EXPECT_EQ(rows[4].assigned, 0);
    for (std::size_t r = 4; r < rows.size(); ++r) {
        EXPECT_FALSE(rows[r].observations.empty()) << r;
        EXPECT_EQ(rows[r].mark, 0);
    }

    // The same file twice, and the same hand results under another group.
    const std::vector<Submission> twice = {files[0], {"a2.gelvor", files[0].bytes, {}}, files[3]};
    NotebookDocument same = copied;
    same.points = honest_notebook(groups[3], "es_ES").points;
    for (std::size_t i = 0; i < 3; ++i) same.points[i].hand_results = honest.points[i].hand_results;
    const std::vector<Submission> with_copy = {files[0],
                                               {"d2.gelvor", notebook_to_json(same, "x"), {}}};
    EXPECT_EQ(review(twice, options)[1].copy_of, std::vector<std::string>{"a.gelvor"});
    const auto copies = review(with_copy, options);
    EXPECT_EQ(copies[1].copy_of, std::vector<std::string>{"a.gelvor"});
    EXPECT_EQ(copies[0].copy_of, std::vector<std::string>{"d2.gelvor"});
    EXPECT_EQ(copies[1].mark, 0);
    const std::string csv = review_csv(rows, spanish_number_style());
    EXPECT_EQ(csv.substr(0, csv.find('\n')),
              "grupo;alumnos;archivo;puntos tomados;puntos asignados;lecturas auténticas;"
              "condiciones selladas;resultados correctos;copia de;nota;observaciones\r");
}

}  // namespace
}  // namespace gelvor
