#pragma once

// An arrow held down steps once at once, again after `delay_ms`, and then
// every `interval_ms` until it is let go.
namespace gelvor::layout {

struct PressRepeat {
    int delay_ms;
    int interval_ms;
};

// The flow bars are Qt's scroll bars, which repeat so (QAbstractSlider's
// own figures); the spins are the window's own.
inline constexpr PressRepeat kFlowBarRepeat{500, 50};
inline constexpr PressRepeat kSpinRepeat{400, 80};

}  // namespace gelvor::layout
