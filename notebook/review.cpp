#include "notebook/review.h"

#include <algorithm>
#include <cmath>

#include "notebook/assignment.h"
#include "notebook/class_messages.h"
#include "notebook/hand_results.h"
#include "notebook/marked_point.h"
#include "notebook/notebook_file.h"
#include "present/mask_format.h"
#include "present/notebook_columns.h"
#include "present/table_text.h"

namespace gelvor {
namespace {

// What a readable submission holds beyond its row: its bytes and its hand
// results, to find copies by.
struct Checked {
    ReviewRow row;
    std::string results;  // every hand result of its points taken, or empty
};

std::optional<double> bench_value(const MarkedPoint& point, const char* column) {
    const int c = notebook_column(column);
    if (c < 0 || static_cast<std::size_t>(c) >= point.values.size() ||
        std::isnan(point.values[static_cast<std::size_t>(c)]))
        return std::nullopt;
    return point.values[static_cast<std::size_t>(c)];
}

Checked check(const Submission& s, const ReviewOptions& options) {
    Checked out;
    ReviewRow& row = out.row;
    row.file = s.file;
    if (!s.unreadable.empty()) {
        row.observations.push_back(unreadable_submission(s.unreadable));
        return out;
    }
    const NotebookRead read = notebook_from_json(s.bytes);
    if (!read.document) {
        row.observations.push_back(read.error);
        return out;
    }
    const NotebookDocument& d = *read.document;
    row.group = d.header.group;
    row.students = d.header.students;
    const Assignment* a = d.assignment ? &*d.assignment : nullptr;
    if (a) {
        row.group = a->group;
        row.students = listed(a->students, ", ");
        row.assigned = static_cast<int>(a->points.size());
        row.sealed = options.seal_holds && options.seal_holds(*a);
        if (!*row.sealed)
            row.observations.push_back(kSealBroken);
    } else {
        row.sealed = false;
        row.observations.push_back(kNotAnAssignment);
    }
    // Each assigned point by the last point recorded at its settings.
    std::vector<std::optional<std::pair<const NotebookPoint*, MarkedPoint>>> taken(
        a ? a->points.size() : 0);
    std::vector<std::string> changed;
    int outside = 0;
    for (const NotebookPoint& p : d.points) {
        const NumberStyle style = options.style_of(p.locale);
        MarkedPoint marked = point_from_file(p, style);
        if (!marked.differing.empty())
            changed.push_back(std::to_string(p.number));
        const auto at = a ? assigned_point_taken(p.settings, *a, style) : std::nullopt;
        if (at)
            taken[*at] = std::pair{&p, std::move(marked)};
        else if (a)
            ++outside;
    }
    row.authentic = changed.empty();
    if (!changed.empty())
        row.observations.push_back(readings_changed(changed));
    std::vector<std::string> missing;
    for (std::size_t i = 0; i < taken.size(); ++i) {
        if (!taken[i]) {
            missing.push_back(std::to_string(i + 1));
            continue;
        }
        ++row.taken;
        const auto& [point, marked] = *taken[i];
        const NumberStyle style = options.style_of(point->locale);
        for (std::size_t k = 0; k < kHandResultCount; ++k) {
            const std::string& typed = point->hand_results[k];
            out.results += typed + '\t';
            const auto bench = bench_value(marked, hand_results()[k].bench_column);
            if (check_hand_result(typed, bench, options.tolerance, style) == HandCheck::within)
                ++row.correct;
        }
        out.results += '\n';
    }
    if (!missing.empty())
        row.observations.push_back(points_missing(missing));
    if (outside > 0)
        row.observations.push_back(points_outside(outside));
    // A notebook with no hand result shares nothing worth the name.
    if (out.results.find_first_not_of("\t\n") == std::string::npos)
        out.results.clear();
    return out;
}

}  // namespace

double review_mark(const ReviewRow& row) {
    if (!row.sealed.value_or(false) || !row.authentic.value_or(false) || !row.copy_of.empty() ||
        row.assigned == 0)
        return 0;
    const double points = 4.0 * row.taken / row.assigned;
    const double results = 6.0 * row.correct / (double(kHandResultCount) * row.assigned);
    return std::round((points + results) * 10) / 10;
}

std::vector<ReviewRow> review(std::span<const Submission> submissions,
                              const ReviewOptions& options) {
    std::vector<Checked> checked;
    checked.reserve(submissions.size());
    for (const Submission& s : submissions) checked.push_back(check(s, options));
    // Copies: the same file, or the same hand results. Sorted by what is
    // compared, so that a class of hundreds is not compared pair by pair.
    std::vector<std::size_t> order(checked.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    const auto mark_copies = [&](auto key) {
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t x, std::size_t y) { return key(x) < key(y); });
        for (std::size_t from = 0; from < order.size();) {
            std::size_t to = from + 1;
            while (to < order.size() && key(order[to]) == key(order[from])) ++to;
            if (!key(order[from]).empty()) {
                for (std::size_t i = from; i < to; ++i) {
                    for (std::size_t j = from; j < to; ++j) {
                        auto& copies = checked[order[i]].row.copy_of;
                        const std::string& other = checked[order[j]].row.file;
                        if (i != j &&
                            std::find(copies.begin(), copies.end(), other) == copies.end())
                            copies.push_back(other);
                    }
                }
            }
            from = to;
        }
    };
    mark_copies([&](std::size_t i) -> const std::string& {
        return submissions[i].unreadable.empty() ? submissions[i].bytes : checked[i].results;
    });
    mark_copies([&](std::size_t i) -> const std::string& { return checked[i].results; });
    std::vector<ReviewRow> rows;
    rows.reserve(checked.size());
    for (Checked& c : checked) {
        if (!c.row.copy_of.empty())
            c.row.observations.push_back(copy_of(c.row.copy_of));
        c.row.mark = review_mark(c.row);
        rows.push_back(std::move(c.row));
    }
    return rows;
}

std::vector<std::string> review_headers() {
    return {std::begin(kReviewHeaders), std::end(kReviewHeaders)};
}

std::vector<std::string> review_cells(const ReviewRow& r, const NumberStyle& style) {
    const auto yes_no = [](const std::optional<bool>& b) {
        return b ? std::string(*b ? kYes : kNo) : std::string();
    };
    std::string observations;
    for (const std::string& o : r.observations)
        observations += (observations.empty() ? "" : "; ") + o;
    return {r.group,
            r.students,
            r.file,
            std::to_string(r.taken),
            std::to_string(r.assigned),
            yes_no(r.authentic),
            yes_no(r.sealed),
            std::to_string(r.correct),
            listed(r.copy_of, ", "),
            format_with_mask(r.mark, "#0.0", style),
            observations};
}

std::string review_csv(std::span<const ReviewRow> rows, const NumberStyle& style) {
    const char separator = csv_separator(style);
    std::string out = csv_record(review_headers(), separator);
    for (const ReviewRow& r : rows) out += csv_record(review_cells(r, style), separator);
    return out;
}

}  // namespace gelvor
