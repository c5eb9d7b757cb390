#include "ui/notebook/ph_diagram.h"

#include <QMouseEvent>
#include <QPainter>

#include "texts/chart_texts.h"
#include "ui/notebook/notebook_model.h"
#include "ui/number_style_qt.h"
#include "ui/text_qt.h"

namespace gelvor::ui::notebook {

using ph_diagram::DiagramCycle;

PhDiagram::PhDiagram(const NotebookModel& model, QWidget* parent) : QWidget(parent), model_(model) {
    setObjectName(QStringLiteral("diagramaPh"));
    setAccessibleName(qt::to_qstring(texts::kDiagramName));
    setAccessibleDescription(qt::to_qstring(texts::kDiagramDescription));
    setMinimumSize(420, 320);
    setMouseTracking(true);
    connect(&model_, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { recompute(first, last); });
    connect(&model_, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int first, int last) {
                if (first < 0 || last >= static_cast<int>(recorded_.size())) {
                    rebuild();
                    return;
                }
                recorded_.erase(recorded_.begin() + first, recorded_.begin() + last + 1);
                hovered_.reset();
                update();
            });
    connect(&model_, &QAbstractItemModel::modelReset, this, &PhDiagram::rebuild);
    rebuild();
}

// Each recorded point's cycle is computed once, when its row comes in.
void PhDiagram::recompute(int first, int last) {
    if (first < 0 || first > static_cast<int>(recorded_.size()) ||
        static_cast<int>(recorded_.size()) + (last - first + 1) != model_.count()) {
        rebuild();
        return;
    }
    std::vector<std::optional<DiagramCycle>> added;
    for (int r = first; r <= last; ++r) added.push_back(ph_diagram::point_cycle(model_.point(r)));
    recorded_.insert(recorded_.begin() + first, std::make_move_iterator(added.begin()),
                     std::make_move_iterator(added.end()));
    hovered_.reset();
    update();
}

void PhDiagram::rebuild() {
    recorded_.clear();
    for (int r = 0; r < model_.count(); ++r)
        recorded_.push_back(ph_diagram::point_cycle(model_.point(r)));
    hovered_.reset();
    update();
}

void PhDiagram::setRange(ph_chart::ChartRange range) {
    range_ = range;
    update();
}

void PhDiagram::setSelectedRow(std::optional<int> row) {
    selected_ = row && *row >= 0 && *row < static_cast<int>(recorded_.size()) ? row : std::nullopt;
    update();
}

void PhDiagram::setLiveState(const std::optional<BenchState>& state, bool flagged) {
    live_ = state ? ph_diagram::diagram_cycle(*state, flagged) : std::nullopt;
    update();
}

void PhDiagram::setZoom(double factor) {
    zoom_ = factor;
    update();
}

const DiagramCycle* PhDiagram::highlighted() const {
    if (selected_) {
        // The row may be gone a moment before the window selects anew.
        if (*selected_ >= static_cast<int>(recorded_.size()))
            return nullptr;
        const auto& c = recorded_[static_cast<std::size_t>(*selected_)];
        return c ? &*c : nullptr;
    }
    return live_ ? &*live_ : nullptr;
}

ph_diagram::NotebookDiagram PhDiagram::content(bool with_hover) const {
    std::vector<int> numbers;
    numbers.reserve(recorded_.size());
    for (int r = 0; r < model_.count() && r < static_cast<int>(recorded_.size()); ++r)
        numbers.push_back(model_.point(r).number);
    ph_diagram::NotebookDiagram out =
        ph_diagram::notebook_diagram(numbers, recorded_, live_ ? &*live_ : nullptr, selected_,
                                     with_hover ? hovered_ : std::nullopt);
    out.content.range = range_;
    out.content.zoom = zoom_;
    out.content.style = qt::number_style(QLocale());
    return out;
}

QRectF PhDiagram::plotArea() const {
    return diagram_plot(QRectF(rect()), zoom_);
}

ph_diagram::PlotMapping PhDiagram::mapping() const {
    return ph_diagram::PlotMapping(ph_chart::chart_geometry(range_), box_of(plotArea()));
}

double PhDiagram::enthalpyMin() const {
    return ph_chart::chart_geometry(range_).enthalpy.min;
}
double PhDiagram::enthalpyMax() const {
    return ph_chart::chart_geometry(range_).enthalpy.max;
}
double PhDiagram::pressureMin() const {
    return ph_chart::chart_geometry(range_).pressure.min;
}
double PhDiagram::pressureMax() const {
    return ph_chart::chart_geometry(range_).pressure.max;
}

std::array<QPointF, 4> PhDiagram::cyclePixels() const {
    std::array<QPointF, 4> out{};
    if (const DiagramCycle* c = highlighted()) {
        const ph_diagram::PlotMapping map = mapping();
        for (std::size_t i = 0; i < 4; ++i) {
            const picture::Point p = map(c->geometry.points[i]);
            out[i] = QPointF(p.x, p.y);
        }
    }
    return out;
}

std::optional<std::array<QPointF, 4>> PhDiagram::rowPixels(int row) const {
    if (row < 0 || row >= static_cast<int>(recorded_.size()) ||
        !recorded_[static_cast<std::size_t>(row)])
        return std::nullopt;
    const ph_diagram::PlotMapping map = mapping();
    std::array<QPointF, 4> out{};
    for (std::size_t i = 0; i < 4; ++i) {
        const picture::Point p = map(recorded_[static_cast<std::size_t>(row)]->geometry.points[i]);
        out[i] = QPointF(p.x, p.y);
    }
    return out;
}

// The faint cycle whose outline passes nearest the pointer, if near enough.
std::optional<int> PhDiagram::rowAt(QPointF at) const {
    const ph_diagram::NotebookDiagram d = content(false);
    const auto frame = ph_diagram::diagram_frame(box_of(QRectF(rect())), zoom_, qt_text_measure());
    const auto nearest = ph_diagram::faint_cycle_at(frame, d.content, {at.x(), at.y()});
    return nearest ? std::optional(d.faint_rows[*nearest]) : std::nullopt;
}

void PhDiagram::setHovered(std::optional<int> row) {
    if (row == hovered_)
        return;
    hovered_ = row;
    if (row)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
    update();
}

void PhDiagram::mouseMoveEvent(QMouseEvent* event) {
    setHovered(rowAt(event->position()));
}

void PhDiagram::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    if (const auto row = rowAt(event->position()))
        emit cycleClicked(*row);
}

void PhDiagram::leaveEvent(QEvent*) {
    setHovered(std::nullopt);
}

void PhDiagram::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    draw_diagram(painter, QRectF(rect()), content(true).content, &backdrop_);
}

void PhDiagram::render(QPainter& painter, const QRectF& area) {
    draw_diagram(painter, area, content(false).content);
}

void PhDiagram::print(QPainter& painter, const QRectF& target, const QSizeF& logical) {
    painter.save();
    painter.translate(target.topLeft());
    const double scale =
        std::min(target.width() / logical.width(), target.height() / logical.height());
    painter.scale(scale, scale);
    render(painter, QRectF(QPointF(0, 0), logical));
    painter.restore();
}

}  // namespace gelvor::ui::notebook
