// The main window as it first shows: every control by its name, where it
// stands, what kind it is, its start state, and captions that are not cut.
#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QAction>
#include <QFontMetrics>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>
#include <map>
#include <set>

#include "assets/assets.h"
#include "layout/control_table.h"
#include "layout/form1_layout.h"
#include "layout/narrow_layout.h"
#include "tests/ui/window_driver.h"
#include "ui/look.h"
#include "ui/twips.h"
#include "ui/widgets/flow_bar.h"
#include "ui/widgets/halo_label.h"
#include "ui/widgets/manometer.h"
#include "ui/widgets/overlay_shapes.h"
#include "ui/widgets/picture.h"
#include "ui/widgets/rocker_switch.h"
#include "ui/widgets/spin_control.h"
#include "ui/widgets/tab_control.h"
#include "ui/widgets/thermometer.h"
#include "ui/zoom.h"

namespace gelvor::ui::testing {
namespace {

using Layout = WindowTest;

QStringList indexed(const char* name, int count) {
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i);
    return names;
}

// Shows each page of the right tab control once, ending on "Datos" as at
// start: the manual, the Ps-Ts chart and the photograph are built then.
void showEveryPage(TabControl* tab) {
    for (int i = tab->count() - 1; i >= 0; --i) tab->setCurrentIndex(i);
}

TEST_F(Layout, EveryControlExistsByItsName) {
    for (const char* late : {"Image3", "Image4"})
        EXPECT_EQ(form->findChild<QWidget*>(late), nullptr) << late << " built before shown";
    EXPECT_TRUE(find<QPlainTextEdit>("Text2")->document()->isEmpty())
        << "manual laid out before shown";
    showEveryPage(find<TabControl>("SSTab1"));
    showEveryPage(find<TabControl>("SSTab1"));
    EXPECT_EQ(form->findChildren<QWidget*>("Image3").size(), 1);
    EXPECT_EQ(find<QPlainTextEdit>("Text2")->toPlainText(), assets::manual_text());
    QStringList names = {
        "GaugeX1", "GaugeX2", "Interruptor", "VScroll1", "VScroll2",       "Image1", "Image2",
        "c_0",     "SSTab1",  "SSTab2",      "Picture2", "Picture3",       "Text2",  "Image3",
        "Image4",  "Frame1",  "Image5",      "Line2",    "Label3",         "Label4", "Text3",
        "Text4",   "UpDown1", "UpDown2",     "UpDown3",  "iThermometerX1", "Label5", "Label6",
        "Text5",   "Text6",   "Text8",       "Text9",    "Text10",         "Text11", "Text12"};
    names << indexed("ter", 6) << indexed("Picture1", 3) << indexed("Label11", 8)
          << indexed("Label1", 8) << indexed("Line1", 4) << indexed("Label2", 4)
          << indexed("Text7", 32) << indexed("Label9", 5) << indexed("Label10", 5);
    for (int i : {1, 2, 3, 4, 5, 10, 15, 20, 25, 34, 35, 30, 36, 39, 46, 47, 42, 51, 0, 45, 49})
        names << QStringLiteral("l9_%1").arg(i);
    for (const QString& n : names) {
        QWidget* w = form->findChild<QWidget*>(n);
        ASSERT_NE(w, nullptr) << n.toStdString();
        EXPECT_FALSE(w->accessibleName().isEmpty()) << n.toStdString();
    }
    EXPECT_EQ(form->objectName(), "Form1");
    EXPECT_EQ(form->windowTitle(), "MAQUINA FRIGORIFICA - BOMBA DE CALOR");
}

// The control table both front ends build from.
using layout::ControlKind;
using layout::ControlRow;

const ControlRow& row_named(const std::string& name) {
    const ControlRow* row = layout::find_control(name);
    if (!row)
        throw std::runtime_error("no row " + name);
    return *row;
}

// A container comes before what it holds, so that a front end can build the
// rows in order; a control on a tab control stands on one of its pages.
TEST(ControlTable, EachControlOnceAfterItsContainer) {
    std::set<std::string> seen{layout::kFormName};
    for (const ControlRow& row : layout::control_table()) {
        EXPECT_TRUE(seen.count(row.parent)) << row.name << " before its container " << row.parent;
        EXPECT_TRUE(seen.insert(row.name).second) << row.name << " twice";
        if (row.parent == layout::kFormName)
            continue;
        const ControlRow& parent = row_named(row.parent);
        if (parent.kind == ControlKind::tabs) {
            EXPECT_GE(row.page, 0) << row.name;
            EXPECT_LT(row.page,
                      static_cast<int>(parent.get<const layout::TabsSpec*>()->captions.size()))
                << row.name;
        } else {
            EXPECT_EQ(row.page, -1) << row.name;
        }
    }
    EXPECT_EQ(seen.size(), layout::control_table().size() + 1);
}

// A box is a setting exactly when a spin writes it, and Tab goes from the box
// to its spin; what refers to another control names one that comes before it.
TEST(ControlTable, SettingsAreTheSpinsBoxesEachRightBeforeItsSpin) {
    const auto rows = layout::control_table();
    int settings = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ControlRow& row = rows[i];
        if (row.kind == ControlKind::spin) {
            ASSERT_GT(i, 0u);
            const ControlRow& box = rows[i - 1];
            EXPECT_EQ(box.name, row.buddy);
            EXPECT_EQ(box.kind, ControlKind::box);
            EXPECT_FALSE(box.read_only);
            EXPECT_EQ(box.parent, row.parent);
            EXPECT_EQ(box.page, row.page);
            EXPECT_TRUE(box.tab_stop && row.tab_stop) << row.name;
        }
        if (row.kind == ControlKind::box) {
            const bool spun = i + 1 < rows.size() && rows[i + 1].kind == ControlKind::spin;
            EXPECT_EQ(row.read_only, !spun) << row.name;
            EXPECT_EQ(row.tab_stop, spun) << row.name;
            settings += spun;
        }
        if (row.kind == ControlKind::flow_bar) {
            EXPECT_EQ(row_named(row.buddy).kind, ControlKind::picture) << row.name;
            EXPECT_LT(&row_named(row.buddy), &row) << row.name;
        }
    }
    EXPECT_EQ(settings, 3);
}

