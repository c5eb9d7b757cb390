#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <vector>

#include "assets/assets.h"
#include "layout/twips.h"
#include "present/chart_overlay.h"
#include "rendering.h"

namespace gelvor::assets {
namespace {

using testing::render;
using testing::source;

// ---- The P-h chart --------------------------------------------------------

constexpr int kScale = 4;
using layout::kTwipsPerPixel;

const QImage& ph_chart() {
    static const QImage image = render(kPhChart, 264, 226, kScale);
    return image;
}

bool is_black(QRgb c) {
    return std::max({qRed(c), qGreen(c), qBlue(c)}) < 110;
}

// The x (in chart pixels, a pixel's index being its left edge) of the centre
// of the black line crossing row y nearest to `near`, looked for within
// `reach` pixels.
std::optional<double> black_line_x(int y, double near, double reach) {
    const QImage& image = ph_chart();
    const int row = int((y + 0.5) * kScale);
    std::optional<double> best;
    int x = std::max(0, int((near - reach) * kScale));
    const int end = std::min(image.width(), int((near + reach + 1) * kScale));
    while (x < end) {
        if (!is_black(image.pixel(x, row))) {
            ++x;
            continue;
        }
        const int first = x;
        while (x < end && is_black(image.pixel(x, row))) {
            ++x;
        }
        const double centre = (first + x) / 2.0 / kScale - 0.5;
        if (!best || std::abs(centre - near) < std::abs(*best - near)) {
            best = centre;
        }
    }
    return best;
}

struct DomeRow {
    int y, liquid_x, vapour_x;
};
constexpr DomeRow kDome[] = {{72, 139, 185}, {84, 119, 185}, {96, 104, 180}, {108, 92, 175},
                             {120, 81, 169}, {132, 71, 164}, {144, 61, 159}, {156, 52, 155},
                             {168, 44, 151}, {180, 35, 148}, {192, 27, 146}, {204, 20, 145},
                             {210, 16, 144}};

TEST(PhChartDome, PassesThroughTheTabulatedOutlineWithinOnePixel) {
    for (const DomeRow& r : kDome) {
        const auto liquid = black_line_x(r.y, r.liquid_x, 2.5);
        const auto vapour = black_line_x(r.y, r.vapour_x, 2.5);
        ASSERT_TRUE(liquid) << "no liquid side on row " << r.y;
        ASSERT_TRUE(vapour) << "no vapour side on row " << r.y;
        EXPECT_NEAR(*liquid, r.liquid_x, 1.0) << "row " << r.y;
        EXPECT_NEAR(*vapour, r.vapour_x, 1.0) << "row " << r.y;
    }
}

TEST(PhChartDome, FollowsTheOverlaysSaturationLinesWithinTwoPixels) {
    for (int y = 120; y <= 170; ++y) {
        const double y_twips = y * kTwipsPerPixel;
        const double liquid_line = chart::saturated_liquid_x(y_twips) / kTwipsPerPixel;
        const double vapour_line = chart::saturated_vapour_x(y_twips) / kTwipsPerPixel;
        const auto liquid = black_line_x(y, liquid_line, 4);
        const auto vapour = black_line_x(y, vapour_line, 4);
        ASSERT_TRUE(liquid && vapour) << "row " << y;
        EXPECT_NEAR(*liquid, liquid_line, 2.0) << "saturated liquid, row " << y;
        EXPECT_NEAR(*vapour, vapour_line, 2.0) << "saturated vapour, row " << y;
    }
}

TEST(PhChartAxes, LieWhereTheOverlayExpectsThem) {
    // P axis at X = 180 twips, h axis at Y = 3165 twips
    for (int y = 70; y <= 205; ++y) {
        const int row = int((y + 0.5) * kScale);
        EXPECT_TRUE(is_black(ph_chart().pixel(int(12.5 * kScale), row))) << "P axis, row " << y;
        EXPECT_FALSE(is_black(ph_chart().pixel(int(14.5 * kScale), row))) << "row " << y;
    }
    const int row = int((211 + 0.5) * kScale);
    for (int x = 20; x <= 240; x += 10) {
        EXPECT_TRUE(is_black(ph_chart().pixel(int((x + 0.5) * kScale), row))) << "h axis at " << x;
    }
}

// The colour that covers most of a small square around a chart pixel.
QRgb main_colour(int x, int y) {
    std::map<QRgb, int> count;
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            ++count[ph_chart().pixel((x + dx) * kScale + 2, (y + dy) * kScale + 2)];
        }
    }
    return std::max_element(count.begin(), count.end(),
                            [](auto& a, auto& b) { return a.second < b.second; })
        ->first;
}

