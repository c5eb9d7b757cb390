#pragma once

// The operator's settings as the bench's controls allow them. The bench's
// pressure and heat-flow fits hold within these ranges only; a value typed
// outside them still computes, as an extrapolation.
namespace gelvor {

struct SettingRange {
    int min;
    int max;
    int initial;  // the control's value when the window opens
    constexpr bool contains(double v) const { return v >= min && v <= max; }
};

// Water flows through either coil, g/s. The flow bars run upside down: a bar
// at its highest value (its bottom) lets no water through.
inline constexpr SettingRange kFlowRange{0, 50, 0};
inline constexpr int kNoFlowBarValue = kFlowRange.max;
constexpr int flow_from_bar(int bar_value) {
    return kNoFlowBarValue - bar_value;
}
constexpr int bar_from_flow(int flow) {
    return kNoFlowBarValue - flow;
}
// The least flow through each coil with which the machine may run, g/s.
inline constexpr int kMinimumRunningFlow = 4;

inline constexpr SettingRange kBarometerRange{950, 1070, 1010};  // mbar
inline constexpr SettingRange kAmbientRange{10, 50, 18};         // ºC
inline constexpr SettingRange kWaterInletRange{14, 16, 15};      // ºC

// The flowmeter float stands 9.6 twips higher for each g/s: the bar's value
// times 480 in 16-bit arithmetic, over 50, from 1564 twips.
constexpr float float_top_twips(int bar_value) {
    const auto product = static_cast<short>(bar_value * 480);
    return static_cast<float>(static_cast<double>(product) / 50.0 + 1564.0);
}

}  // namespace gelvor