// The tab control and page a control stands on, through its frames; none
// for the drawing.
std::pair<std::string, int> page_of(const ControlRow& row) {
    const ControlRow* r = &row;
    while (r->parent != layout::kFormName) {
        const ControlRow& parent = row_named(r->parent);
        if (parent.kind == ControlKind::tabs)
            return {parent.name, r->page};
        r = &parent;
    }
    return {"", -1};
}

// On a narrow screen a page laid out as a form places every control on it
// in a cell of its own within the form's columns (a frame's cells inside
// its own rows; a line over its picture); a control it forgot would lie on
// the others at its twips, and a name it mistyped would never be placed.
TEST(ControlTable, NarrowFormsPlaceEveryControlOfTheirPagesInACellOfItsOwn) {
    using layout::NarrowPart;
    for (const layout::NarrowForm& form : layout::narrow_forms()) {
        for (const layout::FormEntry& entry : form.cells) {
            const ControlRow* row = layout::find_control(entry.name);
            ASSERT_TRUE(row) << entry.name;
            EXPECT_EQ(page_of(*row), std::make_pair(std::string(form.tabs), form.page))
                << entry.name;
        }
    }
    std::map<std::pair<int, int>, std::string> taken;  // (row, column) to its control
    for (const ControlRow& row : layout::control_table()) {
        const auto [tabs, page] = page_of(row);
        if (tabs.empty() || !layout::narrow_form_page(tabs, page))
            continue;
        const layout::NarrowPlace place = layout::narrow_place(row);
        ASSERT_EQ(place.part, NarrowPart::form) << row.name << " has no cell on its form";
        const layout::FormCell& c = place.cell;
        EXPECT_GE(c.row, 1) << row.name;
        EXPECT_GE(c.column, 1) << row.name;
        EXPECT_LE(c.column + c.columns - 1, layout::kFormColumns) << row.name;
        if (row.parent != tabs) {
            const layout::FormCell frame = layout::narrow_place(row_named(row.parent)).cell;
            EXPECT_GT(c.row, frame.row) << row.name << " above its frame's title";
            EXPECT_LT(c.row + c.rows - 1, frame.row + frame.rows) << row.name << " below its frame";
        }
        if (c.over) {
            const layout::FormCell under = layout::narrow_place(row_named(c.over)).cell;
            EXPECT_EQ(row_named(c.over).kind, ControlKind::picture) << row.name;
            EXPECT_EQ(std::make_pair(c.row, c.column), std::make_pair(under.row, under.column))
                << row.name;
            continue;
        }
        if (row.kind == ControlKind::frame)
            continue;  // its title has its first row, and its controls the others
        for (int r = c.row; r < c.row + c.rows; ++r) {
            for (int col = c.column; col < c.column + c.columns; ++col) {
                const auto [at, fresh] = taken.emplace(std::make_pair(r, col), row.name);
                EXPECT_TRUE(fresh) << row.name << " and " << at->second << " share a cell";
            }
        }
    }
    EXPECT_FALSE(taken.empty());
}

