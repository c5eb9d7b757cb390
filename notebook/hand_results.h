#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "notebook/notebook_document.h"
#include "present/number_style.h"

// The group's own results, worked out by hand from a point's readings, set
// beside what the bench shows for the same quantity.
namespace gelvor {

struct HandResult {
    const char* key;           // in the file
    const char* header;        // in the notebook's table, under "Mis resultados"
    const char* bench_column;  // the notebook column with the bench's own figure
};

// Qe, Qc, Wc, the refrigerator's and the heat pump's COP, Ue, Uc and the
// volumetric efficiency, in the order of HandResults.
const std::array<HandResult, kHandResultCount>& hand_results();

// The group's title over those columns, and a column's header under it.
inline constexpr const char* kHandResultsTitle = "Mis resultados";
std::string hand_result_header(std::size_t which);

// A typed result against the bench's figure: within a tolerance (a
// fraction: 0.02 is 2 %) of it, or not.
enum class HandCheck { empty, unreadable, within, outside };
HandCheck check_hand_result(std::string_view typed, std::optional<double> bench, double tolerance,
                            const NumberStyle& style);

// The default tolerance of the review, a fraction.
inline constexpr double kDefaultTolerance = 0.02;

}  // namespace gelvor
