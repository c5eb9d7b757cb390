// One operator event with the machine running: an arrow step of the
// evaporator flow bar, through its handler, the pass, every display write
// and the chart overlay; and the same with the window repainted after it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>

#include "ui/form1.h"

namespace {

struct RunningWindow {
    gelvor::ui::Form1 form;
    QScrollBar* bar = nullptr;

    RunningWindow() {
        bar = form.findChild<QScrollBar*>(QStringLiteral("VScroll1"));
        form.findChild<QScrollBar*>(QStringLiteral("VScroll2"))->setValue(30);
        bar->setValue(30);  // 20 g/s on both coils: no minimum-flow notice
        QWidget* power = form.findChild<QWidget*>(QStringLiteral("Interruptor"));
        QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QApplication::sendEvent(power, &space);
        form.show();
        QApplication::processEvents();
    }
    // Up and down in turn, so that the flow stays near 20 g/s.
    void step(bool& up) {
        bar->triggerAction(up ? QAbstractSlider::SliderSingleStepSub
                              : QAbstractSlider::SliderSingleStepAdd);
        up = !up;
    }
};

void FlowStepWithMachineOn(benchmark::State& state) {
    RunningWindow w;
    if (!w.form.session().view().machine_on)
        state.SkipWithError("the machine did not start");
    bool up = true;
    for (auto _ : state) w.step(up);
}
BENCHMARK(FlowStepWithMachineOn)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

void FlowStepAndRepaint(benchmark::State& state) {
    RunningWindow w;
    bool up = true;
    for (auto _ : state) {
        w.step(up);
        w.form.repaint();
    }
}
BENCHMARK(FlowStepAndRepaint)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
