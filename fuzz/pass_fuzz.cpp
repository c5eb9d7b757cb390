// One whole pass from three arbitrary box texts and two flows: it completes
// or faults with a message, and no display ever shows a non-finite number.
#include <cmath>
#include <cstdlib>

#include "fuzz/fuzz_input.h"
#include "present/pass.h"

namespace {

bool shows_non_finite(std::string t) {
    for (char& c : t) c = c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
    return t.find("nan") != std::string::npos || t.find("inf") != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    gelvor::fuzz::Input in(data, size);
    const gelvor::NumberStyle& style =
        in.byte() % 2 ? gelvor::spanish_number_style() : gelvor::english_number_style();
    gelvor::PanelSettings s;
    s.evaporator_water_flow = in.byte() % 51;
    s.condenser_water_flow = in.byte() % 51;
    s.barometer_text = in.text();
    s.ambient_text = in.text();
    s.water_text = in.text();

    const gelvor::PassDisplay pass = gelvor::run_pass(s, style);
    if (pass.complete() != pass.fault_message.empty() ||
        (pass.complete() && !pass.overlay.has_value()) ||
        pass.writes.size() + pass.unreached().size() != gelvor::display_targets().size()) {
        std::abort();
    }
    for (const gelvor::DisplayWrite& w : pass.writes) {
        if (!std::isfinite(w.position) || shows_non_finite(w.text)) {
            std::abort();
        }
    }
    return 0;
}
