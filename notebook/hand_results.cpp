#include "notebook/hand_results.h"

#include <cmath>

#include "present/box_reading.h"

namespace gelvor {

const std::array<HandResult, kHandResultCount>& hand_results() {
    static constexpr std::array<HandResult, kHandResultCount> kResults = {{
        {"Qe", "Qe (W)", "Qe (W)"},
        {"Qc", "Qc (W)", "Qc (W)"},
        {"Wc", "Wc (W)", "Potencia compresor (W)"},
        {"cop_refrigerador", "COP maq. frigorífica", "COP maq frigorifica"},
        {"cop_bomba", "COP bomba de calor", "COP bomba de calor"},
        {"Ue", "Ue (W/m2K)", "Ue (W/m2K)"},
        {"Uc", "Uc (W/m2K)", "Uc (W/m2K)"},
        {"rendimiento_volumetrico", "rendimiento volumétrico (%)", "rend. vol compresor (%)"},
    }};
    return kResults;
}

std::string hand_result_header(std::size_t which) {
    return std::string(kHandResultsTitle) + ": " + hand_results()[which].header;
}

// Relative to the bench's figure; a figure of zero is met only by zero.
HandCheck check_hand_result(std::string_view typed, std::optional<double> bench, double tolerance,
                            const NumberStyle& style) {
    if (typed.find_first_not_of(" \t") == std::string_view::npos)
        return HandCheck::empty;
    const std::optional<double> value = read_box_number(typed, style);
    if (!value || !bench || !std::isfinite(*bench))
        return HandCheck::unreadable;
    const double off = std::fabs(*value - *bench);
    // A hair over the tolerance, to keep a result typed to the figure's own
    // digits inside it: 2 % of 100.0 is 2.0, which doubles do not hold exactly.
    return off <= tolerance * std::fabs(*bench) * (1 + 1e-12) ? HandCheck::within
                                                              : HandCheck::outside;
}

}  // namespace gelvor
