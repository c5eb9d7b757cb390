// The notebook's chart and p-h diagram with the manual's exercise recorded.
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QImage>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLegend>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <cmath>
#include <functional>
#include <limits>
#include <set>

#include "notebook/notebook_chart_model.h"
#include "notebook/notebook_chart_picture.h"
#include "notebook/ph_diagram_picture.h"
#include "present/ph_chart.h"
#include "tests/ui/notebook_driver.h"
#include "texts/chart_texts.h"
#include "ui/notebook/conditions_dialog.h"
#include "ui/notebook/notebook_chart.h"
#include "ui/notebook/notebook_model.h"
#include "ui/notebook/notebook_window.h"
#include "ui/notebook/ph_diagram.h"
#include "ui/number_style_qt.h"

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

namespace NC = notebook_chart;

// A point with these settings (mc, me, pa, t1 and t4, ta) and quantities,
// every other column unread.
MarkedPoint point_with(NC::PointSettings settings, std::map<const char*, double> quantities = {}) {
    MarkedPoint p;
    p.values.assign(notebook_columns().size(), std::numeric_limits<double>::quiet_NaN());
    const auto columns = NC::setting_columns();
    for (std::size_t k = 0; k < columns.size(); ++k)
        p.values[static_cast<std::size_t>(columns[k])] = settings[k];
    for (const auto& [header, value] : quantities)
        p.values[static_cast<std::size_t>(notebook_column(header))] = value;
    return p;
}

std::vector<std::string> reading_names(const NC::ChartModel& chart) {
    std::vector<std::string> out;
    for (const NC::Curve& c : chart.curves)
        if (c.kind == NC::CurveKind::reading)
            out.push_back(c.name);
    return out;
}

// The desktop's chart is the model's, line for line and tick for tick: the
// page draws the same model, so both show the same.
TEST_F(NotebookCharts, TheDesktopsChartDrawsTheModelThePageDraws) {
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    recordExercise();
    auto* chart = window()->chart();
    const auto points = model().history().points();
    // Each preset, and a quantity of another unit on a second axis to the right.
    std::vector<NC::AxisChoice> choices;
    for (const NC::Preset& p : NC::presets()) choices.push_back(p.choice);
    choices.push_back({notebook_column("Pe abs (kPa)"), notebook_column("Qe (W)"),
                       notebook_column("te (\u00BAC)")});
    for (const NC::AxisChoice& choice : choices) {
        SCOPED_TRACE(choice.across);
        auto* x = chart->findChild<QComboBox*>("ejeHorizontal");
        auto* y = chart->findChild<QComboBox*>("ejeVertical");
        auto* y2 = chart->findChild<QComboBox*>("ejeVertical2");
        x->setCurrentIndex(choice.across);
        y->setCurrentIndex(choice.up);
        y2->setCurrentIndex(choice.second_up + 1);
        const NC::ChartModel expected =
            NC::chart_model(points, choice, qt::number_style(QLocale()));
        QChart* qt_chart = chart->view()->chart();

        std::map<QString, QList<QPointF>> drawn;
        for (QAbstractSeries* s : qt_chart->series()) {
            auto* line = qobject_cast<QLineSeries*>(s);
            if (line->isVisible())
                drawn[line->name()] = line->points();
        }
        std::map<QString, QList<QPointF>> modelled;
        for (const NC::Curve& c : expected.curves) {
            QList<QPointF>& list = modelled[QString::fromStdString(c.name)];
            for (const NC::XY& p : c.points) list << QPointF(p.x, p.y);
        }
        EXPECT_EQ(drawn, modelled);

        // Laid out at the page's size, so that every tick has its label.
        qt_chart->setGeometry(QRectF(0, 0, 900, 900 * NC::kChartProportion));
        qt_chart->layout()->activate();
        std::set<QString> labels;  // every text the chart's scene holds
        for (QGraphicsItem* item : qt_chart->scene()->items())
            if (auto* t = dynamic_cast<QGraphicsTextItem*>(item))
                labels.insert(t->toPlainText());
        for (auto [axis, alignment] : {std::pair{&expected.across, Qt::AlignBottom},
                                       {&expected.up, Qt::AlignLeft},
                                       {&expected.second_up, Qt::AlignRight}}) {
            auto* qt_axis = qobject_cast<QValueAxis*>(
                qt_chart->axes(alignment == Qt::AlignBottom ? Qt::Horizontal : Qt::Vertical)[0]);
            for (QAbstractAxis* a : qt_chart->axes())
                if (a->alignment() == alignment)
                    qt_axis = qobject_cast<QValueAxis*>(a);
            EXPECT_EQ(qt_axis->isVisible(), axis->shown);
            if (!axis->shown)
                continue;
            EXPECT_EQ(qt_axis->min(), axis->min);
            EXPECT_EQ(qt_axis->max(), axis->max);
            EXPECT_EQ(qt_axis->tickCount(), axis->tick_count);
            EXPECT_EQ(qt_axis->titleText().toStdString(), axis->title);
            ASSERT_EQ(axis->labels.size(), static_cast<std::size_t>(axis->tick_count));
            for (const std::string& label : axis->labels)
                EXPECT_TRUE(labels.contains(QString::fromStdString(label))) << label;
        }
        EXPECT_EQ(qt_chart->legend()->alignment(),
                  expected.legend == NC::LegendPlace::right ? Qt::AlignRight : Qt::AlignTop);
    }
}

