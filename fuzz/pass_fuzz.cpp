// One whole pass from three arbitrary box texts and two flows: it completes
// or faults with a message, and no display ever shows a non-finite number.
#include <cmath>
#include <cstdlib>

#include "fuzz/fuzz_input.h"
#include "present/pass.h"

namespace {

bool shows_non_finite(const QString& text) {
    return text.contains(QLatin1String("nan"), Qt::CaseInsensitive) ||
           text.contains(QLatin1String("inf"), Qt::CaseInsensitive);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QLocale spanish(QLocale::Spanish, QLocale::Spain);
    static const QLocale english(QLocale::English, QLocale::UnitedStates);
    gelvor::fuzz::Input in(data, size);
    const QLocale& locale = in.byte() % 2 ? spanish : english;
    gelvor::PanelSettings s;
    s.evaporator_water_flow = in.byte() % 51;
    s.condenser_water_flow = in.byte() % 51;
    s.barometer_text = in.text();
    s.ambient_text = in.text();
    s.water_text = in.text();

    const gelvor::PassDisplay pass = gelvor::run_pass(s, locale);
    if (pass.complete() != pass.fault_message.isEmpty() ||
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
