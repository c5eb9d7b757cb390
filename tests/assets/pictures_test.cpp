#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QSvgRenderer>

#include "assets/assets.h"
#include "rendering.h"

namespace gelvor::assets {
namespace {

using testing::render;
using testing::source;

std::string name_of(const ::testing::TestParamInfo<Picture>& info) {
    return QFileInfo(QString::fromLatin1(info.param.path)).baseName().toStdString();
}

class EachPicture : public ::testing::TestWithParam<Picture> {};

TEST_P(EachPicture, IsCompiledInAndDrawnForItsSize) {
    const Picture& p = GetParam();
    ASSERT_TRUE(QFile::exists(QString::fromLatin1(p.path))) << p.path;
    QSvgRenderer renderer{QString::fromLatin1(p.path)};
    ASSERT_TRUE(renderer.isValid()) << p.path;
    EXPECT_EQ(renderer.defaultSize(), QSize(p.width, p.height));
    const QRectF view = renderer.viewBoxF();
    if (p.path == std::string_view(kSaturationChart)) {
        EXPECT_EQ(view.size(), QSizeF(6883, 5433)) << "drawn in twips";
    } else {
        EXPECT_EQ(view.size(), QSizeF(p.width, p.height)) << "viewBox in pixels";
    }
}

TEST_P(EachPicture, RendersSomethingAtItsSizeAndAtThreeTimes) {
    const Picture& p = GetParam();
    for (int scale : {1, 3}) {
        const QImage image = render(p.path, p.width, p.height, scale);
        ASSERT_EQ(image.size(), QSize(p.width * scale, p.height * scale));
        QSet<QRgb> colours;
        int not_white = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = image.pixel(x, y);
                colours.insert(c);
                not_white += (c != qRgb(255, 255, 255));
            }
        }
        EXPECT_GT(colours.size(), 8) << p.path << " at " << scale << "x";
        EXPECT_GT(not_white, image.width() * image.height() / 20) << p.path;
    }
}

INSTANTIATE_TEST_SUITE_P(Pictures, EachPicture, ::testing::ValuesIn(kPictures), name_of);

// The bitmaps these pictures stand for had the standard 16 colours; every
// fill and stroke stays within them.
TEST(SixteenColourPictures, UseOnlyTheStandardPalette) {
    const QSet<QString> palette{"#000000", "#800000", "#008000", "#808000", "#000080", "#800080",
                                "#008080", "#c0c0c0", "#808080", "#ff0000", "#00ff00", "#ffff00",
                                "#0000ff", "#ff00ff", "#00ffff", "#ffffff"};
    const QRegularExpression colour(QStringLiteral("#[0-9a-fA-F]{6}"));
    for (const char* path : {kBenchDrawing, kWindowIcon, kCondenserRunning, kEvaporatorRunning,
                             kSightGlass, kEvaporatorRest, kFlowmeterFloat, kSchematic, kPhChart}) {
        const QString svg = source(path);
        ASSERT_FALSE(svg.isEmpty()) << path;
        EXPECT_FALSE(svg.contains(QLatin1String("Gradient"))) << path;
        EXPECT_FALSE(svg.contains(QLatin1String("opacity"))) << path;
        for (const auto& match : colour.globalMatch(svg)) {
            EXPECT_TRUE(palette.contains(match.captured().toLower()))
                << path << " uses " << match.captured().toStdString();
        }
    }
}

TEST(Manual, IsCompiledIn) {
    EXPECT_TRUE(QFile::exists(QString::fromLatin1(kManual)));
    EXPECT_GT(manual_text().size(), 16000);
}

}  // namespace
}  // namespace gelvor::assets