// Lines join only points that differ in one setting, and are named by the
// settings that tell them apart; a point without a value is left out, and
// with nothing to draw the chart says why.
TEST(NotebookChartModel, LinesJoinPointsOfOneVaryingSettingNamedByTheOthers) {
    const NumberStyle& style = spanish_number_style();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const int mc = notebook_column("mc (g/s)"), qc = notebook_column("Qc (W)");
    // mc varies along the lines; me and ta tell them apart; the last point's
    // pa did not read as a number, so it makes a line of its own, last.
    const std::vector<MarkedPoint> points = {
        point_with({20, 10, 1013, 15, 25}, {{"Qc (W)", 200}}),
        point_with({4, 20, 1013, 15, 22}, {{"Qc (W)", 150}}),
        point_with({40, 10, 1013, 15, 25}, {{"Qc (W)", 260}}),
        point_with({20, 20, 1013, 15, 22}, {{"Qc (W)", 250}}),
        point_with({30, 20, 1013, 15, 22}, {{"Qc (W)", nan}}),
        point_with({30, 20, nan, 15, 22}, {{"Qc (W)", 240}}),
    };
    const NC::ChartModel chart = NC::chart_model(points, {mc, qc, -1}, style);
    ASSERT_EQ(reading_names(chart),
              (std::vector<std::string>{"me = 10 g/s, pa = 1013 mbar, ta = 25 \u00BAC",
                                        "me = 20 g/s, pa = 1013 mbar, ta = 22 \u00BAC",
                                        "me = 20 g/s, pa = nan mbar, ta = 22 \u00BAC"}));
    EXPECT_EQ(chart.curves[0].points, (std::vector<NC::XY>{{20, 200}, {40, 260}}));
    EXPECT_EQ(chart.curves[1].points, (std::vector<NC::XY>{{4, 150}, {20, 250}}));  // no NaN
    EXPECT_EQ(chart.curves[2].points, (std::vector<NC::XY>{{30, 240}}));
    EXPECT_TRUE(chart.message.empty());
    EXPECT_EQ(chart.legend, NC::LegendPlace::right);

    // Across a quantity, the setting with the most values varies along the
    // lines: mc here, three values to me's two.
    std::vector<MarkedPoint> by_pressure;
    for (auto [m, e, p] : {std::tuple{20.0, 20.0, 52.0}, {4.0, 20.0, 51.0}, {40.0, 10.0, 46.5}})
        by_pressure.push_back(
            point_with({m, e, 1013, 15, 22}, {{"Pe abs (kPa)", p}, {"te (\u00BAC)", p / 10}}));
    const NC::ChartModel te = NC::chart_model(by_pressure, NC::presets()[1].choice, style);
    EXPECT_EQ(reading_names(te), (std::vector<std::string>{"me = 10 g/s", "me = 20 g/s"}));
    ASSERT_EQ(te.curves.size(), 4u);  // under them, both saturation curves
    EXPECT_EQ(te.curves[0].kind, NC::CurveKind::bench_saturation);
    EXPECT_EQ(te.curves[1].kind, NC::CurveKind::reference_saturation);
    EXPECT_LT(te.curves[0].points.front().x, 46.5);  // a little beyond the points
    EXPECT_GT(te.curves[0].points.back().x, 52);

    // Nothing to draw: no point, or none with both quantities.
    EXPECT_EQ(NC::chart_model({}, {mc, qc, -1}, style).message, texts::kNoPoints);
    const NC::ChartModel none = NC::chart_model(points, {mc, notebook_column("Qe (W)"), -1}, style);
    EXPECT_TRUE(reading_names(none).empty());
    EXPECT_EQ(none.message, texts::kNoValues);
    EXPECT_EQ(none.up.min, 0);  // an axis of nothing: 0 to 1
    EXPECT_EQ(none.up.max, 1);
}

