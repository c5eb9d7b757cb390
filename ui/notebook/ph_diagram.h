#pragma once

#include <QRectF>
#include <QWidget>
#include <array>
#include <optional>

#include "model/bench.h"

namespace gelvor::ui::notebook {

// A true-scale pressure-enthalpy diagram of R-11 from the program's own
// property functions: the saturation dome, a logarithmic axis of absolute
// pressure and a linear axis of enthalpy, and the cycle A-B-C-D of one state
// at its computed enthalpies, in the letters and colours of the schematic.
class PhDiagram : public QWidget {
    Q_OBJECT

  public:
    explicit PhDiagram(QWidget* parent = nullptr);

    // The cycle to draw and what it is ("Punto 3", "Estado actual"); none
    // draws the dome alone.
    void setCycle(const std::optional<BenchState>& state, const QString& what);
    bool hasCycle() const { return state_.has_value(); }
    // The bench's zoom: texts, lines and markers grow by `factor`.
    void setZoom(double factor);

    // The axes as last painted: the plot rectangle, enthalpy in kJ/kg along
    // it and absolute pressure in kPa up it, the pressure logarithmically.
    QRectF plotArea() const { return plot_; }
    double enthalpyMin() const { return h_min_; }
    double enthalpyMax() const { return h_max_; }
    double pressureMin() const { return p_min_; }
    double pressureMax() const { return p_max_; }
    // Where the points A, B, C, D stand, in widget pixels.
    std::array<QPointF, 4> cyclePixels() const;

    // Draws the whole diagram into `rect` of the screen.
    void render(QPainter& painter, const QRectF& rect);
    // Draws it into `target` of a printed page, as the screen would show it
    // at `logical` pixels, scaled to fit.
    void print(QPainter& painter, const QRectF& target, const QSizeF& logical);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    void fitAxes();
    QPointF toPixel(double h, double p) const;

    std::optional<BenchState> state_;
    double zoom_ = 1;
    QString what_;
    QRectF plot_;
    double h_min_ = 160, h_max_ = 460, p_min_ = 10, p_max_ = 500;
};

}  // namespace gelvor::ui::notebook
