#include "ui/widgets/thermometer.h"

#include <QPainter>
#include <cmath>

#include "ui/look.h"

namespace gelvor::ui {
namespace {

constexpr double kBulbRadius = 3;
constexpr double kTickMargin = 3;  // from the column's centre line
constexpr double kMajorTick = 3;
constexpr double kMinorTick = 2;
constexpr int kLabelPixels = 9;

}  // namespace

Thermometer::Thermometer(QWidget* parent) : Instrument(parent) {}

void Thermometer::setColumnColour(const QColor& c) {
    column_ = c;
    update();
}

void Thermometer::setTubeColour(const QColor& c) {
    tube_ = c;
    update();
}

void Thermometer::setMajorTicks(int count) {
    major_ticks_ = std::max(2, count);
    update();
}

void Thermometer::setTickLabels(bool shown) {
    tick_labels_ = shown;
    update();
}

void Thermometer::setDesiredTicks(int count) {
    desired_ticks_ = count;
    update();
}

std::vector<Thermometer::Tick> Thermometer::ticks() const {
    std::vector<Tick> out;
    const double lo = positionMin(), hi = positionMax();
    if (!(hi > lo))
        return out;
    if (desired_ticks_ < 2) {
        // Majors at equal steps, one minor between two majors.
        const int steps = (major_ticks_ - 1) * 2;
        for (int i = 0; i <= steps; ++i)
            out.push_back({lo + (hi - lo) * i / steps, double(i) / steps, i % 2 == 0});
        return out;
    }
    // Majors at round values, 1, 2 or 5 times a power of ten apart, and as
    // many of them as asked or a few less; a minor halfway between two.
    const double raw = (hi - lo) / (desired_ticks_ - 1);
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    double step = 10 * magnitude;
    for (double m : {1.0, 2.0, 5.0})
        if (m * magnitude >= raw * (1 - 1e-9)) {
            step = m * magnitude;
            break;
        }
    const double half = step / 2;
    for (long k = std::lround(std::ceil(lo / half - 1e-9)); k * half <= hi + 1e-9 * step; ++k)
        out.push_back({k * half, (k * half - lo) / (hi - lo), k % 2 == 0});
    return out;
}

QString Thermometer::labelOf(double value) {
    return QString::number(value, 'g', 6);
}

QStringList Thermometer::labels() const {
    QStringList out;
    for (const Tick& t : ticks())
        if (t.major)
            out << labelOf(t.value);
    return out;
}

Thermometer::Frame Thermometer::frame() const {
    const QSizeF box = designExtent();
    const QFontMetricsF fm(look::sans(kLabelPixels));
    Frame f;
    // With labels the column stands left of centre to leave them room.
    f.x = tick_labels_ ? std::floor(box.width() * 0.3) + 0.5 : kBulbRadius + 0.5;
    f.bulb_y = box.height() - 1 - kBulbRadius;
    f.top = tick_labels_ ? std::ceil(fm.height() / 2) + 1 : 2;
    f.bottom = f.bulb_y - kBulbRadius - 1;  // the scale's minimum
    return f;
}

double Thermometer::Frame::yOf(double fraction) const {
    return bottom - fraction * (bottom - top);
}

double Thermometer::columnTop() const {
    const Frame f = frame();
    return designToWidget().map(QPointF(f.x, f.yOf(fraction()))).y();
}

void Thermometer::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setTransform(designToWidget());
    const double w = designExtent().width();
    const QFont label_font = look::sans(kLabelPixels);
    const QFontMetricsF fm(label_font);
    const Frame f = frame();
    const double x = f.x;

    // Tube, outlined, then the column and the bulb.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(110, 110, 110), 1));
    p.setBrush(tube_);
    p.drawRoundedRect(QRectF(x - 1.5, f.top - 1.5, 3, f.bulb_y - f.top + 1.5), 1.5, 1.5);
    p.setBrush(column_);
    p.drawEllipse(QPointF(x, f.bulb_y), kBulbRadius, kBulbRadius);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    const double level = f.yOf(fraction());
    p.fillRect(QRectF(x - 0.5, level, 1, f.bulb_y - level), column_);

    // Ticks to the right of the column, values beside the majors.
    p.setPen(QPen(Qt::black, 1));
    p.setFont(label_font);
    for (const Tick& t : ticks()) {
        const double y = std::round(f.yOf(t.fraction)) + 0.5;
        const double x0 = x + kTickMargin;
        p.drawLine(QPointF(x0, y), QPointF(x0 + (t.major ? kMajorTick : kMinorTick), y));
        if (t.major && tick_labels_) {
            const QRectF r(x0 + kMajorTick + 2, y - fm.height() / 2, w - x0 - kMajorTick - 2,
                           fm.height());
            p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, labelOf(t.value));
        }
    }
}

}  // namespace gelvor::ui