// Ticks at nice numbers that hold every value with some air, labelled with
// one decimal more than tells them apart, as Qt Charts labels them.
TEST(NotebookChartModel, AxesTakeNiceNumbersAroundTheValues) {
    const NumberStyle& style = spanish_number_style();
    for (auto [lo, hi] : {std::pair{4.0, 40.0},
                          {46.5, 52.0},
                          {0.0, 0.0},
                          {-3.2, -3.1},
                          {1.9, 4.7},
                          {1013.0, 1013.0},
                          {0.0012, 0.0019}}) {
        SCOPED_TRACE(lo);
        const NC::Axis a = NC::value_axis(lo, hi, "t", style);
        EXPECT_LT(a.min, lo);
        EXPECT_GT(a.max, hi);
        ASSERT_GE(a.tick_count, 2);
        ASSERT_EQ(a.ticks.size(), static_cast<std::size_t>(a.tick_count));
        const double step = (a.max - a.min) / (a.tick_count - 1);
        const double mantissa = step / std::pow(10.0, std::floor(std::log10(step)));
        EXPECT_TRUE(std::abs(mantissa - 1) < 1e-9 || std::abs(mantissa - 2) < 1e-9 ||
                    std::abs(mantissa - 5) < 1e-9 || std::abs(mantissa - 10) < 1e-9)
            << step;
        EXPECT_NEAR(std::remainder(a.min, step), 0, step * 1e-9);
        // What Qt Charts' own nice numbers make of the values with the air
        // the chart leaves: 6 % of their span, or of a single value 5 % and
        // at least 1, either side.
        const double air = hi > lo ? (hi - lo) * 0.06 : std::max(1.0, std::abs(lo) * 0.05);
        QValueAxis qt;
        qt.setRange(lo - air, hi + air);
        qt.applyNiceNumbers();
        EXPECT_EQ(qt.min(), a.min);
        EXPECT_EQ(qt.max(), a.max);
        EXPECT_EQ(qt.tickCount(), a.tick_count);
    }
    const NC::Axis mc = NC::value_axis(4, 40, "mc", style);
    EXPECT_EQ(mc.labels, (std::vector<std::string>{"0,0", "10,0", "20,0", "30,0", "40,0", "50,0"}));
    const NC::Axis cop = NC::value_axis(1.9, 4.7, "COP", style);
    EXPECT_EQ(cop.labels.front(), "1,0");
    EXPECT_EQ(NC::value_axis(0.0012, 0.0019, "", english_number_style()).labels.front(), "0.00100");
}

// The page's chart: the same lines, named in the legend and under the
// pointer, within the plot, in the order of the model.
TEST(NotebookChartModel, ThePagesPictureDrawsEachLineWithinThePlot) {
    const NumberStyle& style = spanish_number_style();
    const std::vector<MarkedPoint> points = {
        point_with({20, 20, 1013, 15, 22}, {{"Qc (W)", 250}, {"Qe (W)", 210}}),
        point_with({4, 20, 1013, 15, 22}, {{"Qc (W)", 150}, {"Qe (W)", 120}}),
        point_with({40, 10, 1013, 15, 22}, {{"Qc (W)", 260}, {"Qe (W)", 225}}),
    };
    struct Widths : picture::TextMeasure {
        double width(std::string_view words, int pixels, bool) const override {
            return 0.55 * pixels * static_cast<double>(words.size());
        }
        double height(int pixels, bool) const override { return 1.15 * pixels; }
    } measure;
    const NC::ChartModel chart = NC::chart_model(points, NC::presets()[0].choice, style);
    ASSERT_EQ(chart.legend, NC::LegendPlace::right);
    for (double width : {900.0, 320.0}) {
        SCOPED_TRACE(width);
        const picture::Picture p =
            NC::chart_picture(chart, {0, 0, width, width * NC::kChartProportion}, 1, measure);
        std::vector<std::string> lines;
        for (const picture::Shape& s : p.shapes) {
            if (const auto* path = std::get_if<picture::Path>(&s.geometry)) {
                lines.push_back(s.tip);
                EXPECT_TRUE(s.clipped);
                for (picture::Point q : path->pieces.front())
                    EXPECT_TRUE(p.clip.contains(q)) << q.x << ", " << q.y;
            }
        }
        // The lines of me = 10 g/s have a single point each.
        EXPECT_EQ(lines, (std::vector<std::string>{"Qc (W), me = 20 g/s", "Qe (W), me = 20 g/s"}));
        EXPECT_GT(p.clip.width, width * 0.5);  // on a narrow screen the legend goes above
    }
}

