// The notebook's chart and p-h diagram with the manual's exercise recorded.
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <functional>

#include "present/ph_chart.h"
#include "tests/ui/notebook_driver.h"
#include "ui/notebook/conditions_dialog.h"
#include "ui/notebook/notebook_chart.h"
#include "ui/notebook/notebook_model.h"
#include "ui/notebook/notebook_window.h"
#include "ui/notebook/ph_diagram.h"

namespace gelvor::ui::testing {
namespace {

using notebook::ConditionsDialog;
using notebook::NotebookModel;
using notebook::NotebookWindow;
using notebook::PhDiagram;

constexpr int kChartTab = 1, kDiagramTab = 2;

class NotebookCharts : public NotebookDriver {
  protected:
    // The diagram on show at a size of its own, over the bench's region or the whole dome.
    PhDiagram* diagramOnShow(bool bench_region) {
        NotebookWindow* w = window();
        w->tabs()->setCurrentIndex(kDiagramTab);
        w->findChild<QCheckBox*>("regionBanco")->setChecked(bench_region);
        PhDiagram* d = w->diagram();
        d->resize(800, 600);
        return d;
    }
};

// The lines the chart draws for the readings, by name, with their points.
std::map<QString, QList<QPointF>> reading_lines(notebook::NotebookChart* chart) {
    std::map<QString, QList<QPointF>> out;
    for (QAbstractSeries* s : chart->view()->chart()->series()) {
        auto* line = qobject_cast<QLineSeries*>(s);
        if (line && line->isVisible() && !line->name().startsWith("Saturación"))
            out[line->name()] = line->points();
    }
    return out;
}

TEST_F(NotebookCharts, APresetJoinsOnlyPointsTakenAtTheSameOtherSettings) {
    recordExercise();
    auto* chart = window()->chart();
    const int mc = notebook_column("mc (g/s)");
    const auto value = [this](int row, int column) {
        return model().point(row).values[static_cast<std::size_t>(column)];
    };

    // Qc and Qe against mc: the two points at me = 20 g/s make one line, the
    // point at me = 10 g/s another, each named by its evaporator flow.
    chart->findChild<QPushButton*>("presetQcQe")->click();
    const auto lines = reading_lines(chart);
    ASSERT_EQ(lines.size(), 4u);
    for (const char* quantity : {"Qc (W)", "Qe (W)"}) {
        SCOPED_TRACE(quantity);
        const QList<QPointF> at20 = lines.at(QString::fromUtf8(quantity) + ", me = 20 g/s");
        const QList<QPointF> at10 = lines.at(QString::fromUtf8(quantity) + ", me = 10 g/s");
        ASSERT_EQ(at20.size(), 2);
        EXPECT_EQ(at20[0].x(), value(1, mc));  // in the order of mc: 4, then 20 g/s
        EXPECT_EQ(at20[1].x(), value(0, mc));
        ASSERT_EQ(at10.size(), 1);
        EXPECT_EQ(at10[0].x(), value(2, mc));
    }

    // te against Pe: mc varies most, so the lines are again those of me;
    // both saturation curves are drawn and named.
    chart->findChild<QPushButton*>("presetTePe")->click();
    QStringList names;
    for (const auto& [name, points] : reading_lines(chart)) names << name;
    EXPECT_EQ(names, QStringList({"me = 10 g/s", "me = 20 g/s"}));
    QStringList curves;
    for (QAbstractSeries* s : chart->view()->chart()->series())
        if (s->isVisible() && s->name().startsWith("Saturación"))
            curves << s->name();
    EXPECT_EQ(curves, QStringList({"Saturación: correlación del banco",
                                   "Saturación: ecuación de referencia"}));
}

// Fixed axes, whatever the cycles: points compare from one to the next.
TEST_F(NotebookCharts, TheDiagramsAxesStayFixedAndTheBenchRegionHoldsTheExercise) {
    for (bool bench : {false, true}) {
        SCOPED_TRACE(bench ? "bench region" : "whole dome");
        const auto& chart = ph_chart::chart_geometry(bench ? ph_chart::ChartRange::bench_region
                                                           : ph_chart::ChartRange::whole_dome);
        PhDiagram* d = diagramOnShow(bench);
        const QRectF first_plot = d->plotArea();
        if (!bench)
            recordExercise();
        for (int row = -1; row < kExercisePoints; ++row) {
            if (row < 0)
                window()->table()->clearSelection();  // the live state
            else
                window()->table()->selectRow(row);
            ASSERT_TRUE(d->hasCycle());
            EXPECT_EQ(d->enthalpyMin(), chart.enthalpy.min);
            EXPECT_EQ(d->enthalpyMax(), chart.enthalpy.max);
            EXPECT_EQ(d->pressureMin(), chart.pressure.min);
            EXPECT_EQ(d->pressureMax(), chart.pressure.max);
            EXPECT_EQ(d->plotArea(), first_plot);
            if (bench && row >= 0) {
                const auto pixels = d->rowPixels(row);
                ASSERT_TRUE(pixels);
                for (QPointF p : *pixels)
                    EXPECT_TRUE(d->plotArea().contains(p)) << row << " " << p.x() << ", " << p.y();
            }
        }
    }
}

TEST_F(NotebookCharts, ClickingARecordedCycleSelectsItsRow) {
    recordExercise();
    PhDiagram* d = diagramOnShow(true);
    QTableView* table = window()->table();
    table->clearSelection();
    for (int row : {0, 2, 1}) {
        // Halfway along its condensation, B to C.
        const auto pixels = *d->rowPixels(row);
        QTest::mouseClick(d, Qt::LeftButton, {}, ((pixels[1] + pixels[2]) / 2).toPoint());
        const QModelIndexList selected = table->selectionModel()->selectedRows();
        ASSERT_EQ(selected.size(), 1) << row;
        EXPECT_EQ(selected.front().row(), row);
        EXPECT_EQ(d->cyclePixels(), pixels);  // now the cycle drawn in colour
    }
    // Away from every cycle, nothing changes.
    QTest::mouseClick(d, Qt::LeftButton, {}, d->plotArea().topRight().toPoint() + QPoint(-3, 3));
    EXPECT_EQ(table->selectionModel()->selectedRows().front().row(), 1);
}

TEST_F(NotebookCharts, ExportWritesTheTabOnShowAsAValidPngOrSvg) {
    recordExercise();
    NotebookWindow* w = window();
    QTemporaryDir dir;
    for (int tab : {kChartTab, kDiagramTab}) {
        w->tabs()->setCurrentIndex(tab);
        SCOPED_TRACE(tab);
        QString error;
        const QString png = dir.filePath(QStringLiteral("grafica%1.png").arg(tab));
        ASSERT_TRUE(w->exportPicture(png, error)) << error.toStdString();
        const QImage image(png, "PNG");
        ASSERT_FALSE(image.isNull());
        EXPECT_GE(image.width(), 900);
        // The cycle's or the lines' blue is there: a drawing, not a blank page.
        bool blue = false;
        for (int y = 0; y < image.height() && !blue; y += 2)
            for (int x = 0; x < image.width() && !blue; x += 2)
                blue = image.pixelColor(x, y) == QColor(0, 0, 255);
        EXPECT_TRUE(blue);

        const QString svg = dir.filePath(QStringLiteral("grafica%1.svg").arg(tab));
        ASSERT_TRUE(w->exportPicture(svg, error)) << error.toStdString();
        QSvgRenderer renderer(svg);
        EXPECT_TRUE(renderer.isValid());
        QFile file(svg);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readAll().contains(
            tab == kDiagramTab ? QByteArray("<title>Diagrama p-h del R-11</title>")
                               : QByteArray("<title>Gráfica del registro</title>")));
    }
}

}  // namespace
}  // namespace gelvor::ui::testing
