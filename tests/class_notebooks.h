// A group's notebook as the group would hand it in, for the tests and the
// benchmark of the teacher's review.
#pragma once

#include <string>

#include "notebook/assignment.h"
#include "notebook/hand_results.h"
#include "notebook/notebook_points.h"
#include "present/notebook_columns.h"

namespace gelvor::testing {

// The number format of the locales a class's notebooks are written in.
inline NumberStyle style_of(const std::string& locale) {
    return locale.starts_with("en") ? english_number_style() : spanish_number_style();
}

// The assignment's notebook with its points taken in order and every hand
// result the bench's own figure, as shown.
inline NotebookDocument honest_notebook(const Assignment& a, const std::string& locale) {
    NotebookDocument d = assignment_notebook(a);
    for (std::size_t i = 0; i < a.points.size(); ++i) {
        const PanelSettings s = panel_settings(a.points[i]);
        NotebookPoint p =
            notebook_point(s, run_pass(s, style_of(locale)), locale, style_of(locale));
        p.number = int(i + 1);
        for (std::size_t k = 0; k < kHandResultCount; ++k) {
            const int c = notebook_column(hand_results()[k].bench_column);
            p.hand_results[k] = p.readings[std::size_t(c)].second;
        }
        d.points.push_back(p);
    }
    d.next_number = int(a.points.size()) + 1;
    return d;
}

}  // namespace gelvor::testing