// Which cycle stands out, what the title says of it, and which are faint.
TEST(NotebookDiagram, TheSelectedRowsCycleStandsOutElseTheMachinesOwn) {
    namespace D = ph_diagram;
    BenchState drawable;
    drawable.evap_pressure = 50;
    drawable.cond_pressure = 180;
    drawable.h1 = 392;
    drawable.h2 = 440;
    drawable.h3 = drawable.h4 = 235;
    BenchState broken = drawable;
    broken.h2 = std::numeric_limits<double>::quiet_NaN();
    const std::vector<std::optional<D::DiagramCycle>> cycles = {D::diagram_cycle(drawable, false),
                                                                D::diagram_cycle(broken, false),
                                                                D::diagram_cycle(drawable, true)};
    ASSERT_TRUE(cycles[0] && !cycles[1] && cycles[2]);
    const std::vector<int> numbers = {4, 5, 7};
    const auto live = D::diagram_cycle(drawable, false);

    const auto none = D::notebook_diagram(numbers, cycles, nullptr, std::nullopt, std::nullopt);
    EXPECT_EQ(none.content.subject, texts::kChooseCycle);
    EXPECT_EQ(none.faint_rows, (std::vector<int>{0, 2}));
    const auto running = D::notebook_diagram(numbers, cycles, &*live, 9, 2);  // no row 9
    EXPECT_EQ(running.content.highlighted, &*live);
    EXPECT_EQ(running.content.subject, texts::kLiveCycle);
    EXPECT_EQ(running.content.hovered, 1u);
    EXPECT_EQ(running.content.hovered_name, "Punto 7");
    const auto chosen = D::notebook_diagram(numbers, cycles, &*live, 2, std::nullopt);
    EXPECT_EQ(chosen.content.highlighted, &*cycles[2]);
    EXPECT_EQ(chosen.content.subject, "punto 7");
    EXPECT_EQ(chosen.faint_rows, std::vector<int>{0});
    // A row whose cycle cannot be drawn is named, and nothing stands out.
    const auto undrawn = D::notebook_diagram(numbers, cycles, &*live, 1, std::nullopt);
    EXPECT_EQ(undrawn.content.highlighted, nullptr);
    EXPECT_EQ(undrawn.content.subject, "punto 5");
    EXPECT_EQ(D::notebook_diagram({}, {}, nullptr, std::nullopt, std::nullopt).content.subject,
              texts::kNoCycle);
}

// Every letter as wide as half its size, a line as tall as its size.
struct HalfWidths : picture::TextMeasure {
    double width(std::string_view words, int pixels, bool) const override {
        return 0.5 * pixels * static_cast<double>(words.size());
    }
    double height(int pixels, bool) const override { return pixels; }
};

BenchState drawable_state() {
    BenchState s;
    s.evap_pressure = 50;
    s.cond_pressure = 180;
    s.h1 = 392;
    s.h2 = 440;
    s.h3 = s.h4 = 235;
    return s;
}

