#include <gtest/gtest.h>

#include <QImage>

#include "assets/assets.h"
#include "assets/preview/bench_placements.h"
#include "rendering.h"

// The running-state pictures and the floats go over the bench drawing where
// the window puts them; they must continue it without a seam.
namespace gelvor::assets {
namespace {

using testing::mean_difference;
using testing::render;

constexpr int kScale = 3;

const QImage& bench() {
    static const QImage image = render(kBenchDrawing, 382, 264, kScale);
    return image;
}

QPoint origin(const Placement& at) {
    return QPoint(int(at.left / kTwipsPerPixel) * kScale, int(at.top / kTwipsPerPixel) * kScale);
}

struct Overlay {
    const char* path;
    Placement at;
    int width, height;
};

const Overlay kRunning[] = {
    {kCondenserRunning, kCondenserRunningAt, 45, 68},
    {kEvaporatorRunning, kEvaporatorRunningAt, 53, 60},
    {kSightGlass, kSightGlassAt, 28, 37},
};

// The outermost two device pixels all round a picture.
std::vector<QRect> border(const QSize& size) {
    const int w = size.width(), h = size.height(), t = 2;
    return {QRect(0, 0, w, t), QRect(0, h - t, w, t), QRect(0, 0, t, h), QRect(w - t, 0, t, h)};
}

TEST(RunningPictures, ContinueTheBenchDrawingAtTheirEdges) {
    for (const Overlay& o : kRunning) {
        const QImage picture = render(o.path, o.width, o.height, kScale);
        const QPoint at = origin(o.at);
        for (const QRect& edge : border(picture.size())) {
            EXPECT_LT(mean_difference(picture, edge, bench(), edge.translated(at)), 1.0)
                << o.at.name << " edge " << edge.x() << "," << edge.y();
        }
    }
}

TEST(RunningPictures, ShowTheMachineRunning) {
    for (const Overlay& o : kRunning) {
        const QImage picture = render(o.path, o.width, o.height, kScale);
        const QRect all(QPoint(0, 0), picture.size());
        EXPECT_GT(mean_difference(picture, all, bench(), all.translated(origin(o.at))), 3.0)
            << o.at.name << " looks like the bench at rest";
    }
}

TEST(EvaporatorAtRest, IsTheBenchDrawingsEvaporator) {
    const QImage picture = render(kEvaporatorRest, 53, 60, kScale);
    const QRect all(QPoint(0, 0), picture.size());
    EXPECT_LT(mean_difference(picture, all, bench(), all.translated(origin(kEvaporatorRestAt))),
              0.5);
}

// The picture boxes of the two evaporator pictures are narrower than the
// pictures (41 x 60 and 47 x 57 pixels); the boiling must lie where both
// show, so that it looks the same whether the window clips them or not.
TEST(EvaporatorRunning, BoilsOnlyWhereBothPictureBoxesShow) {
    const QImage running = render(kEvaporatorRunning, 53, 60, kScale);
    const QPoint at = origin(kEvaporatorRunningAt);
    const int box_right = int(kEvaporatorRunningAt.width / kTwipsPerPixel) * kScale;
    const int rest_bottom =
        int((kEvaporatorRestAt.top + kEvaporatorRestAt.height) / kTwipsPerPixel) * kScale - at.y();
    const QRect right_strip(box_right, 0, running.width() - box_right, running.height());
    const QRect bottom_strip(0, rest_bottom, running.width(), running.height() - rest_bottom);
    EXPECT_LT(mean_difference(running, right_strip, bench(), right_strip.translated(at)), 0.5);
    EXPECT_LT(mean_difference(running, bottom_strip, bench(), bottom_strip.translated(at)), 0.5);
}

// Over its whole travel a float sits inside its flowmeter tube: the tube's
// walls run just outside the float's picture box and the tube is clear
// inside.
TEST(FlowmeterTubes, HoldTheFloatsOverTheirWholeTravel) {
    for (const Placement& f : {kCondenserFloatAt, kEvaporatorFloatAt}) {
        const double left = f.left / kTwipsPerPixel, right = (f.left + f.width) / kTwipsPerPixel;
        const double highest = float_top_twips(0) / kTwipsPerPixel;
        const double lowest = std::max(float_top_twips(50), double(f.top)) / kTwipsPerPixel +
                              f.height / kTwipsPerPixel;
        for (int y = int(highest * kScale); y < int(lowest * kScale); ++y) {
            const int wall_left = int(left * kScale) - 1, wall_right = int(right * kScale);
            const int inside = int((left + right) / 2 * kScale);
            ASSERT_LT(qGray(bench().pixel(wall_left, y)), 100) << f.name << " row " << y;
            ASSERT_LT(qGray(bench().pixel(wall_right, y)), 100) << f.name << " row " << y;
            ASSERT_EQ(bench().pixel(inside, y), qRgb(255, 255, 255)) << f.name << " row " << y;
        }
    }
}

}  // namespace
}  // namespace gelvor::assets
