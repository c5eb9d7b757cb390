#include "ui/notebook/ph_diagram.h"

#include <QMouseEvent>
#include <QPainter>

#include "texts/chart_texts.h"
#include "ui/notebook/notebook_model.h"
#include "ui/text_qt.h"

namespace gelvor::ui::notebook {
namespace {

constexpr double kHoverPixels = 6;  // how near the pointer must come to a cycle's outline

}  // namespace

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
    for (int r = first; r <= last; ++r)
        added.push_back(diagram_cycle(model_.point(r).state, model_.point(r).discharge_flagged));
    recorded_.insert(recorded_.begin() + first, std::make_move_iterator(added.begin()),
                     std::make_move_iterator(added.end()));
    hovered_.reset();
    update();
}

void PhDiagram::rebuild() {
    recorded_.clear();
    for (int r = 0; r < model_.count(); ++r)
        recorded_.push_back(
            diagram_cycle(model_.point(r).state, model_.point(r).discharge_flagged));
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
    live_ = state ? diagram_cycle(*state, flagged) : std::nullopt;
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

DiagramContent PhDiagram::content(bool with_hover) const {
    DiagramContent c;
    c.range = range_;
    c.zoom = zoom_;
    c.highlighted = highlighted();
    if (selected_ && *selected_ < model_.count())
        c.subject = qt::to_qstring(texts::kRecordedCycle).arg(model_.point(*selected_).number);
    else if (live_)
        c.subject = qt::to_qstring(texts::kLiveCycle);
    else if (recorded_.empty())
        c.subject = qt::to_qstring(texts::kNoCycle);
    else
        c.subject = qt::to_qstring(texts::kChooseCycle);
    for (std::size_t r = 0; r < recorded_.size(); ++r) {
        if (!recorded_[r] || static_cast<int>(r) == selected_)
            continue;
        if (with_hover && static_cast<int>(r) == hovered_) {
            c.hovered = c.faint.size();
            c.hovered_name =
                qt::to_qstring(texts::kHoveredCycle).arg(model_.point(static_cast<int>(r)).number);
        }
        c.faint.push_back(&*recorded_[r]);
    }
    return c;
}

QRectF PhDiagram::plotArea() const {
    return diagram_plot(QRectF(rect()), content(false));
}

PlotMapping PhDiagram::mapping() const {
    return PlotMapping(ph_chart::chart_geometry(range_), plotArea());
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
        const PlotMapping map = mapping();
        for (std::size_t i = 0; i < 4; ++i) out[i] = map(c->geometry.points[i]);
    }
    return out;
}

std::optional<std::array<QPointF, 4>> PhDiagram::rowPixels(int row) const {
    if (row < 0 || row >= static_cast<int>(recorded_.size()) ||
        !recorded_[static_cast<std::size_t>(row)])
        return std::nullopt;
    const PlotMapping map = mapping();
    std::array<QPointF, 4> out{};
    for (std::size_t i = 0; i < 4; ++i)
        out[i] = map(recorded_[static_cast<std::size_t>(row)]->geometry.points[i]);
    return out;
}

// The faint cycle whose outline passes nearest the pointer, if near enough.
std::optional<int> PhDiagram::rowAt(QPointF at) const {
    const PlotMapping map = mapping();
    if (!map.plot().contains(at))
        return std::nullopt;
    std::vector<ph_chart::PlotCycle> cycles;
    std::vector<int> rows;
    for (std::size_t r = 0; r < recorded_.size(); ++r) {
        if (!recorded_[r] || static_cast<int>(r) == selected_)
            continue;
        ph_chart::PlotCycle cycle{};
        for (std::size_t i = 0; i < 4; ++i) {
            const QPointF p = map(recorded_[r]->geometry.points[i]);
            cycle[i] = {p.x(), p.y()};
        }
        cycles.push_back(cycle);
        rows.push_back(static_cast<int>(r));
    }
    const auto nearest = ph_chart::nearest_cycle(cycles, {at.x(), at.y()}, kHoverPixels * zoom_);
    return nearest ? std::optional(rows[*nearest]) : std::nullopt;
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
    draw_diagram(painter, QRectF(rect()), content(true), &backdrop_);
}

void PhDiagram::render(QPainter& painter, const QRectF& area) {
    draw_diagram(painter, area, content(false));
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