// Enthalpy linearly across and pressure logarithmically up, onto the plot;
// the pointer finds a faint cycle only near its outline and within the plot;
// B is ringed in red, and the caption says why, only where it is flagged.
TEST(NotebookDiagram, ShapesMapTheChartOntoThePlotAndRingAFlaggedDischarge) {
    namespace D = ph_diagram;
    const HalfWidths measure;
    const auto& chart = ph_chart::chart_geometry(ph_chart::ChartRange::whole_dome);
    const D::PlotMapping map(chart, {100, 50, 600, 400});
    const double h_mid = (chart.enthalpy.min + chart.enthalpy.max) / 2;
    const double p_mid = std::sqrt(chart.pressure.min * chart.pressure.max);
    const picture::Point low = map({chart.enthalpy.min, chart.pressure.min});
    const picture::Point mid = map({h_mid, p_mid});
    const picture::Point high = map({chart.enthalpy.max, chart.pressure.max});
    EXPECT_DOUBLE_EQ(low.x, 100);
    EXPECT_DOUBLE_EQ(low.y, 450);
    EXPECT_NEAR(mid.x, 400, 1e-9);
    EXPECT_NEAR(mid.y, 250, 1e-9);
    EXPECT_NEAR(high.x, 700, 1e-9);
    EXPECT_NEAR(high.y, 50, 1e-9);

    const auto plain = D::diagram_cycle(drawable_state(), false);
    const auto flagged = D::diagram_cycle(drawable_state(), true);
    ASSERT_TRUE(plain && flagged);
    D::DiagramContent content;
    content.style = spanish_number_style();
    content.faint = {&*plain};
    const D::DiagramFrame frame = D::diagram_frame({0, 0, 900, 680}, 1, measure);
    ASSERT_TRUE(frame.drawable());
    const picture::Point a = D::PlotMapping(chart, frame.plot)(plain->geometry.points[0]);  // A
    EXPECT_EQ(D::faint_cycle_at(frame, content, a), 0u);
    EXPECT_EQ(D::faint_cycle_at(frame, content, {a.x, a.y - 3 * D::kHoverPixels}), std::nullopt);
    EXPECT_EQ(D::faint_cycle_at(frame, content, {frame.plot.left() - 1, a.y}), std::nullopt);

    const auto red_rings = [&](const D::DiagramCycle& highlighted) {
        D::DiagramContent c = content;
        c.faint.clear();
        c.highlighted = &highlighted;
        int rings = 0;
        std::string caption;
        for (const picture::Shape& s : D::diagram_picture({0, 0, 900, 680}, c, measure).shapes) {
            if (std::holds_alternative<picture::Circle>(s.geometry) && s.pen &&
                s.pen->colour.rgb == 0xDC0000 && !s.fill)
                ++rings;
            if (const auto* t = std::get_if<picture::Text>(&s.geometry); t && t->wrapped)
                caption = t->words;
        }
        return std::pair(rings, caption.find(texts::kRedCircleNote) != std::string::npos);
    };
    EXPECT_EQ(red_rings(*plain), std::pair(0, false));
    EXPECT_EQ(red_rings(*flagged), std::pair(1, true));

    // Too small for a plot beside its zoomed texts: only the title and the
    // caption, nothing drawn into a plot of no size.
    content.zoom = 2;
    const auto tiny = D::diagram_picture({0, 0, 200, 150}, content, measure);
    for (const picture::Shape& s : tiny.shapes)
        EXPECT_TRUE(std::holds_alternative<picture::Text>(s.geometry));
    EXPECT_EQ(D::faint_cycle_at(D::diagram_frame({0, 0, 200, 150}, 2, measure), content, a),
              std::nullopt);
}

TEST(NotebookPicture, WordsWrapAtSpacesAndALongWordStandsAlone) {
    struct Letters : picture::TextMeasure {
        double width(std::string_view words, int, bool) const override {
            return static_cast<double>(words.size());
        }
        double height(int, bool) const override { return 1; }
    } measure;
    EXPECT_EQ(picture::wrap_words("uno dos tres cuatro", 7, 10, false, measure),
              (std::vector<std::string>{"uno dos", "tres", "cuatro"}));
    EXPECT_EQ(picture::wrap_words("  a  supercalifragilistico b ", 5, 10, false, measure),
              (std::vector<std::string>{"a", "supercalifragilistico", "b"}));
    EXPECT_DOUBLE_EQ(measure.wrapped_height("uno dos tres cuatro", 7, 10), 3);
    EXPECT_TRUE(picture::wrap_words("", 5, 10, false, measure).empty());
}

}  // namespace
}  // namespace gelvor::ui::testing
