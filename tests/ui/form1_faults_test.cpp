// A pass that faults and the cycle on the chart: what the window shows when
// a pass cannot finish, and where the cycle's segments and letters land.
#include "present/chart_overlay.h"
#include "present/pass.h"
#include "tests/ui/window_driver.h"
#include "ui/box_mark.h"
#include "ui/cycle_overlay.h"
#include "ui/look.h"
#include "ui/number_style_qt.h"
#include "ui/text_qt.h"
#include "ui/twips.h"
#include "ui/widgets/overlay_shapes.h"

namespace gelvor::ui::testing {
namespace {

using Faults = WindowTest;

TEST_F(Faults, TextThatIsNoNumberIsNamedAndEmptiesWhatThePassDidNotReach) {
    switchOnWith(20, 20);
    const double gauge = position("GaugeX1");
    type("Text3", "abc");
    raiseFlow("VScroll1");

    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(status().contains(QString::fromUtf8("presión barométrica")))
        << status().toStdString();
    EXPECT_TRUE(status().contains("abc"));
    // The flows come before the barometer box is read; nothing after them is shown.
    EXPECT_EQ(text("Text6"), "21.0 g/s");
    EXPECT_EQ(text("Text5"), "20.0 g/s");
    for (const char* target : display_targets()) {
        const QString t = QLatin1String(target);
        if (t == "Text6" || t == "Text5" || !t.startsWith("Text"))
            continue;
        EXPECT_TRUE(text(target).isEmpty()) << target;
    }
    EXPECT_EQ(position("GaugeX1"), gauge);  // instruments keep their needles
    EXPECT_FALSE(overlayShown());
    EXPECT_TRUE(find("Picture1_1")->isVisible());  // the pictures follow the switch alone
    // The box at fault is framed in red; the boxes the pass did not read are not.
    EXPECT_EQ(box_mark(find<QLineEdit>("Text3")), BoxMark::fault);
    EXPECT_EQ(box_mark(find<QLineEdit>("Text8")), BoxMark::none);
    QWidget* frame = find("Text3_mark");
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->geometry(), find("Text3")->geometry());
    const QObjectList& stack = frame->parent()->children();
    EXPECT_GT(stack.indexOf(frame), stack.indexOf(find("UpDown1")));  // above the spin's edge