// Whatever the operator works stands whole on a narrow screen, where a
// finger can press it: in the band under the drawing, as a tab control, or
// in a form, a setting's box and spin on one row; nothing is worked on a
// part that is scaled down to the screen.
TEST(ControlTable, OnANarrowScreenWhatIsWorkedIsNotScaledDown) {
    using layout::NarrowPart;
    int band = 0;
    for (const ControlRow& row : layout::control_table()) {
        const layout::NarrowPlace place = layout::narrow_place(row);
        if (row.tab_stop) {
            EXPECT_TRUE(place.part == NarrowPart::band || place.part == NarrowPart::whole ||
                        place.part == NarrowPart::form)
                << row.name;
        }
        if (row.parent == layout::kFormName && row.kind != ControlKind::tabs) {
            EXPECT_EQ(place.part, row.tab_stop ? NarrowPart::band : NarrowPart::drawing)
                << row.name;
        }
        band += place.part == NarrowPart::band;
        if (row.kind == ControlKind::spin) {
            const layout::FormCell box = layout::narrow_place(row_named(row.buddy)).cell;
            EXPECT_EQ(place.cell.row, box.row) << row.name;
            EXPECT_GT(place.cell.column, box.column) << row.name;
        }
    }
    EXPECT_EQ(band, 3);  // the two flow bars and the switch
}

// The class each kind of row is built as on the desktop.
bool built_as_its_kind(const ControlRow& row, QWidget* w) {
    switch (row.kind) {
        case ControlKind::marker:
            return qobject_cast<HaloLabel*>(w);
        case ControlKind::hotspot:
        case ControlKind::label:
        case ControlKind::caption:
            return qobject_cast<QLabel*>(w) && !qobject_cast<HaloLabel*>(w);
        case ControlKind::picture:
            return qobject_cast<Picture*>(w);
        case ControlKind::gauge:
            return qobject_cast<Manometer*>(w);
        case ControlKind::thermometer:
            return qobject_cast<Thermometer*>(w);
        case ControlKind::flow_bar:
            return qobject_cast<FlowBar*>(w);
        case ControlKind::power_switch:
            return qobject_cast<RockerSwitch*>(w);
        case ControlKind::tabs:
            return qobject_cast<TabControl*>(w);
        case ControlKind::frame:
            return qobject_cast<QGroupBox*>(w);
        case ControlKind::box:
            return qobject_cast<QLineEdit*>(w) &&
                   qobject_cast<QLineEdit*>(w)->isReadOnly() == row.read_only;
        case ControlKind::spin:
            return qobject_cast<SpinControl*>(w);
        case ControlKind::manual:
            return qobject_cast<QPlainTextEdit*>(w);
        case ControlKind::line:
            return qobject_cast<LineShape*>(w);
        case ControlKind::overlay:
            return false;  // no widget of its own: its segments and letters
    }
    return false;
}

// One widget for each row of the table, of its kind, in its container, at
// its place, a Tab stop as the row says; and no other control.
TEST_F(Layout, TheWindowBuildsExactlyTheControlTable) {
    showEveryPage(find<TabControl>("SSTab1"));
    std::set<QString> expected;
    for (const ControlRow& row : layout::control_table()) {
        const std::string& name = row.name;
        QWidget* container =
            row.parent == layout::kFormName ? find("bench") : find(row.parent.c_str());
        if (row.page >= 0)
            container = qobject_cast<TabControl*>(container)->page(row.page);
        if (row.kind == ControlKind::overlay) {
            container = qobject_cast<Picture*>(container)->area();
            for (const layout::OverlaySpec& s : row.get<layout::OverlayLook>().items) {
                for (const char* part : {s.line, s.letter_name}) {
                    expected.insert(part);
                    EXPECT_EQ(find(part)->parentWidget(), container) << part;
                }
            }
            continue;
        }
        expected.insert(QString::fromStdString(name));
        const auto named = form->findChildren<QWidget*>(QString::fromStdString(name));
        ASSERT_EQ(named.size(), 1) << name;
        QWidget* w = named.front();
        EXPECT_TRUE(built_as_its_kind(row, w)) << name << " is a " << w->metaObject()->className();
        EXPECT_EQ(w->parentWidget(), container) << name;
        EXPECT_EQ(w->accessibleName().toStdString(), row.accessible) << name;
        EXPECT_EQ(bool(w->focusPolicy() & Qt::TabFocus), row.tab_stop) << name;
        if (row.kind != ControlKind::line) {
            const auto at = placed_at(w);
            ASSERT_TRUE(at) << name;
            EXPECT_EQ(at->left, row.rect.left) << name;
            EXPECT_EQ(at->top, row.rect.top) << name;
            EXPECT_EQ(at->width, row.rect.width) << name;
        }
    }
    // The window's own: the drawing, the status line, the menus, the tab pages.
    const std::set<QString> own = {"bench", "statusLine"};
    for (QWidget* w : form->findChildren<QWidget*>()) {
        const QString name = w->objectName();
        if (name.isEmpty() || name.startsWith("qt_") || own.count(name) ||
            qobject_cast<QMenu*>(w) || qobject_cast<TabControl*>(w->parentWidget()) ||
            w->window() != form.get())
            continue;
        EXPECT_TRUE(expected.count(name)) << name.toStdString() << " is in no row";
    }
}

