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
#include <span>

#include "notebook/notebook_chart_picture.h"
#include "texts/chart_texts.h"
#include "ui/look.h"
#include "ui/notebook/notebook_model.h"
#include "ui/number_style_qt.h"
#include "ui/text_qt.h"

namespace gelvor::ui::notebook {
namespace {

namespace NC = notebook_chart;

QList<QPointF> points_of(const std::vector<NC::XY>& xy) {
    QList<QPointF> out;
    out.reserve(static_cast<qsizetype>(xy.size()));
    for (const NC::XY& p : xy) out << QPointF(p.x, p.y);
    return out;
}

// Set only where it differs: each change of a chart's axis lays every one
// of its lines out anew.
void apply_axis(const NC::Axis& model, QValueAxis* axis) {
    if (axis->min() != model.min || axis->max() != model.max)
        axis->setRange(model.min, model.max);
    if (axis->tickCount() != model.tick_count)
        axis->setTickCount(model.tick_count);
    const QString title = qt::to_qstring(model.title);
    if (axis->titleText() != title)
        axis->setTitleText(title);
}

// The model's points, as its history keeps them: one after the other.
std::span<const MarkedPoint> recorded(const NotebookModel& model) {
    if (model.count() == 0)
        return {};
    return {&model.point(0), static_cast<std::size_t>(model.count())};
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
    for (const NC::Preset& p : NC::presets()) {
        auto* button = new QPushButton(qt::to_qstring(p.caption), this);
        button->setObjectName(QLatin1String(p.name));
        button->setAccessibleName(button->text());
        connect(button, &QPushButton::clicked, this, [this, &p] { applyPreset(p); });
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
    for (auto [combo, second] : {std::pair{x_, false}, {y_, false}, {y2_, true}})
        for (const std::string& choice : NC::axis_choices(second))
            combo->addItem(qt::to_qstring(choice));
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

    applyPreset(NC::presets().front());
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

void NotebookChart::applyPreset(const NC::Preset& preset) {
    const QSignalBlocker bx(x_), by(y_), by2(y2_);
    x_->setCurrentIndex(preset.choice.across);
    y_->setCurrentIndex(preset.choice.up);
    y2_->setCurrentIndex(preset.choice.second_up + 1);
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
    const QSizeF logical(900, 900 * NC::kChartProportion);
    const QRectF shown = chart_->geometry();
    chart_->setGeometry(QRectF(QPointF(0, 0), logical));
    chart_->layout()->activate();
    const QRectF target(
        area.topLeft(),
        QSizeF(area.width(), std::min(area.height(), area.width() * NC::kChartProportion)));
    chart_->scene()->render(&painter, target, QRectF(QPointF(0, 0), logical));
    chart_->setGeometry(shown);
    chart_->layout()->activate();
}

void NotebookChart::refresh() {
    const int x = xColumn(), y = yColumn();
    if (x < 0 || y < 0)
        return;
    const NC::ChartModel chart =
        NC::chart_model(recorded(model_), {x, y, y2Column()}, qt::number_style(QLocale()));
    std::vector<const NC::Curve*> readings;
    const NC::Curve* fit = nullptr;
    const NC::Curve* reference = nullptr;
    for (const NC::Curve& c : chart.curves) {
        if (c.kind == NC::CurveKind::reading)
            readings.push_back(&c);
        else
            (c.kind == NC::CurveKind::bench_saturation ? fit : reference) = &c;
    }
    keepLines(readings.size());
    // Each change makes the chart lay its series or its legend out anew: a
    // recorded point changes one line of many, so only what differs is set.
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const NC::Curve& c = *readings[i];
        QLineSeries* s = lines_[i];
        const QList<QPointF> points = points_of(c.points);
        if (s->points() != points)
            s->replace(points);
        const QString name = qt::to_qstring(c.name);
        if (s->name() != name)
            s->setName(name);
        const QColor colour = look::rgb(c.rgb);
        const QPen pen(colour, c.width, c.dashed ? Qt::DashLine : Qt::SolidLine);
        if (s->pen() != pen)
            s->setPen(pen);
        if (s->brush().color() != colour)
            s->setBrush(colour);  // the points
        attach_up(s, axis_x_, c.right ? axis_y2_ : axis_y_);
    }
    // The saturation curves keep their names and pens; hidden when not drawn.
    for (auto [series, curve] : {std::pair{saturation_, fit}, {reference_saturation_, reference}}) {
        series->replace(curve ? points_of(curve->points) : QList<QPointF>());
        series->setVisible(curve != nullptr);
        attach_up(series, axis_x_, curve && curve->right ? axis_y2_ : axis_y_);
    }

    apply_axis(chart.across, axis_x_);
    apply_axis(chart.up, axis_y_);
    axis_y2_->setVisible(chart.second_up.shown);
    if (chart.second_up.shown)
        apply_axis(chart.second_up, axis_y2_);
    chart_->legend()->setAlignment(chart.legend == NC::LegendPlace::right ? Qt::AlignRight
                                                                          : Qt::AlignTop);
    if (!chart.message.empty())
        empty_->setPlainText(qt::to_qstring(chart.message));
    showEmptyMessage(!chart.message.empty());
}

}  // namespace gelvor::ui::notebook