    type("Text3", "1010");
    raiseFlow("VScroll1");
    EXPECT_EQ(box_mark(find<QLineEdit>("Text3")), BoxMark::none);
    EXPECT_FALSE(frame->isVisible());
    EXPECT_TRUE(status().isEmpty());
    EXPECT_TRUE(overlayShown());
    EXPECT_EQ(text("Text7_0").isEmpty(), false);
}

// The coldest water with the most evaporator water, a hot room and a high
// barometer: te reaches t1, so only the evaporator's Atlm and U are undefined.
// The cycle stays drawn at te and tc.
TEST_F(Faults, EvaporatorLogarithmCornerDrawsTheCycleWithItsTwoBoxesEmpty) {
    switchOnWith(20, 30);
    setSpin("UpDown3", 14);
    setSpin("UpDown2", 50);
    setSpin("UpDown1", 1070);
    setBar("VScroll1", 0);
    EXPECT_TRUE(status().contains("Atlm del evaporador")) << status().toStdString();
    EXPECT_TRUE(text("Text7_24").isEmpty());
    EXPECT_TRUE(text("Text7_25").isEmpty());
    for (const char* reached : {"Text7_21", "Text7_22", "Text7_30", "Text7_0", "Text10"})
        EXPECT_FALSE(text(reached).isEmpty()) << reached;
    ASSERT_TRUE(overlayShown());
    auto prop = [&](const char* n, const char* p) { return find(n)->property(p).toFloat(); };
    EXPECT_EQ(prop("Line1_1", "y1"), static_cast<float>(chart::level_y(position("ter_5"))));
    EXPECT_EQ(prop("Line1_3", "y1"), static_cast<float>(chart::level_y(position("ter_4"))));
    for (const char* box : {"Text3", "Text4", "Text8"})
        EXPECT_EQ(box_mark(find<QLineEdit>(box)), BoxMark::none) << box;

    setBar("VScroll1", 50 - 20);
    // The fault goes; at 50 ºC in the room the compression beats the isentropic one, which is
    // noted.
    EXPECT_TRUE(status().startsWith("La compresión de A a B rinde más que la isentrópica"))
        << status().toStdString();
    EXPECT_FALSE(text("Text7_24").isEmpty());
    EXPECT_TRUE(overlayShown());
}

// The longest messages take a second line rather than lose their end; the
// message goes when the machine is switched off.
TEST_F(Faults, ALongMessageIsShownWholeAndGoesWhenTheMachineStops) {
    switchOnWith(20, 20);
    auto* line = find<QLabel>("statusLine");
    const int one_line = line->parentWidget()->height();
    const QSize window = form->size();
    type("Text4", "1e308");
    type("Text8", "1e308");
    raiseFlow("VScroll1");
    ASSERT_TRUE(status().contains("Fuera de rango")) << status().toStdString();
    QApplication::processEvents();
    EXPECT_GT(line->parentWidget()->height(), one_line);
    EXPECT_GE(line->height(), line->heightForWidth(line->width()));
    EXPECT_GE(form->centralWidget()->height(), 534);  // the layout area keeps its size

    operateSwitch();
    EXPECT_FALSE(on());
    EXPECT_TRUE(status().isEmpty());
    EXPECT_EQ(line->parentWidget()->height(), one_line);
    EXPECT_EQ(form->size(), window);
}

TEST_F(Faults, AFaultWhileOffShowsNothingUntilTheMachineRuns) {
    type("Text8", "x");
    raiseFlow("VScroll1");
    EXPECT_EQ(status(), kApplyHint);  // only how to apply it
    setBar("VScroll1", 30);
    setBar("VScroll2", 30);
    operateSwitch();
    EXPECT_TRUE(on());
    EXPECT_TRUE(status().contains("temperatura de entrada de agua")) << status().toStdString();
    EXPECT_FALSE(overlayShown());
    EXPECT_TRUE(find("Picture1_0")->isVisible());
}

// Where the bench's model leaves physical validity the status line says so in
// its own colour, beside a range warning in amber; the displays stay as computed.
TEST_F(Faults, AValidityNoteHasItsOwnColourBesideARangeWarning) {
    switchOnWith(20, 20);
    type("Text4", "50");
    QTest::keyClick(find<QLineEdit>("Text4"), Qt::Key_Return);
    const PassDisplay pass = run_pass(form->session().settings(), qt::number_style(QLocale()));
    ASSERT_EQ(pass.validity_notes.size(), 1u);
    EXPECT_EQ(status(), qt::to_qstring(pass.validity_notes[0].text));
    EXPECT_EQ(find<QLabel>("statusLine")->palette().color(QPalette::WindowText),
              look::kValidityText);
    EXPECT_EQ(text("Text7_9"), "sobrecalent");

    type("Text8", "20");  // the water out of range too
    QTest::keyClick(find<QLineEdit>("Text8"), Qt::Key_Return);
    const QString shown = find<QLabel>("statusLine")->text();
    EXPECT_TRUE(shown.contains(look::kWarningText.name()) &&
                shown.contains(look::kValidityText.name()))
        << shown.toStdString();
    EXPECT_EQ(status().count(u'\n'), 1);
    // Typed markup stays text.
    type("Text3", "<b>x");
    QTest::keyClick(find<QLineEdit>("Text3"), Qt::Key_Return);
    EXPECT_TRUE(status().contains("<b>x")) << status().toStdString();
}

// A setting typed outside its range computes as before, framed in amber with
// a warning; back in range both go, and a fault at the same time wins.
TEST_F(Faults, ASettingOutOfRangeIsWarnedInAmberUntilAFaultOrItsRangeClearsIt) {
    switchOnWith(20, 20);
    int flip = 0;  // a pass at 20 or 21 g/s through the evaporator
    const auto pass_again = [&] { setBar("VScroll1", 30 - (++flip % 2)); };
    const struct {
        const char* box;
        const char* typed;
        const char* back;
        const char* named;
    } cases[] = {{"Text3", "949", "1010", "Presión barométrica"},
                 {"Text3", "1100", "1010", "Presión barométrica"},
                 {"Text4", "9", "18", "Temperatura ambiente"},
                 {"Text4", "70", "18", "Temperatura ambiente"},
                 {"Text8", "13", "15", "Temperatura de entrada de agua"},
                 {"Text8", "99", "15", "Temperatura de entrada de agua"}};
    for (const auto& c : cases) {
        type(c.box, c.typed);
        pass_again();
        const PassDisplay pass = run_pass(form->session().settings(), qt::number_style(QLocale()));
        for (const DisplayWrite& w : pass.writes) {
            if (w.kind == DisplayWrite::Kind::text) {
                EXPECT_EQ(text(w.target), qt::to_qstring(w.text))
                    << w.target << " with " << c.typed;
            }
        }
        EXPECT_TRUE(status().startsWith(QString::fromUtf8(c.named))) << status().toStdString();
        EXPECT_TRUE(status().contains(QString::fromUtf8("extrapolación")));
        EXPECT_EQ(box_mark(find<QLineEdit>(c.box)), BoxMark::warning) << c.box;
        EXPECT_TRUE(overlayShown());

        type("Text3", "abc");  // a fault at the same time wins
        pass_again();
        EXPECT_FALSE(status().contains(QString::fromUtf8("extrapolación")));
        EXPECT_EQ(box_mark(find<QLineEdit>("Text3")), BoxMark::fault);
        type("Text3", "1010");
        type(c.box, c.back);
        pass_again();
        EXPECT_TRUE(status().isEmpty()) << status().toStdString();
        EXPECT_EQ(box_mark(find<QLineEdit>(c.box)), BoxMark::none) << c.box;
    }
}

TEST(CycleOverlayPlacement, SegmentsAndLettersLandWhereThePassPutThem) {
    ChartOverlay overlay{};
    ASSERT_TRUE(place_chart_overlay(0, 40, overlay));  // te = 0 °C, tc = 40 °C
    QWidget chart;
    std::array<LineShape*, 4> lines{};
    std::array<PlacedLabel*, 4> letters{};
    const char* names[] = {"A", "B", "C", "D"};
    for (std::size_t i = 0; i < 4; ++i) {
        lines[i] = new LineShape(Qt::red, 3, &chart);
        letters[i] = new PlacedLabel(QLatin1String(names[i]), &chart);
    }
    CycleOverlay view(lines, letters);
    view.place(overlay);

    // D-A, the evaporation, at the 0 °C level.
    EXPECT_EQ(lines[1]->y1(), 2535.0f);
    EXPECT_EQ(lines[1]->y2(), 2535.0f);
    EXPECT_NEAR(lines[1]->x1(), 1138.25, 0.01);
    EXPECT_NEAR(lines[1]->x2(), 2235.03, 0.01);
    EXPECT_NEAR(lines[3]->y1(), 1881.8, 0.01);
    EXPECT_NEAR(lines[2]->x2(), 2801.20, 0.01);
    // Letters at their top-left corners, in the chart's pixels.
    EXPECT_NEAR(letters[0]->left(), 2285.03, 0.01);
    EXPECT_EQ(letters[0]->top(), 2585.0f);
    EXPECT_EQ(letters[0]->pos(), QPoint(px(2285.03), px(2585)));
    EXPECT_EQ(letters[1]->pos(), QPoint(px(2951.20), px(1731.8)));
    EXPECT_EQ(letters[2]->pos(), QPoint(px(888.25), px(1731.8)));
    EXPECT_EQ(letters[3]->pos(), QPoint(px(888.25), px(2585)));
    // Each segment's widget covers both of its ends.
    for (LineShape* l : lines) {
        const QPoint a(px(l->x1()), px(l->y1())), b(px(l->x2()), px(l->y2()));
        EXPECT_TRUE(l->geometry().contains(a) && l->geometry().contains(b));
    }
    view.setShown(true);
    chart.show();
    EXPECT_TRUE(lines[0]->isVisible() && letters[3]->isVisible());
}

using Overlay = WindowTest;

TEST_F(Overlay, SegmentsChainFromPointToPointAndLettersFollowThem) {
    switchOnWith(20, 20);
    auto prop = [&](const char* n, const char* p) { return find(n)->property(p).toFloat(); };
    EXPECT_EQ(prop("Line1_0", "x1"), prop("Line1_0", "x2"));  // C-D: the valve keeps the enthalpy
    EXPECT_EQ(prop("Line1_1", "y1"), prop("Line1_1", "y2"));  // D-A at the evaporator level
    EXPECT_EQ(prop("Line1_3", "y1"), prop("Line1_3", "y2"));  // B-C at the condenser level
    EXPECT_EQ(prop("Line1_0", "y2"), prop("Line1_1", "y1"));
    EXPECT_EQ(prop("Line1_1", "x2"), prop("Line1_2", "x1"));
    EXPECT_EQ(prop("Line1_2", "x2"), prop("Line1_3", "x1"));
    EXPECT_EQ(prop("Line1_3", "x2"), prop("Line1_0", "x1"));
    EXPECT_LT(prop("Line1_3", "y1"), prop("Line1_1", "y1"));  // the condenser above the evaporator
    EXPECT_EQ(prop("Label2_0", "left"), prop("Line1_1", "x2") + 50);
    EXPECT_EQ(prop("Label2_1", "top"), prop("Line1_2", "y2") - 150);
    EXPECT_EQ(prop("Label2_2", "left"), prop("Line1_3", "x2") - 250);
    EXPECT_EQ(prop("Label2_3", "top"), prop("Line1_1", "y1") + 50);
    EXPECT_EQ(find("Line1_0")->parentWidget()->parentWidget(), find("Picture2"));
}

}  // namespace
}  // namespace gelvor::ui::testing
