#include "ui/notebook/notebook_chart.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLabel>
#include <QPushButton>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>
#include <cmath>
#include <limits>

#include "model/r11.h"
#include "present/notebook_columns.h"
#include "ui/look.h"
#include "ui/notebook/notebook_model.h"
#include "ui/text_qt.h"

namespace gelvor::ui::notebook {
namespace {

constexpr int kSaturationSteps = 60;

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
    void applyTo(QValueAxis* axis) const {
        if (empty()) {
            axis->setRange(0, 1);
            return;
        }
        const double pad = hi > lo ? (hi - lo) * 0.06 : std::max(1.0, std::abs(lo) * 0.05);
        axis->setRange(lo - pad, hi + pad);
        axis->applyNiceNumbers();
    }
};

QList<QPointF> sorted_points(const NotebookModel& model, int x, int y, Range& xr, Range& yr) {
    QList<QPointF> points;
    points.reserve(model.count());
    for (int r = 0; r < model.count(); ++r) {
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

}  // namespace

NotebookChart::NotebookChart(const NotebookModel& model, QWidget* parent)
    : QWidget(parent), model_(model) {
    auto* layout = new QVBoxLayout(this);
    auto* presets = new QHBoxLayout;
    presets->addWidget(new QLabel(QStringLiteral("Ejercicios:"), this));
    const struct {
        const char* name;
        const char* text;
        Preset preset;
    } kPresets[] = {
        {"presetQcQe", "Qc y Qe frente a mc", Preset::heatFlowsAgainstCondenserFlow},
        {"presetTePe", "te frente a Pe", Preset::teAgainstPe},
        {"presetCopTc", "COP frente a tc", Preset::copAgainstTc},
    };
    for (const auto& p : kPresets) {
        auto* button = new QPushButton(QString::fromUtf8(p.text), this);
        button->setObjectName(QLatin1String(p.name));
        button->setAccessibleName(button->text());
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance(button->text()) + 24);
        connect(button, &QPushButton::clicked, this,
                [this, preset = p.preset] { applyPreset(preset); });
        presets->addWidget(button);
    }
    presets->addStretch();
    layout->addLayout(presets);

    auto* axes = new QHBoxLayout;
    x_ = new QComboBox(this);
    y_ = new QComboBox(this);
    y2_ = new QComboBox(this);
    x_->setObjectName(QStringLiteral("ejeHorizontal"));
    y_->setObjectName(QStringLiteral("ejeVertical"));
    y2_->setObjectName(QStringLiteral("ejeVertical2"));
    x_->setAccessibleName(QStringLiteral("Magnitud horizontal"));
    y_->setAccessibleName(QStringLiteral("Magnitud vertical"));
    y2_->setAccessibleName(QStringLiteral("Segunda magnitud vertical"));
    y2_->addItem(QStringLiteral("(ninguna)"));
    for (const std::string& header : notebook_headers()) {
        const QString h = qt::to_qstring(header);
        x_->addItem(h);
        y_->addItem(h);
        y2_->addItem(h);
    }
    for (auto [label, combo] :
         {std::pair{"Horizontal:", x_}, std::pair{"Vertical:", y_}, std::pair{"y:", y2_}}) {
        auto* l = new QLabel(QString::fromUtf8(label), this);
        l->setBuddy(combo);
        axes->addWidget(l);
        axes->addWidget(combo, 1);
        connect(combo, &QComboBox::currentIndexChanged, this, &NotebookChart::refresh);
    }
    layout->addLayout(axes);

    chart_ = new QChart;
    chart_->setMargins(QMargins(4, 4, 4, 4));
    chart_->setLocalizeNumbers(true);  // the user's decimal separator on the axes
    saturation_ = new QLineSeries(chart_);
    saturation_->setName(QStringLiteral("Saturación (correlación del programa)"));
    saturation_->setPen(QPen(QColor(150, 150, 150), 1.5, Qt::DashLine));
    series_ = new QLineSeries(chart_);
    series2_ = new QLineSeries(chart_);
    series_->setPointsVisible(true);
    series2_->setPointsVisible(true);
    series_->setPen(QPen(QColor(0, 0, 255), 2));
    series2_->setPen(QPen(QColor(255, 0, 0), 2));
    for (QLineSeries* s : {saturation_, series_, series2_}) chart_->addSeries(s);
    axis_x_ = new QValueAxis(chart_);
    axis_y_ = new QValueAxis(chart_);
    axis_y2_ = new QValueAxis(chart_);
    chart_->addAxis(axis_x_, Qt::AlignBottom);
    chart_->addAxis(axis_y_, Qt::AlignLeft);
    chart_->addAxis(axis_y2_, Qt::AlignRight);
    for (QLineSeries* s : {saturation_, series_, series2_}) s->attachAxis(axis_x_);

    view_ = new QChartView(chart_, this);
    view_->setObjectName(QStringLiteral("graficaRegistro"));
    view_->setAccessibleName(QStringLiteral("Gráfica de las lecturas anotadas"));
    view_->setRenderHint(QPainter::Antialiasing);
    layout->addWidget(view_, 1);

    applyPreset(Preset::heatFlowsAgainstCondenserFlow);
}

void NotebookChart::setZoom(double factor) {
    const QFont labels = look::sans(static_cast<int>(std::lround(look::kDefaultPixels * factor)));
    QFont titles = labels;
    titles.setBold(true);
    for (QAbstractAxis* axis : chart_->axes()) {
        axis->setLabelsFont(labels);
        axis->setTitleFont(titles);
    }
    chart_->legend()->setFont(labels);
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
    Range xr, yr, y2r;
    series_->replace(sorted_points(model_, x, y, xr, yr));
    series_->setName(headers[y]);
    const bool second = y2 >= 0;
    // A second quantity of the same unit shares the left axis.
    const bool shared = second && unit_of(headers[y2]) == unit_of(headers[y]);
    series2_->setVisible(second);
    if (second) {
        series2_->replace(sorted_points(model_, x, y2, xr, shared ? yr : y2r));
        series2_->setName(headers[y2]);
    } else {
        series2_->clear();
    }
    for (QAbstractAxis* a : series2_->attachedAxes())
        if (a != axis_x_)
            series2_->detachAxis(a);
    series2_->attachAxis(shared || !second ? axis_y_ : axis_y2_);
    for (QAbstractAxis* a : series_->attachedAxes())
        if (a != axis_x_)
            series_->detachAxis(a);
    series_->attachAxis(axis_y_);

    // The saturation curve under a saturation temperature against an absolute pressure.
    const bool pressure_across = x == column(u"Pe abs (kPa)") || x == column(u"Pc abs (kPa)");
    const auto is_saturation = [](int c) {
        return c == column(u"te (\u00BAC)") || c == column(u"tc (\u00BAC)");
    };
    const bool curve =
        pressure_across && !xr.empty() && (is_saturation(y) || (second && is_saturation(y2)));
    QList<QPointF> sat;
    if (curve) {
        const double lo = xr.lo - (xr.hi - xr.lo) * 0.06 - 1,
                     hi = xr.hi + (xr.hi - xr.lo) * 0.06 + 1;
        Range& r = is_saturation(y) ? yr : (shared ? yr : y2r);
        for (int i = 0; i <= kSaturationSteps; ++i) {
            const double p = lo + (hi - lo) * i / kSaturationSteps;
            if (p <= 0)
                continue;
            sat << QPointF(p, saturation_temperature(p));
        }
        for (const QPointF& pt : sat) r.add(pt.y());
    }
    saturation_->replace(sat);
    saturation_->setVisible(curve);
    for (QAbstractAxis* a : saturation_->attachedAxes())
        if (a != axis_x_)
            saturation_->detachAxis(a);
    saturation_->attachAxis(is_saturation(y) || shared || !second ? axis_y_ : axis_y2_);

    xr.applyTo(axis_x_);
    yr.applyTo(axis_y_);
    axis_x_->setTitleText(headers[x]);
    axis_y_->setTitleText(shared ? headers[y] + QStringLiteral(", ") + headers[y2] : headers[y]);
    axis_y2_->setVisible(second && !shared);
    if (second && !shared) {
        y2r.applyTo(axis_y2_);
        axis_y2_->setTitleText(headers[y2]);
    }
}

}  // namespace gelvor::ui::notebook
