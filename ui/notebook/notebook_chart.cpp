#include "ui/notebook/notebook_chart.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTextOption>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLegend>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>
#include <cmath>
#include <limits>

#include "model/r11.h"
#include "model/r11_reference.h"
#include "present/notebook_columns.h"
#include "texts/chart_texts.h"
#include "ui/look.h"
#include "ui/notebook/chart_series.h"
#include "ui/notebook/notebook_model.h"
#include "ui/text_qt.h"

namespace gelvor::ui::notebook {
namespace {

constexpr int kSaturationSteps = 60;
constexpr std::size_t kLegendRow = 2;  // legend entries that fit in a row above the plot

int column(const char16_t* header) {
    return notebook_column(qt::to_utf8(QString::fromUtf16(header)));
}

QString unit_of(const QString& header) {
    const auto open = header.lastIndexOf(u'(');
    return open < 0 ? QString() : header.mid(open);
}

struct Range {
    double lo = std::numeric_limits<double>::infinity();
    double hi = -std::numeric_limits<double>::infinity();
    void add(double v) {
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    bool empty() const { return lo > hi; }
    // A little air around the points; a single value gets a unit either side.
    // Worked out on an axis of no chart and set only when it differs: each
    // change of a chart's axis lays every one of its lines out anew.
    void applyTo(QValueAxis* axis) const {
        QValueAxis nice;
        if (empty()) {
            nice.setRange(0, 1);
        } else {
            const double pad = hi > lo ? (hi - lo) * 0.06 : std::max(1.0, std::abs(lo) * 0.05);
            nice.setRange(lo - pad, hi + pad);
            nice.applyNiceNumbers();
        }
        if (axis->min() != nice.min() || axis->max() != nice.max())
            axis->setRange(nice.min(), nice.max());
        if (axis->tickCount() != nice.tickCount())
            axis->setTickCount(nice.tickCount());
    }
};

// The lines' colours: one per series, so that the two quantities of one
// series share it; a single series keeps blue for the first quantity and
// red for the second.
const QColor kLineColours[] = {{0, 0, 255},   {220, 0, 0},   {0, 150, 0},   {230, 120, 0},
                               {130, 0, 170}, {0, 140, 140}, {140, 80, 20}, {200, 0, 140},
                               {90, 90, 90},  {120, 120, 0}};

// The points of one series with both quantities, in the order of the one across.
QList<QPointF> series_points(const NotebookModel& model, const ChartSeries& series, int x, int y,
                             Range& xr, Range& yr) {
    QList<QPointF> points;
    for (int r : series.points) {
        const auto& v = model.point(r).values;
        const double px = v[static_cast<std::size_t>(x)], py = v[static_cast<std::size_t>(y)];
        if (std::isfinite(px) && std::isfinite(py)) {
            points << QPointF(px, py);
            xr.add(px);
            yr.add(py);
        }
    }
    std::stable_sort(points.begin(), points.end(),
                     [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
    return points;
}

void attach_up(QLineSeries* series, QValueAxis* across, QValueAxis* up) {
    for (QAbstractAxis* a : series->attachedAxes())
        if (a != across && a != up)
            series->detachAxis(a);
    if (!series->attachedAxes().contains(up))
        series->attachAxis(up);
}

}  // namespace

NotebookChart::NotebookChart(const NotebookModel& model, QWidget* parent)
    : QWidget(parent), model_(model) {
    auto* layout = new QVBoxLayout(this);
    auto* presets = new QHBoxLayout;
    presets->addWidget(new QLabel(qt::to_qstring(texts::kExercisesLabel), this));
    const struct {
        const char* name;
        const char* text;
        Preset preset;
    } kPresets[] = {
        {"presetQcQe", texts::kHeatFlowsPreset, Preset::heatFlowsAgainstCondenserFlow},
        {"presetTePe", texts::kTePePreset, Preset::teAgainstPe},
        {"presetCopTc", texts::kCopTcPreset, Preset::copAgainstTc},
    };
    for (const auto& p : kPresets) {
        auto* button = new QPushButton(qt::to_qstring(p.text), this);
        button->setObjectName(QLatin1String(p.name));
        button->setAccessibleName(button->text());
        connect(button, &QPushButton::clicked, this,
                [this, preset = p.preset] { applyPreset(preset); });
        presets->addWidget(button);
    }
    fitPresetButtons(1);
    presets->addStretch();
    layout->addLayout(presets);

    auto* axes = new QHBoxLayout;
    x_ = new QComboBox(this);
    y_ = new QComboBox(this);
    y2_ = new QComboBox(this);
    x_->setObjectName(QStringLiteral("ejeHorizontal"));
    y_->setObjectName(QStringLiteral("ejeVertical"));
    y2_->setObjectName(QStringLiteral("ejeVertical2"));
    x_->setAccessibleName(qt::to_qstring(texts::kAcrossName));
    y_->setAccessibleName(qt::to_qstring(texts::kUpName));
    y2_->setAccessibleName(qt::to_qstring(texts::kSecondUpName));
    y2_->addItem(qt::to_qstring(texts::kNoSecondUp));
    for (const std::string& header : notebook_headers()) {
        const QString h = qt::to_qstring(header);
        x_->addItem(h);
        y_->addItem(h);
        y2_->addItem(h);
    }
    for (auto [label, combo] : {std::pair{texts::kAcrossLabel, x_}, std::pair{texts::kUpLabel, y_},
                                std::pair{texts::kSecondUpLabel, y2_}}) {
        auto* l = new QLabel(qt::to_qstring(label), this);
        l->setBuddy(combo);
        axes->addWidget(l);
        axes->addWidget(combo, 1);
        connect(combo, &QComboBox::currentIndexChanged, this, &NotebookChart::refresh);
    }
    layout->addLayout(axes);

    chart_ = new QChart;
    chart_->setMargins(QMargins(4, 4, 4, 4));
    chart_->setLocalizeNumbers(true);  // the user's decimal separator on the axes
    // Each legend entry drawn as its line, so that a dashed one shows dashed.
    chart_->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    saturation_ = new QLineSeries(chart_);
    saturation_->setName(qt::to_qstring(texts::kBenchSaturation));
    saturation_->setPen(QPen(QColor(150, 150, 150), 1.5, Qt::DashLine));
    reference_saturation_ = new QLineSeries(chart_);
    reference_saturation_->setName(qt::to_qstring(texts::kReferenceSaturation));
    reference_saturation_->setPen(QPen(QColor(60, 60, 60), 1.2, Qt::SolidLine));
    axis_x_ = new QValueAxis(chart_);
    axis_y_ = new QValueAxis(chart_);
    axis_y2_ = new QValueAxis(chart_);
    chart_->addAxis(axis_x_, Qt::AlignBottom);
    chart_->addAxis(axis_y_, Qt::AlignLeft);
    chart_->addAxis(axis_y2_, Qt::AlignRight);
    for (QLineSeries* s : {saturation_, reference_saturation_}) {
        chart_->addSeries(s);
        s->attachAxis(axis_x_);
    }
    // Said in the middle of the plot while there is nothing to draw; part of
    // the chart, so that a print or an export says it too.
    empty_ = new QGraphicsTextItem(chart_);
    empty_->setDefaultTextColor(QColor(90, 90, 90));
    QTextOption centred(Qt::AlignHCenter);
    centred.setWrapMode(QTextOption::WordWrap);
    empty_->document()->setDefaultTextOption(centred);
    empty_->setZValue(10);
    connect(chart_, &QChart::plotAreaChanged, this,
            [this] { showEmptyMessage(empty_->isVisible()); });

    view_ = new QChartView(chart_, this);
    view_->setObjectName(QStringLiteral("graficaRegistro"));
    view_->setAccessibleName(qt::to_qstring(texts::kChartName));
    view_->setRenderHint(QPainter::Antialiasing);
    // A point's antialiased edge reaches past what a partial update repaints.
    view_->setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    layout->addWidget(view_, 1);

    applyPreset(Preset::heatFlowsAgainstCondenserFlow);
}

// Room for a preset's text at the window's font, which the zoom changes.
void NotebookChart::fitPresetButtons(double zoom) {
    for (QPushButton* button :
         findChildren<QPushButton*>(QRegularExpression(QStringLiteral("^preset"))))
        button->setMinimumWidth(
            static_cast<int>(button->fontMetrics().horizontalAdvance(button->text()) + 24 * zoom));
}

void NotebookChart::setZoom(double factor) {
    fitPresetButtons(factor);
    const QFont labels = look::sans(static_cast<int>(std::lround(look::kDefaultPixels * factor)));
    QFont titles = labels;
    titles.setBold(true);
    for (QAbstractAxis* axis : chart_->axes()) {
        axis->setLabelsFont(labels);
        axis->setTitleFont(titles);
    }
    chart_->legend()->setFont(labels);
    zoom_ = factor;
    showEmptyMessage(empty_->isVisible());
}

void NotebookChart::showEmptyMessage(bool empty) {
    empty_->setVisible(empty);
    if (!empty)
        return;
    empty_->setFont(look::sans(static_cast<int>(std::lround(13 * zoom_))));
    const QRectF plot = chart_->plotArea();
    empty_->setTextWidth(plot.width() * 0.8);
    const QRectF text = empty_->boundingRect();
    empty_->setPos(plot.center() - text.center());
}

void NotebookChart::keepLines(std::size_t count) {
    while (lines_.size() > count) {
        chart_->removeSeries(lines_.back());
        delete lines_.back();
        lines_.pop_back();
    }
    while (lines_.size() < count) {
        auto* line = new QLineSeries(chart_);
        line->setPointsVisible(true);
        chart_->addSeries(line);
        line->attachAxis(axis_x_);
        lines_.push_back(line);
    }
}

void NotebookChart::applyPreset(Preset preset) {
    const QSignalBlocker bx(x_), by(y_), by2(y2_);
    switch (preset) {
        case Preset::heatFlowsAgainstCondenserFlow:
            x_->setCurrentIndex(column(u"mc (g/s)"));
            y_->setCurrentIndex(column(u"Qc (W)"));
            y2_->setCurrentIndex(column(u"Qe (W)") + 1);
            break;
        case Preset::teAgainstPe:
            x_->setCurrentIndex(column(u"Pe abs (kPa)"));
            y_->setCurrentIndex(column(u"te (\u00BAC)"));
            y2_->setCurrentIndex(0);
            break;
        case Preset::copAgainstTc:
            x_->setCurrentIndex(column(u"tc (\u00BAC)"));
            y_->setCurrentIndex(column(u"COP maq frigorifica"));
            y2_->setCurrentIndex(column(u"COP bomba de calor") + 1);
            break;
    }
    refresh();
}

int NotebookChart::xColumn() const {
    return x_->currentIndex();
}
int NotebookChart::yColumn() const {
    return y_->currentIndex();
}
int NotebookChart::y2Column() const {
    return y2_->currentIndex() - 1;
}

void NotebookChart::render(QPainter& painter, const QRectF& area) {
    // Laid out afresh at a screen size of the page's proportions, since a
    // hidden tab's chart may not have followed its last points.
    const QSizeF logical(900, 900 * 0.62);
    const QRectF shown = chart_->geometry();
    chart_->setGeometry(QRectF(QPointF(0, 0), logical));
    chart_->layout()->activate();
    const QRectF target(area.topLeft(),
                        QSizeF(area.width(), std::min(area.height(), area.width() * 0.62)));
    chart_->scene()->render(&painter, target, QRectF(QPointF(0, 0), logical));
    chart_->setGeometry(shown);
    chart_->layout()->activate();
}

void NotebookChart::refresh() {
    QStringList headers;
    for (const std::string& h : notebook_headers()) headers << qt::to_qstring(h);
    const int x = xColumn(), y = yColumn(), y2 = y2Column();
    if (x < 0 || y < 0)
        return;
    const bool second = y2 >= 0;
    // A second quantity of the same unit shares the left axis.
    const bool shared = second && unit_of(headers[y2]) == unit_of(headers[y]);

    const auto settings_of = setting_columns();
    std::vector<PointSettings> settings(static_cast<std::size_t>(model_.count()));
    for (int r = 0; r < model_.count(); ++r)
        for (std::size_t k = 0; k < settings_of.size(); ++k)
            settings[static_cast<std::size_t>(r)][k] =
                model_.point(r).values[static_cast<std::size_t>(settings_of[k])];
    const auto across = std::find(settings_of.begin(), settings_of.end(), x);
    const std::vector<ChartSeries> groups =
        split_into_series(settings, static_cast<int>(across - settings_of.begin()), QLocale());

    struct Line {
        QList<QPointF> points;
        QString name;
        QColor colour;
        bool dashed;
        bool right;
    };
    std::vector<Line> lines;
    Range xr, yr, y2r;
    const int quantities = second ? 2 : 1;
    for (int q = 0; q < quantities; ++q) {
        const int column = q == 0 ? y : y2;
        const bool right = q == 1 && !shared;
        for (std::size_t g = 0; g < groups.size(); ++g) {
            QList<QPointF> points =
                series_points(model_, groups[g], x, column, xr, right ? y2r : yr);
            if (points.isEmpty())
                continue;
            QString name = groups[g].conditions;
            if (name.isEmpty())
                name = headers[column];
            else if (second)
                name = headers[column] + QStringLiteral(", ") + name;
            const std::size_t colour = groups.size() == 1 ? static_cast<std::size_t>(q) : g;
            lines.push_back({std::move(points), name,
                             kLineColours[colour % std::size(kLineColours)],
                             q == 1 && groups.size() > 1, right});
        }
    }
    keepLines(lines.size());
    // Each change makes the chart lay its series or its legend out anew: a
    // recorded point changes one line of many, so only what differs is set.
    for (std::size_t i = 0; i < lines.size(); ++i) {
        QLineSeries* s = lines_[i];
        if (s->points() != lines[i].points)
            s->replace(lines[i].points);
        if (s->name() != lines[i].name)
            s->setName(lines[i].name);
        const QPen pen(lines[i].colour, 2, lines[i].dashed ? Qt::DashLine : Qt::SolidLine);
        if (s->pen() != pen)
            s->setPen(pen);
        if (s->brush().color() != lines[i].colour)
            s->setBrush(lines[i].colour);  // the points
        attach_up(s, axis_x_, lines[i].right ? axis_y2_ : axis_y_);
    }

    // The saturation curves under a saturation temperature against an absolute pressure.
    const bool pressure_across = x == column(u"Pe abs (kPa)") || x == column(u"Pc abs (kPa)");
    const auto is_saturation = [](int c) {
        return c == column(u"te (\u00BAC)") || c == column(u"tc (\u00BAC)");
    };
    const bool curve =
        pressure_across && !xr.empty() && (is_saturation(y) || (second && is_saturation(y2)));
    const bool curve_right = !is_saturation(y) && second && !shared;
    QList<QPointF> fit, reference;
    if (curve) {
        const double lo = xr.lo - (xr.hi - xr.lo) * 0.06 - 1,
                     hi = xr.hi + (xr.hi - xr.lo) * 0.06 + 1;
        Range& r = curve_right ? y2r : yr;
        for (int i = 0; i <= kSaturationSteps; ++i) {
            const double p = lo + (hi - lo) * i / kSaturationSteps;
            if (p <= 0)
                continue;
            fit << QPointF(p, saturation_temperature(p));
            r.add(fit.back().y());
            if (const auto s = r11ref::saturation_at_pressure(p)) {
                reference << QPointF(p, s->t);
                r.add(s->t);
            }
        }
    }
    for (auto [series, points] :
         {std::pair{saturation_, &fit}, {reference_saturation_, &reference}}) {
        series->replace(*points);
        series->setVisible(curve);
        attach_up(series, axis_x_, curve_right ? axis_y2_ : axis_y_);
    }

    xr.applyTo(axis_x_);
    yr.applyTo(axis_y_);
    axis_x_->setTitleText(headers[x]);
    axis_y_->setTitleText(shared ? headers[y] + QStringLiteral(", ") + headers[y2] : headers[y]);
    axis_y2_->setVisible(second && !shared);
    if (second && !shared) {
        y2r.applyTo(axis_y2_);
        axis_y2_->setTitleText(headers[y2]);
    }
    // Beside the plot when the names would not fit in a row above it.
    const std::size_t entries = lines.size() + (curve ? 2 : 0);
    chart_->legend()->setAlignment(entries > kLegendRow ? Qt::AlignRight : Qt::AlignTop);
    empty_->setPlainText(qt::to_qstring(model_.count() == 0 ? texts::kNoPoints : texts::kNoValues));
    showEmptyMessage(lines.empty());
}

}  // namespace gelvor::ui::notebook
