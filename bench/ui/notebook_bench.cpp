// The notebook with 1,000 points already recorded: recording one more point
// through the menu, with the table or the chart on show and repainted; and
// a repaint of the true-scale p-h diagram with every one of them drawn. Then
// the diagram as a class fills it: 50 recorded cycles, one selected, over
// the whole dome or the bench's region.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>

#include "ui/form1.h"
#include "ui/notebook/notebook_window.h"
#include "ui/notebook/ph_diagram.h"

namespace {

constexpr int kRecorded = 1000;

struct NotebookWithPoints {
    gelvor::ui::Form1 form;
    QAction* record = nullptr;
    gelvor::ui::notebook::NotebookWindow* window = nullptr;

    explicit NotebookWithPoints(int tab, int recorded = kRecorded) {
        auto* evaporator = form.findChild<QScrollBar*>(QStringLiteral("VScroll1"));
        auto* condenser = form.findChild<QScrollBar*>(QStringLiteral("VScroll2"));
        evaporator->setValue(30);
        condenser->setValue(30);
        QWidget* power = form.findChild<QWidget*>(QStringLiteral("Interruptor"));
        QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QApplication::sendEvent(power, &space);
        form.show();
        record = form.findChild<QAction*>(QStringLiteral("anotarLecturas"));
        form.findChild<QAction*>(QStringLiteral("verRegistro"))->trigger();
        window =
            form.findChild<gelvor::ui::notebook::NotebookWindow*>(QStringLiteral("frmRegistro"));
        window->tabs()->setCurrentIndex(tab);
        // Different operating points, flows 4 to 46 g/s.
        for (int i = 0; i < recorded; ++i) {
            condenser->setValue(4 + i % 43);
            evaporator->setValue(4 + (i / 43) % 43);
            record->trigger();
        }
        QApplication::processEvents();
    }
    bool ready() const { return form.session().view().machine_on && window->isVisible(); }
    // Back to 1,000 points, outside the timing.
    void dropLast() {
        auto* model = window->table()->model();
        model->removeRow(model->rowCount() - 1);
    }
};

void recordAndRepaint(benchmark::State& state, int tab) {
    NotebookWithPoints n(tab);
    if (!n.ready())
        state.SkipWithError("the machine or the notebook did not start");
    for (auto _ : state) {
        n.record->trigger();
        n.window->repaint();
        state.PauseTiming();
        n.dropLast();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void RecordPointWithTableOnShow(benchmark::State& state) {
    recordAndRepaint(state, 0);
}
void RecordPointWithChartOnShow(benchmark::State& state) {
    recordAndRepaint(state, 1);
}

void RepaintPhDiagram(benchmark::State& state) {
    NotebookWithPoints n(2);
    auto* diagram = n.window->diagram();
    if (!n.ready() || !diagram->hasCycle())
        state.SkipWithError("no cycle on the diagram");
    for (auto _ : state) diagram->repaint();
}

// Fifty cycles, the middle one selected, over the whole dome (0) or the
// bench's region (1). A repaint draws the grid, the axes and the chart's
// lines from the picture it keeps of them; a drawing from nothing, as after
// a change of size or zoom, or into a file, draws everything.
struct DiagramWith50Cycles : NotebookWithPoints {
    explicit DiagramWith50Cycles(const benchmark::State& state) : NotebookWithPoints(2, 50) {
        window->findChild<QCheckBox*>(QStringLiteral("regionBanco"))
            ->setChecked(state.range(0) == 1);
        window->table()->selectRow(25);
        QApplication::processEvents();
    }
    bool ready() const { return NotebookWithPoints::ready() && window->diagram()->hasCycle(); }
};

void RepaintPhDiagramWith50Cycles(benchmark::State& state) {
    DiagramWith50Cycles n(state);
    if (!n.ready())
        state.SkipWithError("no cycle on the diagram");
    for (auto _ : state) n.window->diagram()->repaint();
}

void DrawPhDiagramWith50Cycles(benchmark::State& state) {
    DiagramWith50Cycles n(state);
    if (!n.ready())
        state.SkipWithError("no cycle on the diagram");
    auto* diagram = n.window->diagram();
    QImage image(diagram->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        diagram->render(painter, QRectF(image.rect()));
    }
}

BENCHMARK(RecordPointWithTableOnShow)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(RecordPointWithChartOnShow)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(RepaintPhDiagram)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(RepaintPhDiagramWith50Cycles)
    ->Arg(0)
    ->Arg(1)
    ->UseRealTime()
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(DrawPhDiagramWith50Cycles)
    ->Arg(0)
    ->Arg(1)
    ->UseRealTime()
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

}  // namespace
