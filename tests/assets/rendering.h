#pragma once

#include <QImage>
#include <QString>

// Helpers shared by the picture tests.
namespace gelvor::assets::testing {

// The picture rendered onto white at `scale` times its size in pixels.
QImage render(const char* path, int width, int height, int scale);

// The picture's SVG source.
QString source(const char* path);

// Mean absolute difference per channel between two equally sized regions.
double mean_difference(const QImage& a, const QRect& in_a, const QImage& b, const QRect& in_b);

}  // namespace gelvor::assets::testing
