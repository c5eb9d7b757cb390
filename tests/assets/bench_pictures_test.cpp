#include <gtest/gtest.h>

#include <QImage>
#include <stdexcept>
#include <string>

#include <span>

#include "assets/pictures.h"
#include "layout/form1_layout.h"
#include "model/settings_ranges.h"
#include "rendering.h"

// The running-state pictures and the floats go over the bench drawing where
// the window's own layout tables put them; they must continue it without a
// seam.
namespace gelvor::assets {
namespace {

using layout::kTwipsPerPixel;
using layout::PictureSpec;
using testing::mean_difference;
using testing::render;

const PictureSpec& picture(std::span<const PictureSpec> table, const char* name) {
    for (const PictureSpec& p : table) {
        if (QLatin1String(p.name) == QLatin1String(name)) {
            return p;
        }
    }
    throw std::runtime_error(std::string("the window has no picture ") + name);
}
const PictureSpec& running(const char* name) {
    return picture(layout::running_pictures(), name);
}

constexpr int kScale = 3;

const QImage& bench() {
    static const QImage image = render(kBenchDrawing, 382, 264, kScale);
    return image;
}

QPoint origin(const PictureSpec& p) {
    const layout::TwipsRect& at = p.rect;
    return QPoint(int(at.left / kTwipsPerPixel) * kScale, int(at.top / kTwipsPerPixel) * kScale);
}

struct Overlay {
    const char* name;
    int width, height;
};

const Overlay kRunning[] = {{"Picture1_0", 45, 68}, {"Picture1_1", 53, 60}, {"Picture1_2", 28, 37}};

// The outermost two device pixels all round a picture.
std::vector<QRect> border(const QSize& size) {
    const int w = size.width(), h = size.height(), t = 2;
    return {QRect(0, 0, w, t), QRect(0, h - t, w, t), QRect(0, 0, t, h), QRect(w - t, 0, t, h)};
}

TEST(RunningPictures, ContinueTheBenchDrawingAtTheirEdges) {
    for (const Overlay& o : kRunning) {
        const QImage picture = render(running(o.name).resource, o.width, o.height, kScale);
        const QPoint at = origin(running(o.name));
        for (const QRect& edge : border(picture.size())) {
            EXPECT_LT(mean_difference(picture, edge, bench(), edge.translated(at)), 1.0)
                << o.name << " edge " << edge.x() << "," << edge.y();
        }
    }
}

TEST(RunningPictures, ShowTheMachineRunning) {
    for (const Overlay& o : kRunning) {
        const QImage picture = render(running(o.name).resource, o.width, o.height, kScale);
        const QRect all(QPoint(0, 0), picture.size());
        EXPECT_GT(mean_difference(picture, all, bench(), all.translated(origin(running(o.name)))),
                  3.0)
            << o.name << " looks like the bench at rest";
    }
}

TEST(EvaporatorAtRest, IsTheBenchDrawingsEvaporator) {
    const QImage picture = render(running("c_0").resource, 53, 60, kScale);
    const QRect all(QPoint(0, 0), picture.size());
    EXPECT_LT(mean_difference(picture, all, bench(), all.translated(origin(running("c_0")))), 0.5);
}

// The picture boxes of the two evaporator pictures are narrower than the
// pictures (41 x 60 and 47 x 57 pixels); the boiling must lie where both
// show, so that it looks the same whether the window clips them or not.
TEST(EvaporatorRunning, BoilsOnlyWhereBothPictureBoxesShow) {
    const PictureSpec& boiling = running("Picture1_1");
    const layout::TwipsRect& rest = running("c_0").rect;
    const QImage image = render(boiling.resource, 53, 60, kScale);
    const QPoint at = origin(boiling);
    const int box_right = int(boiling.rect.width / kTwipsPerPixel) * kScale;
    const int rest_bottom = int((rest.top + rest.height) / kTwipsPerPixel) * kScale - at.y();
    const QRect right_strip(box_right, 0, image.width() - box_right, image.height());
    const QRect bottom_strip(0, rest_bottom, image.width(), image.height() - rest_bottom);
    EXPECT_LT(mean_difference(image, right_strip, bench(), right_strip.translated(at)), 0.5);
    EXPECT_LT(mean_difference(image, bottom_strip, bench(), bottom_strip.translated(at)), 0.5);
}

// Over its whole travel a float sits inside its flowmeter tube: the tube's
// walls run just outside the float's picture box and the tube is clear
// inside.
TEST(FlowmeterTubes, HoldTheFloatsOverTheirWholeTravel) {
    for (const PictureSpec& entry : layout::floats()) {
        const layout::TwipsRect& f = entry.rect;
        const char* name = entry.name;
        const double left = f.left / kTwipsPerPixel, right = (f.left + f.width) / kTwipsPerPixel;
        const double highest = float_top_twips(bar_from_flow(kFlowRange.max)) / kTwipsPerPixel;
        const double lowest =
            std::max(double(float_top_twips(kNoFlowBarValue)), f.top) / kTwipsPerPixel +
            f.height / kTwipsPerPixel;
        for (int y = int(highest * kScale); y < int(lowest * kScale); ++y) {
            const int wall_left = int(left * kScale) - 1, wall_right = int(right * kScale);
            const int inside = int((left + right) / 2 * kScale);
            ASSERT_LT(qGray(bench().pixel(wall_left, y)), 100) << name << " row " << y;
            ASSERT_LT(qGray(bench().pixel(wall_right, y)), 100) << name << " row " << y;
            ASSERT_EQ(bench().pixel(inside, y), qRgb(255, 255, 255)) << name << " row " << y;
        }
    }
}

}  // namespace
}  // namespace gelvor::assets
