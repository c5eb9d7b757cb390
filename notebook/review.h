#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "notebook/notebook_document.h"
#include "present/number_style.h"

// The teacher's review of a class: each submitted notebook read, its points
// checked against their assignment and recomputation, its hand results
// against the bench's, copies found, and a mark out of ten. A file that is
// damaged, foreign, forged or edited gets its row and says why; nothing
// stops the review.
namespace gelvor {

struct Submission {
    std::string file;   // its name, as the row shows it
    std::string bytes;  // empty and `unreadable` set when it could not be read
    std::string unreadable;
};

struct ReviewRow {
    std::string group;
    std::string students;
    std::string file;
    int taken = 0;                  // assigned points recorded at their settings
    int assigned = 0;               // points the assignment has
    std::optional<bool> authentic;  // every reading is its recomputation
    std::optional<bool> sealed;     // the seal holds
    int correct = 0;                // hand results within the tolerance
    std::vector<std::string> copy_of;
    double mark = 0;  // out of 10
    std::vector<std::string> observations;
};

struct ReviewOptions {
    double tolerance = 0.02;  // a fraction
    // Whether the assignment's seal holds under the teacher's key.
    std::function<bool(const Assignment&)> seal_holds;
    // A point's number format from its locale's name.
    std::function<NumberStyle(const std::string&)> style_of;
};

std::vector<ReviewRow> review(std::span<const Submission> submissions,
                              const ReviewOptions& options);

// The class table's columns, in their order, and a row's cells as texts.
std::vector<std::string> review_headers();
std::vector<std::string> review_cells(const ReviewRow& row, const NumberStyle& style);
// The class table as CSV, separated as `style` wants.
std::string review_csv(std::span<const ReviewRow> rows, const NumberStyle& style);

// The mark, by the rule the README gives: nothing for a notebook whose
// conditions are not sealed, whose readings are not their recomputation or
// that is a copy; otherwise 4 points for the points taken and 6 for the hand
// results within the tolerance, in proportion, to one decimal.
double review_mark(const ReviewRow& row);

}  // namespace gelvor
