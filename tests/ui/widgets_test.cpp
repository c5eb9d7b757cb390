// Our own small controls: what the operator can do with each, and the
// order in which they tell the window about it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "assets/assets.h"
#include "layout/faces.h"
#include "ui/deferred_icons.h"
#include "ui/text_fit.h"
#include "ui/widgets/face_painter.h"
#include "ui/widgets/manometer.h"
#include "ui/widgets/picture.h"
#include "ui/widgets/rocker_switch.h"
#include "ui/widgets/spin_control.h"
#include "ui/widgets/tab_control.h"
#include "ui/widgets/thermometer.h"

namespace gelvor::ui {
namespace {

// A face as a widget like `like` shows it, painted over the widget's
// background: `shown` is the moving part's shape or the switch's position.
template <class Shown>
QImage painted(const layout::Face& face, const Shown& shown, const QWidget& like) {
    QImage image(like.size(), QImage::Format_RGB32);
    image.fill(like.palette().window().color());
    QPainter p(&image);
    paint_face(p, face, shown);
    p.end();
    return image;
}

QImage shown(QWidget& w) {
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(RockerSwitchTest, AClickFlipsItAndReportsOnceTheNewPositionShows) {
    RockerSwitch sw;
    sw.resize(24, 33);
    std::vector<bool> seen;
    QObject::connect(&sw, &RockerSwitch::operated, [&] { seen.push_back(sw.active()); });
    QTest::mouseClick(&sw, Qt::LeftButton);
    QTest::mouseClick(&sw, Qt::LeftButton);
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
    EXPECT_FALSE(sw.property("active").toBool());
}

// Each position shows its own shapes of the switch's face, and only those.
TEST(RockerSwitchTest, EachPositionShowsItsShapesOfTheFace) {
    RockerSwitch sw;
    sw.resize(24, 33);
    const layout::Face face = layout::rocker_switch_face(24, 33);
    const QImage off = shown(sw);
    EXPECT_EQ(off, painted(face, layout::Part::off, sw));
    sw.setActive(true);
    const QImage on = shown(sw);
    EXPECT_EQ(on, painted(face, layout::Part::on, sw));
    EXPECT_NE(on, off);
    // The lit mark tells the position: red on the upper half once on.
    EXPECT_GT(qRed(on.pixel(12, 10)), 150);
    EXPECT_LT(qRed(off.pixel(12, 10)), 100);
}

TEST(RockerSwitchTest, SpaceBarFlipsItButCodeFlipsItSilently) {
    RockerSwitch sw;
    QSignalSpy operated(&sw, &RockerSwitch::operated);
    QTest::keyClick(&sw, Qt::Key_Space);
    EXPECT_TRUE(sw.active());
    EXPECT_EQ(operated.count(), 1);
    sw.setProperty("active", false);
    EXPECT_FALSE(sw.active());
    EXPECT_EQ(operated.count(), 1);
}

TEST(SpinControlTest, HalvesStepUpAndDownAndTheBoxIsWrittenFirst) {
    QLineEdit box(QStringLiteral("18"));
    SpinControl spin(10, 50, 18);
    spin.resize(13, 23);
    spin.setBuddy(&box);
    QStringList box_when_told;
    QObject::connect(&spin, &SpinControl::positionChanged, [&] { box_when_told << box.text(); });
    QTest::mouseClick(&spin, Qt::LeftButton, {}, QPoint(6, 3));
    QTest::mouseClick(&spin, Qt::LeftButton, {}, QPoint(6, 20));
    QTest::mouseClick(&spin, Qt::LeftButton, {}, QPoint(6, 20));
    EXPECT_EQ(box_when_told, (QStringList{"19", "18", "17"}));
    EXPECT_EQ(spin.position(), 17);
}

// Up and Down in the box and the wheel over the spin act as its arrows;
// every other key is the box's own.
TEST(SpinControlTest, KeysInItsBoxAndTheWheelStepItLikeItsArrows) {
    QLineEdit box(QStringLiteral("1010"));
    SpinControl spin(950, 1070, 1010);
    spin.resize(13, 23);
    spin.setBuddy(&box);
    QSignalSpy changed(&spin, &SpinControl::positionChanged);
    QTest::keyClick(&box, Qt::Key_Up);
    EXPECT_EQ(box.text(), "1011");
    QTest::keyClick(&box, Qt::Key_Down);
    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_EQ(box.text(), "1009");
    QTest::keyClick(&spin, Qt::Key_Up);
    EXPECT_EQ(spin.position(), 1010);
    QWheelEvent up(QPointF(6, 6), spin.mapToGlobal(QPointF(6, 6)), {}, QPoint(0, 120), Qt::NoButton,
                   {}, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&spin, &up);
    EXPECT_EQ(spin.position(), 1011);
    EXPECT_EQ(changed.count(), 5);
    EXPECT_EQ(box.cursorPosition(), 0);  // a step from outside shows the number's start
    box.end(false);
    QTest::keyClicks(&box, "7");
    EXPECT_EQ(box.text(), "10117");
    EXPECT_EQ(spin.position(), 1011);
}

TEST(SpinControlTest, AtItsLimitsItNeitherMovesNorTells) {
    QLineEdit box(QStringLiteral("typed"));
    SpinControl spin(14, 16, 16);
    spin.setBuddy(&box);
    QSignalSpy changed(&spin, &SpinControl::positionChanged);
    spin.stepBy(1);
    EXPECT_EQ(spin.position(), 16);
    EXPECT_EQ(box.text(), "typed");
    spin.setPosition(3);
    EXPECT_EQ(spin.position(), 14);
    EXPECT_EQ(box.text(), "14");
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(spin.property("positionMin").toInt(), 14);
    EXPECT_EQ(spin.property("positionMax").toInt(), 16);
}

TEST(SpinControlTest, HeldDownItRepeatsUntilReleased) {
    SpinControl spin(10, 50, 18);
    spin.resize(13, 23);
    QTest::mousePress(&spin, Qt::LeftButton, {}, QPoint(6, 3));
    EXPECT_TRUE(QTest::qWaitFor([&] { return spin.position() >= 21; }, 5000));
    QTest::mouseRelease(&spin, Qt::LeftButton, {}, QPoint(6, 3));
    const int released_at = spin.position();
    QTest::qWait(300);
    EXPECT_EQ(spin.position(), released_at);
}

// A reading longer than its box shows its beginning, and the whole of it in
// the box's tool tip; a reading that fits has none.
TEST(TextFitTest, AReadingCutOffAtItsBoxShowsWholeInItsToolTip) {
    QLineEdit box;
    QFont font = box.font();
    font.setPixelSize(11);
    box.setFont(font);
    box.resize(40, 20);
    keep_text_fitted(&box);
    box.setText(QStringLiteral("12345678901234567890 W/m2ºC"));
    EXPECT_EQ(box.toolTip(), box.text());
    box.setText(QStringLiteral("1"));
    EXPECT_TRUE(box.toolTip().isEmpty());
}

// The same spot clicked twice gives the same tab: choosing one moves no row.
TEST(TabControlTest, AClickOnEachTabLeavesEveryTabWhereItWas) {
    TabControl tab({"0", "1", "2", "3", "4", "5"}, 3);
    tab.resize(326, 200);
    EXPECT_GT(tab.tabRect(0).top(), tab.tabRect(3).top());  // the first row is next to the page
    EXPECT_EQ(tab.tabRect(0).bottom() + 1, tab.stripHeight());
    std::vector<QRect> before;
    for (int i = 0; i < tab.count(); ++i) before.push_back(tab.tabRect(i));
    QSignalSpy changed(&tab, &TabControl::currentChanged);
    for (int i : {4, 1, 3, 5, 2, 0}) {
        QTest::mouseClick(&tab, Qt::LeftButton, {}, before[static_cast<std::size_t>(i)].center());
        EXPECT_EQ(tab.property("currentIndex").toInt(), i);
        EXPECT_TRUE(tab.page(i)->isVisibleTo(&tab));
        for (int k = 0; k < tab.count(); ++k)
            EXPECT_EQ(tab.tabRect(k), before[static_cast<std::size_t>(k)]) << i << " " << k;
    }
    EXPECT_EQ(changed.count(), 6);
    EXPECT_FALSE(tab.page(4)->isVisibleTo(&tab));
    EXPECT_EQ(tab.page(4)->geometry().top(), tab.stripHeight());
}

TEST(TabControlTest, ArrowKeysGoRoundTheTabs) {
    TabControl tab({"a", "b"}, 2);
    QTest::keyClick(&tab, Qt::Key_Left);
    EXPECT_EQ(tab.currentIndex(), 1);
    QTest::keyClick(&tab, Qt::Key_Right);
    EXPECT_EQ(tab.currentIndex(), 0);
}

// Something black is drawn at `at` or next to it.
bool dark_at(const QImage& image, QPointF at) {
    const QPoint p(int(std::floor(at.x())), int(std::floor(at.y())));
    for (const QPoint d :
         {QPoint(0, 0), QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
        const QRgb c = image.pixel(p + d);
        if (std::max({qRed(c), qGreen(c), qBlue(c)}) < 60)
            return true;
    }
    return false;
}

// The pointer sweeps clockwise from the lower left (the minimum) over the top
// to the lower right (the maximum), and stops at the ends of the scale.
TEST(InstrumentTest, TheNeedleEndsWhereItsPositionStandsOnTheDial) {
    Manometer gauge;
    gauge.resize(46, 38);
    const QPointF hub(23, 19.5);
    const auto tip_at = [&gauge](double position) {
        gauge.setProperty("position", position);
        return gauge.needleTip();
    };
    const QPointF min = tip_at(-100), mid = tip_at(0), max = tip_at(100);
    EXPECT_LT(min.x(), hub.x() - 5);
    EXPECT_GT(min.y(), hub.y() + 5);
    EXPECT_NEAR(mid.x(), hub.x(), 1.5);
    EXPECT_LT(mid.y(), hub.y() - 10);
    EXPECT_GT(max.x(), hub.x() + 5);
    EXPECT_GT(max.y(), hub.y() + 5);
    EXPECT_EQ(tip_at(112.5), max);  // beyond the scale: at its end, position kept
    EXPECT_EQ(gauge.property("position").toDouble(), 112.5);
    EXPECT_EQ(tip_at(-250), min);
    // The needle is drawn there: dark just inside its tip, for every position.
    for (double position : {-100.0, 0.0, 100.0}) {
        const QPointF tip = tip_at(position);
        const QPointF inside = tip + (hub - tip) * (1.5 / QLineF(hub, tip).length());
        EXPECT_TRUE(dark_at(gauge.grab().toImage(), inside)) << position;
    }
    // Zoomed to twice its design size, the same drawing twice as large.
    gauge.setDesignSize(QSize(46, 38));
    gauge.resize(92, 76);
    EXPECT_NEAR(tip_at(100).x(), max.x() * 2, 0.01);
    EXPECT_NEAR(tip_at(100).y(), max.y() * 2, 0.01);
}

// The column rises from the scale's foot to its head, and stops there.
TEST(InstrumentTest, TheColumnTopStandsAtItsPositionOnTheScale) {
    Thermometer column;
    column.setRange(-10, 30);
    column.setColumnColour(Qt::red);
    column.setTubeColour(Qt::white);
    column.resize(10, 55);
    const auto top_at = [&column](double position) {
        column.setProperty("position", position);
        return column.columnTop();
    };
    const double foot = top_at(-10), middle = top_at(10), head = top_at(30);
    EXPECT_GT(foot, 45);  // just above the bulb
    EXPECT_LT(head, 5);
    EXPECT_NEAR(middle, (foot + head) / 2, 0.01);
    EXPECT_EQ(top_at(45), head);
    EXPECT_EQ(column.property("position").toDouble(), 45);
    EXPECT_EQ(top_at(-30), foot);
    // Drawn there: column colour just under its top, the tube's above it.
    top_at(10);
    const QImage drawn = column.grab().toImage();
    const int x = 3;  // the column's centre line
    EXPECT_EQ(QColor(drawn.pixel(x, int(middle) + 1)), QColor(Qt::red));
    EXPECT_EQ(QColor(drawn.pixel(x, int(middle) - 2)), QColor(Qt::white));
}

// Each kind of shape lands where the list puts it, in its colours; a part is
// left out or replaced as the control says.
TEST(FacePainterTest, EachShapeIsDrawnWhereItsListPutsIt) {
    using namespace layout;
    Face face{40, 40, {}};
    face.shapes.push_back({Rect{2, 2, 6, 6, 0}, std::nullopt, Fill{0xFF0000, std::nullopt}, true});
    face.shapes.push_back(
        {Rect{10, 2, 10, 20, 0}, std::nullopt, Fill{0xFFFFFF, 0x000000}, false, Part::on});
    face.shapes.push_back({Line{{2, 30.5}, {20, 30.5}}, Stroke{0x0000FF, 1, Cap::flat},
                           std::nullopt, true, Part::off});
    // A quarter counter-clockwise from three o'clock: the upper right only.
    face.shapes.push_back(
        {Arc{{30, 30}, 6, 0, 90}, Stroke{0x00FF00, 2, Cap::flat}, std::nullopt, false});
    face.shapes.push_back(
        {Ellipse{{32, 8}, 3, 3}, std::nullopt, Fill{0xFF00FF, std::nullopt}, false});
    QImage image(40, 40, QImage::Format_RGB32);
    const auto paint = [&](Part position) {
        image.fill(Qt::white);
        QPainter p(&image);
        paint_face(p, face, position);
    };
    paint(Part::on);
    EXPECT_EQ(QColor(image.pixel(4, 4)), QColor(Qt::red));
    EXPECT_EQ(QColor(image.pixel(32, 8)), QColor(Qt::magenta));
    EXPECT_GT(qGray(image.pixel(15, 4)), 200);                  // shaded from white at the top
    EXPECT_LT(qGray(image.pixel(15, 20)), 60);                  // to black at the bottom
    EXPECT_EQ(QColor(image.pixel(10, 30)), QColor(Qt::white));  // the other position's line
    const QPointF upper = QPointF(30, 30) + QPointF(6, -6) / std::sqrt(2.0);
    const QPointF lower = QPointF(30, 30) + QPointF(6, 6) / std::sqrt(2.0);
    EXPECT_GT(qGreen(image.pixel(upper.toPoint())), 200);
    EXPECT_LT(qRed(image.pixel(upper.toPoint())), 100);
    EXPECT_EQ(QColor(image.pixel(lower.toPoint())), QColor(Qt::white));
    paint(Part::off);
    EXPECT_EQ(QColor(image.pixel(10, 30)), QColor(Qt::blue));
    EXPECT_EQ(QColor(image.pixel(15, 4)), QColor(Qt::white));
}

// A change of scale, colour or ticks after the first paint shows as on a
// thermometer made with it.
TEST(InstrumentTest, AThermometerDrawsItsFaceAsItsLookNowIs) {
    Thermometer changed;
    changed.resize(43, 110);
    changed.setRange(-20, 75);
    (void)shown(changed);
    changed.setRange(10, 50);
    changed.setTickLabels(true);
    changed.setDesiredTicks(6);
    changed.setColumnColour(QColor(0x00, 0xC0, 0x00));
    changed.setPosition(31);
    layout::ThermometerLook look{10, 50};
    look.column_rgb = 0x00C000;
    look.figures = true;
    look.desired_ticks = 6;
    const layout::ThermometerFrame frame = layout::thermometer_frame(43, 110, look, line_height);
    const QImage expected =
        painted(layout::thermometer_face(43, 110, look, line_height),
                layout::thermometer_column(frame, 0x00C000, (31 - 10) / 40.0), changed);
    EXPECT_EQ(shown(changed), expected);
}

TEST(InstrumentTest, AManometerDrawsItsFaceAsItsLookNowIs) {
    Manometer gauge;
    gauge.resize(46, 38);
    (void)shown(gauge);
    gauge.setRange(-50, 150);
    gauge.setLoweredBevel(true);
    gauge.setPosition(100);
    const QImage expected = painted(layout::gauge_face(46, 38, {-50, 150, true}, line_height),
                                    layout::gauge_needle(46, 38, 0.75), gauge);
    EXPECT_EQ(shown(gauge), expected);
}

// The page turns the face's needle about the hub by the dial's angle; the
// window draws it at that angle: both end at the same tip.
TEST(InstrumentTest, TheNeedleTurnedByItsAngleIsTheNeedleAtItsPosition) {
    const layout::Face face = layout::gauge_face(46, 38, {}, line_height);
    const auto needle = std::find_if(face.shapes.begin(), face.shapes.end(),
                                     [](const auto& s) { return s.part == layout::Part::needle; });
    ASSERT_NE(needle, face.shapes.end());
    const auto& rest = std::get<layout::Line>(needle->geometry);
    for (double fraction : {0.0, 0.3, 0.5, 1.0}) {
        QTransform turn;
        turn.translate(rest.from.x, rest.from.y);
        turn.rotate(-layout::dial_angle(fraction));  // Qt's degrees run clockwise, as SVG's
        turn.translate(-rest.from.x, -rest.from.y);
        const QPointF turned = turn.map(QPointF(rest.to.x, rest.to.y));
        const layout::Shape needle_at = layout::gauge_needle(46, 38, fraction);
        const auto& at = std::get<layout::Line>(needle_at.geometry);
        EXPECT_NEAR(turned.x(), at.to.x, 1e-9) << fraction;
        EXPECT_NEAR(turned.y(), at.to.y, 1e-9) << fraction;
    }
}

TEST(InstrumentTest, TheRoomThermometerLabelsItsScaleAtRoundValues) {
    Thermometer room;
    room.setRange(10, 50);
    room.setTickLabels(true);
    room.setDesiredTicks(6);
    EXPECT_EQ(room.labels(), (QStringList{"10", "20", "30", "40", "50"}));
    room.setDesiredTicks(0);
    room.setMajorTicks(4);
    room.setRange(-20, 75);
    EXPECT_EQ(room.labels(), (QStringList{"-20", "11.6667", "43.3333", "75"}));
}

// Controls standing at odd places: at QT_SCALE_FACTOR 1.5 (this test runs
// there too) their edges fall across device pixels, and each of the four
// must still show.
TEST(EdgesTest, EveryEdgeShowsAtOddPlacesAtAnyScreenScale) {
    QWidget window;
    window.setAutoFillBackground(true);
    window.setPalette(QPalette(Qt::white));
    window.resize(130, 90);
    TabControl tab({"a", "b"}, 2, &window);
    tab.setGeometry(17, 5, 61, 55);
    Picture picture(QStringLiteral(":/pictures/not_there.svg"), Picture::Fit::natural, true,
                    &window);
    picture.setGeometry(85, 23, 33, 29);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QImage shot = window.grab().toImage();
    const double scale = shot.devicePixelRatio();
    // Something other than the white background within `depth` pixels
    // inside one edge, halfway along it.
    const auto shows = [&](const QRect& g, int dx, int dy, double depth) {
        const QPointF mid = QRectF(g).center();
        const QPointF edge(dx < 0   ? g.left()
                           : dx > 0 ? g.left() + g.width()
                                    : mid.x(),
                           dy < 0   ? g.top()
                           : dy > 0 ? g.top() + g.height()
                                    : mid.y());
        for (int step = 0; step < std::ceil(depth * scale) + 1; ++step) {
            const QPoint at(int(edge.x() * scale) - (dx > 0 ? 1 : 0) - dx * step,
                            int(edge.y() * scale) - (dy > 0 ? 1 : 0) - dy * step);
            if (QColor(shot.pixel(at)) != QColor(Qt::white))
                return true;
        }
        return false;
    };
    const QRect page = tab.geometry().adjusted(0, tab.stripHeight(), 0, 0);
    for (const auto& [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, 1}}) {
        EXPECT_TRUE(shows(page, dx, dy, 1)) << "tab page " << dx << ", " << dy;
    }
    for (const auto& [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
        EXPECT_TRUE(shows(picture.geometry(), dx, dy, 2)) << "picture " << dx << ", " << dy;
    }
}

TEST(PictureTest, AMissingResourceDrawsNothingAndStillMoves) {
    QWidget parent;
    Picture pic(QStringLiteral(":/pictures/not_there.svg"), Picture::Fit::stretched, false,
                &parent);
    EXPECT_FALSE(pic.hasPicture());
    pic.resize(10, 10);
    QWidget blank(&parent);
    blank.resize(10, 10);
    EXPECT_EQ(pic.grab().toImage(), blank.grab().toImage());
    pic.setContainerOffset(QPoint(0, -32));
    pic.setTop(2005.6f);
    EXPECT_EQ(pic.property("top").toFloat(), 2005.6f);
    EXPECT_EQ(pic.y(), 134 - 32);
}

// A picture lets its parsed form go once drawn: a new zoom reads it again.
TEST(PictureTest, AZoomDrawsThePictureAgainFromItsSource) {
    Picture pic(QString::fromLatin1(assets::kFlowmeterFloat), Picture::Fit::natural, false);
    pic.resize(80, 80);
    QWidget blank;
    blank.resize(80, 80);
    const QImage normal = pic.grab().toImage();
    pic.setZoom(2);
    const QImage doubled = pic.grab().toImage();
    EXPECT_NE(doubled, blank.grab().toImage());
    EXPECT_NE(doubled, normal);
    pic.setZoom(1);
    EXPECT_EQ(pic.grab().toImage(), normal);
}

// The menu bar's overflow arrow is read when first drawn, and is then Qt's own.
TEST(DeferredIconTest, TheOverflowArrowIsTheStylesOwnWhenDrawn) {
    const QString base = QApplication::style()->name();
    const std::unique_ptr<QStyle> deferring(style_deferring_overflow_icon(base));
    const std::unique_ptr<QStyle> own(QStyleFactory::create(base));
    const auto arrow = [](const QStyle& style) {
        return style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).pixmap(16).toImage();
    };
    const QImage drawn = arrow(*deferring);
    EXPECT_FALSE(drawn.isNull());
    EXPECT_EQ(drawn, arrow(*own));
}

}  // namespace
}  // namespace gelvor::ui