TEST_F(Layout, AControlTheWindowLacksFailsItsTestInsteadOfCrashing) {
    EXPECT_THROW(find("NoSuchControl"), MissingControl);
    EXPECT_THROW(find<QScrollBar>("Text3"), MissingControl);
}

TEST_F(Layout, NamedWidgetsAllCarryAnAccessibleName) {
    showEveryPage(find<TabControl>("SSTab1"));
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith("qt_"))
            continue;
        EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
    }
}

TEST_F(Layout, ControlsStandAtTheirPlacesInTheirContainers) {
    EXPECT_EQ(find("bench")->size(), QSize(714, 534));  // 10710 x 8010 twips
    EXPECT_EQ(find("GaugeX1")->geometry(), QRect(25, 13, 46, 38));
    EXPECT_EQ(find("Interruptor")->geometry(), QRect(101, 179, 24, 33));
    EXPECT_EQ(find("VScroll2")->geometry(), QRect(31, 180, 15, 22));
    EXPECT_EQ(find("SSTab1")->geometry(), QRect(368, 6, 326, 519));
    // On a tab page a control stands in the tab control's coordinates.
    QWidget* tab1 = find("SSTab1");
    showEveryPage(find<TabControl>("SSTab1"));
    EXPECT_EQ(find("Text2")->mapTo(tab1, QPoint(0, 0)), QPoint(px(60), px(615)));
    EXPECT_EQ(find("Text7_12")->mapTo(tab1, QPoint(0, 0)), QPoint(px(2904), px(1416)));
    EXPECT_EQ(find("Picture2")->mapTo(find("SSTab2"), QPoint(0, 0)), QPoint(px(408), px(348)));
    // Inside the frame, the frame's coordinates.
    EXPECT_EQ(find("Text3")->parentWidget(), find("Frame1"));
    EXPECT_EQ(find("Text3")->pos(), QPoint(px(924), px(432)));
    EXPECT_EQ(find<TabControl>("SSTab1")->stripHeight(), 32);  // two rows of 238 twips
    EXPECT_EQ(find<TabControl>("SSTab2")->stripHeight(), 16);
}