TEST(PhChartRegions, AreColouredAsTheLegendOfTheBenchSays) {
    EXPECT_EQ(main_colour(30, 130), qRgb(0, 255, 0)) << "compressed liquid";
    EXPECT_EQ(main_colour(125, 150), qRgb(0, 255, 255)) << "wet vapour";
    const QRgb superheated = main_colour(200, 120);
    EXPECT_TRUE(superheated == qRgb(255, 255, 0) || superheated == qRgb(255, 255, 255))
        << "superheated vapour is yellow hatching on white";
    const QString svg = source(kPhChart);
    for (const char* words : {"Arcton 11", "x cte", "T cte", "v cte", "s cte", "Vapor húmedo",
                              "Líquido", "comprimido", "sobrecalentado"}) {
        EXPECT_TRUE(svg.contains(QString::fromUtf8(words))) << words;
    }
}

// ---- The saturation chart -------------------------------------------------

struct SaturationChart {
    QRectF plot;                 // the plot area, in the drawing's units
    std::vector<QPointF> curve;  // in the drawing's units
};

SaturationChart read_saturation_chart() {
    SaturationChart chart;
    QXmlStreamReader xml(source(kSaturationChart));
    bool in_plot = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        const auto a = xml.attributes();
        if (a.value(QLatin1String("id")) == QLatin1String("plot-area")) {
            in_plot = true;
        } else if (in_plot && xml.name() == QLatin1String("rect")) {
            chart.plot = QRectF(a.value("x").toDouble(), a.value("y").toDouble(),
                                a.value("width").toDouble(), a.value("height").toDouble());
            in_plot = false;
        } else if (a.value(QLatin1String("id")) == QLatin1String("saturation-curve")) {
            const QRegularExpression pair(QStringLiteral("(-?[\\d.]+),(-?[\\d.]+)"));
            for (const auto& m : pair.globalMatch(a.value("d").toString())) {
                chart.curve.emplace_back(m.captured(1).toDouble(), m.captured(2).toDouble());
            }
        }
    }
    return chart;
}

// Axis ranges as the chart's labels give them.
constexpr double kTMin = -20, kTMax = 80, kPMin = 0, kPMax = 0.45;

TEST(SaturationChart, CurvePassesThroughTheTabulatedReadings) {
    const SaturationChart chart = read_saturation_chart();
    ASSERT_FALSE(chart.plot.isEmpty());
    ASSERT_EQ(chart.curve.size(), 100u);
    std::vector<std::pair<double, double>> tp;  // (t, p)
    for (const QPointF& q : chart.curve) {
        tp.emplace_back(
            kTMin + (q.x() - chart.plot.left()) / chart.plot.width() * (kTMax - kTMin),
            kPMin + (chart.plot.bottom() - q.y()) / chart.plot.height() * (kPMax - kPMin));
    }
    EXPECT_NEAR(tp.front().first, -10, 0.05);
    EXPECT_NEAR(tp.back().first, 70, 0.05);
    for (std::size_t i = 1; i < tp.size(); ++i) {
        ASSERT_GT(tp[i].first, tp[i - 1].first);
        ASSERT_GT(tp[i].second, tp[i - 1].second) << "the saturation pressure rises with t";
    }
    const std::pair<double, double> readings[] = {
        {-10, 0.0257}, {0, 0.0402},  {10, 0.0607}, {20, 0.0888}, {23.8, 0.1019},
        {30, 0.1264},  {40, 0.1749}, {50, 0.2366}, {60, 0.3135}, {70, 0.4084}};
    for (const auto& [t, p] : readings) {
        const auto after = std::lower_bound(tp.begin(), tp.end(), std::make_pair(t, -1.0));
        const auto before = after == tp.begin() ? after : after - 1;
        const double share =
            after == before ? 0 : (t - before->first) / (after->first - before->first);
        const double read = before->second + share * (after->second - before->second);
        EXPECT_NEAR(read, p, 0.0005) << "at " << t << " ºC";
    }
}

TEST(SaturationChart, CarriesItsTitlesAndAxisLabels) {
    const QString svg = source(kSaturationChart);
    for (const char* words :
         {">R - 11<", ">Presión de saturación( Mpa abs)<", ">Temperatura de saturación (ºC)<",
          ">-20<", ">80<", ">0.00<", ">0.45<"}) {
        EXPECT_TRUE(svg.contains(QString::fromUtf8(words))) << words;
    }
    // The window shows the picture (6883 units over 4968 twips) from 132 twips
    // in, past a border of 2 pixels. The upward title's capitals and accents
    // reach a font size left of its baseline: they must lie in the part shown.
    const QRegularExpression title_at(R"re(font-size="(\d+)"[^>]*translate\((\d+),[^>]*>Presi)re");
    const QRegularExpressionMatch title = title_at.match(svg);
    ASSERT_TRUE(title.hasMatch());
    const double hidden = (132 + 2 * 15) * 6883.0 / 4968;
    EXPECT_GT(title.captured(2).toDouble() - title.captured(1).toDouble(), hidden);
}

}  // namespace
}  // namespace gelvor::assets