TEST_F(Layout, ControlsAreOfTheirKindsWithTheirRanges) {
    struct Range {
        const char* name;
        double min, max, start;
    };
    const Range ranges[] = {
        {"GaugeX1", -100, 100, 20}, {"GaugeX2", -100, 100, 0}, {"ter_0", -20, 75, 20},
        {"ter_1", -20, 75, 20},     {"ter_2", -10, 30, 20},    {"ter_3", -10, 30, 20},
        {"ter_4", 0, 60, 20},       {"ter_5", -10, 30, 20},    {"iThermometerX1", 10, 50, 20}};
    for (const Range& r : ranges) {
        QWidget* w = find(r.name);
        EXPECT_EQ(w->property("positionMin").toDouble(), r.min) << r.name;
        EXPECT_EQ(w->property("positionMax").toDouble(), r.max) << r.name;
        EXPECT_EQ(w->property("position").toDouble(), r.start) << r.name;
    }
    for (const QString& box : indexed("Text7", 32))
        EXPECT_NE(form->findChild<QLineEdit*>(box), nullptr);
    // Numbers stand right in the state-point table, its fixed words centred.
    EXPECT_EQ(find<QLineEdit>("Text7_0")->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(find<QLineEdit>("Text7_9")->alignment(), Qt::AlignCenter);
    EXPECT_EQ(find<QLineEdit>("Text7_20")->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
    showEveryPage(find<TabControl>("SSTab1"));
    auto* manual = find<QPlainTextEdit>("Text2");
    EXPECT_FALSE(manual->isReadOnly());
    EXPECT_EQ(manual->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    auto* bar = find<QScrollBar>("VScroll1");
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 50);
    EXPECT_EQ(bar->value(), 50);
}

TEST_F(Layout, StartStateIsTheMachineAtRest) {
    EXPECT_FALSE(on());
    EXPECT_EQ(find("SSTab1")->property("currentIndex").toInt(), 0);
    EXPECT_EQ(find("SSTab2")->property("currentIndex").toInt(), 0);
    for (const QString& box : indexed("Text7", 32))
        EXPECT_TRUE(form->findChild<QLineEdit*>(box)->text().isEmpty());
    for (const char* box : {"Text5", "Text6", "Text9", "Text10", "Text11", "Text12"})
        EXPECT_EQ(text(box), "0");
    EXPECT_EQ(text("Text3"), "1010");
    EXPECT_EQ(text("Text4"), "18");
    EXPECT_EQ(text("Text8"), "15");
    for (const QString& p : indexed("Picture1", 3))
        EXPECT_TRUE(form->findChild<QWidget*>(p)->isHidden());
    EXPECT_TRUE(find("c_0")->isVisible());
    for (const QString& p : indexed("Line1", 4) + indexed("Label2", 4))
        EXPECT_TRUE(form->findChild<QWidget*>(p)->isHidden()) << p.toStdString();
    EXPECT_TRUE(status().isEmpty());
}

TEST_F(Layout, HotSpotsNameThePartsUnderThePointer) {
    EXPECT_EQ(find("Label1_3")->toolTip(), "COMPRESOR");
    EXPECT_EQ(find("Label1_1")->toolTip(), QString::fromUtf8("Cauldalímetro agua condensador"));
    EXPECT_EQ(find("Label1_3")->cursor().shape(), Qt::UpArrowCursor);
    EXPECT_EQ(find("Label1_1")->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(find("Interruptor")->toolTip(), "Interuptor ON/OFF");
    EXPECT_EQ(find("Text7_14")->cursor().shape(), Qt::ArrowCursor);
}

// The notebook's file commands stand between "&Reiniciar" and "&Salir".
TEST_F(Layout, MenuHoldsArchivoWithItsItemsAndAyuda) {
    auto* archivo = find<QMenu>("Ar");
    EXPECT_EQ(archivo->title(), "&Archivo");
    QStringList names, texts;
    for (const QAction* a : archivo->actions()) {
        if (!a->isSeparator()) {
            names << a->objectName();
            texts << a->text();
        }
    }
    EXPECT_EQ(names, QStringList({"re", "abrirRegistro", "guardarRegistro", "guardarRegistroComo",
                                  "prepararPractica", "revisarEntregas", "ce"}));
    EXPECT_EQ(texts.front(), "&Reiniciar");
    EXPECT_EQ(texts.back(), "&Salir");
    auto* ayuda = find<QMenu>("ay");
    EXPECT_EQ(ayuda->title(), "A&yuda");
    EXPECT_EQ(ayuda->menuAction()->objectName(), "ay");
    EXPECT_EQ(form->menuBar()->actions().back(), ayuda->menuAction());
}

TEST_F(Layout, VerAndRegistroStandBetweenArchivoAndAyudaWithTheirCommands) {
    const QList<QAction*> bar = form->menuBar()->actions();
    ASSERT_EQ(bar.size(), 4);
    EXPECT_EQ(bar[0]->text(), "&Archivo");
    EXPECT_EQ(bar[1]->text(), "&Ver");
    EXPECT_EQ(bar[2]->text(), "&Registro");
    EXPECT_EQ(bar[3]->text(), "A&yuda");
    const QList<QAction*> items = bar[1]->menu()->actions();
    ASSERT_EQ(items.size(), 3);
    const char* names[] = {"ampliar", "reducir", "tamanoOriginal"};
    const char* texts[] = {"&Ampliar", "&Reducir", "Tamaño &original"};
    const char* keys[] = {"Ctrl++", "Ctrl+-", "Ctrl+0"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(items[i]->objectName(), names[i]);
        EXPECT_EQ(items[i]->text(), QString::fromUtf8(texts[i]));
        EXPECT_EQ(items[i]->shortcut(), QKeySequence(keys[i]));
    }
}

using Zoomed = WindowTest;

// The container whose twips a control's place is given in: a tab control
// for the controls on its pages.
QWidget* container(QWidget* w) {
    QWidget* parent = w->parentWidget();
    if (auto* tab = qobject_cast<TabControl*>(parent->parentWidget()))
        return tab;
    return parent;
}

TEST_F(Zoomed, AtEveryStepEveryControlStandsAtItsTwipsTimesTheFactor) {
    for (int percent : Zoom::kSteps) {
        form->zoom().setPercent(percent);
        // The pages built when first shown are built here at 125 %.
        if (percent == 125) {
            for (int page : {layout::practicas, layout::relacion, layout::fotografia})
                find<TabControl>("SSTab1")->setCurrentIndex(page);
        }
        form->resize(form->size() + QSize(60, 40));  // a plain resize moves nothing
        QApplication::processEvents();
        const double f = percent / 100.0;
        const auto at = [f](double twips) { return twips * f / kTwipsPerPixel; };
        int placed = 0;
        for (QWidget* w : form->findChildren<QWidget*>()) {
            const auto r = placed_at(w);
            if (!r)
                continue;
            ++placed;
            const std::string name =
                w->objectName().toStdString() + " at " + std::to_string(percent) + " %";
            const QPoint pos = w->mapTo(container(w), QPoint(0, 0));
            EXPECT_NEAR(pos.x(), at(r->left), 1) << name;
            EXPECT_NEAR(pos.y(), at(r->top), 1) << name;
            if (r->width > 0) {
                EXPECT_NEAR(w->width(), at(r->width), 1) << name;
                EXPECT_NEAR(w->height(), at(r->height), 1) << name;
            }
        }
        EXPECT_GE(placed, percent == 100 ? 119 : 122);  // every control of the layout tables
        EXPECT_NEAR(find("bench")->minimumWidth(), at(10710), 1);
        EXPECT_NEAR(find("bench")->minimumHeight(), at(8010), 1);
        EXPECT_EQ(form->font().pixelSize(), std::lround(11 * f));
        EXPECT_EQ(find("l9_15")->font().pixelSize(), std::lround(10 * f));
        EXPECT_NEAR(find<TabControl>("SSTab1")->stripHeight(), at(2 * 420 * 1440 / 2540.0), 1);
        // Pictures moved by the program keep their twips.
        EXPECT_NEAR(find("Image1")->y(), at(top("Image1")), 1);
    }
}

TEST_F(Zoomed, TheOverlayAndTheNeedlesScaleWithTheWindow) {
    switchOnWith(20, 20);
    auto* gauge = find<Manometer>("GaugeX2");
    const QPointF tip = gauge->needleTip();
    auto* letter = find<PlacedLabel>("Label2_1");
    auto* line = find<LineShape>("Line1_3");
    for (int percent : Zoom::kSteps) {
        form->zoom().setPercent(percent);
        const double f = percent / 100.0;
        EXPECT_NEAR(letter->x(), letter->left() * f / kTwipsPerPixel, 1) << percent;
        EXPECT_NEAR(letter->y(), letter->top() * f / kTwipsPerPixel, 1) << percent;
        const QRect around = line->geometry();
        EXPECT_LE(around.left(), line->x2() * f / kTwipsPerPixel) << percent;
        EXPECT_GE(around.right(), line->x1() * f / kTwipsPerPixel) << percent;
        EXPECT_NEAR(gauge->needleTip().x(), tip.x() * f, 1) << percent;
        EXPECT_NEAR(gauge->needleTip().y(), tip.y() * f, 1) << percent;
    }
}

TEST_F(Zoomed, BackAtOneHundredTheWindowIsExactlyAsItWasFirstShown) {
    struct Look {
        QRect geometry;
        int pixels;
    };
    const auto look = [this] {
        std::map<QWidget*, Look> all;
        for (QWidget* w : form->findChildren<QWidget*>())
            if (!w->objectName().startsWith("qt_"))  // Qt's own, such as a hidden menu button
                all[w] = {w->geometry(), w->font().pixelSize()};
        return all;
    };
    const auto first = look();
    const QSize size = form->size();
    form->zoom().setPercent(200);
    EXPECT_GT(form->width(), size.width() * 19 / 10);  // the window follows its content
    form->zoom().setPercent(100);
    EXPECT_EQ(form->size(), size);
    const auto again = look();
    for (const auto& [w, l] : first) {
        EXPECT_EQ(again.at(w).geometry, l.geometry)
            << w->metaObject()->className() << " " << w->objectName().toStdString() << " "
            << l.geometry.x() << "," << l.geometry.y() << " " << l.geometry.width() << "x"
            << l.geometry.height();
        EXPECT_EQ(again.at(w).pixels, l.pixels) << w->objectName().toStdString();
    }
}

TEST_F(Zoomed, AFlowStepShowsTheSameTextsAtEveryStep) {
    const auto texts = [this] {
        QStringList all;
        for (QLineEdit* box : form->findChildren<QLineEdit*>()) all << box->text();
        return all;
    };
    switchOnWith(20, 20);
    raiseFlow("VScroll1");
    const QStringList at_normal_size = texts();
    for (int percent : Zoom::kSteps) {
        form->zoom().setPercent(percent);
        EXPECT_EQ(texts(), at_normal_size) << percent;  // the zoom rewrites no display
        setBar("VScroll1", 30);
        raiseFlow("VScroll1");
        EXPECT_EQ(texts(), at_normal_size) << percent;
    }
}

TEST_F(Zoomed, TheMenuStepsUpAsFarAsTheScreenAllowsDownAndBack) {
    auto* in = find<QAction>("ampliar");
    auto* out = find<QAction>("reducir");
    auto* original = find<QAction>("tamanoOriginal");
    EXPECT_FALSE(out->isEnabled());
    EXPECT_EQ(in->isEnabled(), form->zoom().fitsScreen(125));
    form->zoom().setPercent(175);
    out->trigger();
    EXPECT_EQ(form->zoom().percent(), 150);
    original->trigger();
    EXPECT_EQ(form->zoom().percent(), 100);
    in->trigger();
    EXPECT_EQ(form->zoom().percent(), form->zoom().fitsScreen(125) ? 125 : 100);
    form->zoom().setPercent(200);
    EXPECT_FALSE(in->isEnabled());
}

TEST_F(Layout, TabsSwitchPagesAndTheThirdTabIsEmpty) {
    auto* tab = find<TabControl>("SSTab1");
    QTest::mouseClick(tab, Qt::LeftButton, {}, tab->tabRect(3).center());
    EXPECT_EQ(tab->currentIndex(), 3);
    EXPECT_TRUE(tab->page(3)->children().isEmpty());
    EXPECT_FALSE(find("Text3")->isVisible());
}

// Liberation Sans runs wider than the font the layout was drawn for; no
// caption may be cut at its box on any page.
TEST_F(Layout, NoCaptionIsCutOffOnAnyPage) {
    for (QLabel* l : form->findChildren<QLabel*>()) {
        if (l->text().isEmpty() || l->objectName() == "statusLine")
            continue;
        const QRect area = l->contentsRect();
        const QRect need = QFontMetrics(l->font()).boundingRect(
            QRect(0, 0, area.width(), 10000), l->wordWrap() ? Qt::TextWordWrap : 0, l->text());
        EXPECT_LE(need.width(), area.width()) << l->objectName().toStdString();
        EXPECT_LE(need.height(), area.height() + 1) << l->objectName().toStdString();
        EXPECT_GE(l->font().pixelSize(), 8) << l->objectName().toStdString();
    }
    for (auto* tab : form->findChildren<TabControl*>())
        for (int i = 0; i < tab->count(); ++i)
            EXPECT_LT(QFontMetrics(tab->font()).horizontalAdvance(tab->caption(i)),
                      tab->tabRect(i).width());
}

// The manual at the window's text size: each hard line starts a line of its
// own, and a line wider than the box goes on at the next, broken at a word.
TEST_F(Layout, TheManualKeepsItsLineBreaksAndWrapsOnlyAtWords) {
    auto* tab = find<TabControl>("SSTab1");
    tab->setCurrentIndex(2);
    auto* manual = find<QPlainTextEdit>("Text2");
    ASSERT_TRUE(manual->isVisible());
    ASSERT_GT(manual->document()->blockCount(), 100);  // the whole manual, not a stub
    EXPECT_GE(manual->font().pixelSize(), look::kDefaultPixels);
    EXPECT_EQ(manual->document()->blockCount(),
              manual->toPlainText().count(u'\n') + 1);  // one block per hard line
    QAbstractTextDocumentLayout* layout = manual->document()->documentLayout();
    int wrapped = 0;
    for (QTextBlock b = manual->document()->begin(); b.isValid(); b = b.next()) {
        layout->blockBoundingRect(b);  // lays the block out
        for (int k = 1; k < b.layout()->lineCount(); ++k) {
            ++wrapped;
            const int at = b.layout()->lineAt(k).textStart();
            // Never inside a word: after a blank, a hyphen or a slash.
            EXPECT_FALSE(b.text().at(at - 1).isLetterOrNumber() &&
                         b.text().at(at).isLetterOrNumber())
                << b.text().left(at).toStdString();
        }
    }
    EXPECT_GT(wrapped, 0);
}

// Tab goes over the bench, then the tab controls and the settings of
// "Datos", each spin after its box; the read-outs are no stops.
TEST_F(Layout, TabGoesOverTheBenchThenTheSettingsAndSkipsTheReadouts) {
    QWidget* w = find("VScroll2");
    QStringList order;
    for (int i = 0; i < 11; ++i, w = w->nextInFocusChain()) {
        while (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisible()) w = w->nextInFocusChain();
        order << w->objectName();
    }
    EXPECT_EQ(order, (QStringList{"VScroll2", "Interruptor", "VScroll1", "SSTab2", "SSTab1",
                                  "Text3", "UpDown1", "Text4", "UpDown2", "Text8", "UpDown3"}));
    for (const char* r : {"Text5", "Text6", "Text9", "Text10", "Text11", "Text12", "Text7_0"})
        EXPECT_FALSE(find(r)->focusPolicy() & Qt::TabFocus) << r;
}

// Every control that holds the focus shows it, once the operator moves it.
TEST_F(Layout, FocusedControlsShowTheirFocus) {
    for (const char* name : {"VScroll1", "UpDown1", "Interruptor", "SSTab1"}) {
        QWidget* w = find(name);
        const QImage unfocused = w->grab().toImage();
        w->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(w->hasFocus()) << name;
        EXPECT_NE(w->grab().toImage(), unfocused) << name;
    }
    QTest::mouseClick(find("VScroll2"), Qt::LeftButton, {}, QPoint(7, 5));  // its upper arrow
    EXPECT_TRUE(find("VScroll2")->hasFocus());
    EXPECT_EQ(find<QScrollBar>("VScroll2")->value(), 49);
}

// What a screen reader learns from our own painted controls.
TEST_F(Layout, ScreenReadersGetRolesStatesAndValues) {
    auto iface = [&](const char* name) {
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(find(name));
        EXPECT_NE(i, nullptr) << name;
        return i;
    };
    QAccessibleInterface* power = iface("Interruptor");
    EXPECT_EQ(power->role(), QAccessible::Button);
    EXPECT_TRUE(power->state().checkable);
    EXPECT_FALSE(power->state().checked);
    setBar("VScroll1", 30);
    setBar("VScroll2", 30);
    power->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(on());
    EXPECT_TRUE(power->state().checked);

    QAccessibleInterface* gauge = iface("GaugeX1");
    EXPECT_EQ(gauge->role(), QAccessible::Dial);
    ASSERT_NE(gauge->valueInterface(), nullptr);
    EXPECT_EQ(gauge->valueInterface()->currentValue().toDouble(), position("GaugeX1"));
    EXPECT_EQ(gauge->valueInterface()->minimumValue().toDouble(), -100);
    EXPECT_EQ(gauge->valueInterface()->maximumValue().toDouble(), 100);
    EXPECT_TRUE(gauge->text(QAccessible::Value).endsWith(" kPa"));
    QAccessibleInterface* column = iface("ter_5");
    EXPECT_EQ(column->valueInterface()->minimumValue().toDouble(), -10);
    EXPECT_EQ(column->valueInterface()->maximumValue().toDouble(), 30);
    EXPECT_EQ(column->text(QAccessible::Value), text("Text11"));  // "##0.0 ºC" matches it
    EXPECT_TRUE(column->state().readOnly);

    QAccessibleInterface* spin = iface("UpDown2");
    EXPECT_EQ(spin->role(), QAccessible::SpinBox);
    EXPECT_EQ(spin->valueInterface()->currentValue().toInt(), 18);
    spin->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
    EXPECT_EQ(text("Text4"), "19");
    // A flow adjuster gives the flow, not its bar's reversed value.
    QAccessibleInterface* flow = iface("VScroll1");
    EXPECT_EQ(flow->valueInterface()->currentValue().toInt(), 20);
    flow->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
    EXPECT_EQ(text("Text6"), "21.0 g/s");
    EXPECT_EQ(flow->text(QAccessible::Value), "21 g/s");

    auto* tabs = find<TabControl>("SSTab1");
    QAccessibleInterface* list = iface("SSTab1");
    EXPECT_EQ(list->role(), QAccessible::PageTabList);
    ASSERT_GE(list->childCount(), tabs->count());
    for (int i = 0; i < tabs->count(); ++i) {
        QAccessibleInterface* tab = list->child(i);
        EXPECT_EQ(tab->role(), QAccessible::PageTab);
        EXPECT_EQ(tab->text(QAccessible::Name), tabs->caption(i));
        EXPECT_EQ(tab->rect(),
                  QRect(tabs->mapToGlobal(tabs->tabRect(i).topLeft()), tabs->tabRect(i).size()));
        EXPECT_EQ(tab->state().selected, i == 0);
        EXPECT_EQ(list->indexOfChild(tab), i);
        EXPECT_EQ(tab->parent(), list);
    }
    list->child(4)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(tabs->currentIndex(), 4);
    EXPECT_TRUE(list->child(4)->state().selected);
    // The pages follow the tabs, so their controls are reachable too.
    EXPECT_EQ(list->child(tabs->count())->object(), tabs->page(0));

    QAccessibleInterface* readout = iface("Text9");
    EXPECT_TRUE(readout->state().readOnly);
    EXPECT_TRUE(readout->text(QAccessible::Description).contains("t3"));
}

TEST_F(Layout, AReadoutTooLongForItsBoxStepsDownButStaysLegible) {
    QLineEdit* box = find<QLineEdit>("Text7_12");
    box->setText("1464.3 kg/m3");
    EXPECT_LT(box->font().pixelSize(), 11);
    EXPECT_GE(box->font().pixelSize(), 9);
    box->setText("1");
    EXPECT_EQ(box->font().pixelSize(), 11);
}

}  // namespace
}  // namespace gelvor::ui::testing
