#include <QAction>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStatusBar>
#include <QSvgRenderer>

#include "assets/assets.h"
#include "layout/form1_layout.h"
#include "present/reading_text.h"
#include "ui/accessibility.h"
#include "ui/form1_controls.h"
#include "ui/help.h"
#include "ui/live_tip.h"
#include "ui/look.h"
#include "ui/notebook/notebook.h"
#include "ui/number_style_qt.h"
#include "ui/readouts.h"
#include "ui/text_fit.h"
#include "ui/text_qt.h"
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

namespace gelvor::ui {
namespace {

namespace L = layout;

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Where a control goes: its parent. `place` turns its twips into the
// parent's pixels (on a tab page, the tab control's).
struct Place {
    QWidget* parent;
};

QLabel* add_label(const Place& at, const L::LabelSpec& s, QLabel* l = nullptr) {
    if (!l)
        l = new QLabel(text(s.caption), at.parent);
    l->setObjectName(QLatin1String(s.name));
    l->setAccessibleName(s.tooltip ? text(s.tooltip) : text(s.caption));
    if (s.tooltip)
        l->setToolTip(text(s.tooltip));
    if (s.rect.width != 0) {
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setWordWrap(true);
    }
    place(l, s.rect);
    if (s.rect.width != 0)
        fit_caption(l);
    return l;
}

Qt::Alignment qt_alignment(L::TextAlign align) {
    switch (align) {
        case L::TextAlign::right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case L::TextAlign::centre:
            return Qt::AlignCenter;
        default:
            return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

QLineEdit* add_box(const Place& at, const L::BoxSpec& s) {
    auto* b = new QLineEdit(text(s.text), at.parent);
    b->setObjectName(QLatin1String(s.name));
    b->setAccessibleName(text(s.accessible));
    b->setAlignment(qt_alignment(s.align));
    place(b, s.rect);
    keep_text_fitted(b);
    return b;
}

Picture* add_picture(const Place& at, const L::PictureSpec& s) {
    auto* p = new Picture(QLatin1String(s.resource),
                          s.stretched ? Picture::Fit::stretched : Picture::Fit::natural, s.border,
                          at.parent);
    p->setObjectName(QLatin1String(s.name));
    p->setAccessibleName(text(s.accessible));
    place(p, s.rect);
    p->setVisible(s.visible);
    return p;
}

template <class T>
T* add_instrument(const Place& at, const L::InstrumentSpec& s) {
    auto* i = new T(at.parent);
    i->setObjectName(QLatin1String(s.name));
    i->setAccessibleName(text(s.accessible));
    if (s.has_tooltip)
        i->setToolTip(text(s.accessible));
    place(i, s.rect);
    i->setRange(s.min, s.max);
    i->setPosition(s.start);
    return i;
}

// A thermometer names its measuring point and gives its reading.
Thermometer* add_thermometer(const Place& at, const L::InstrumentSpec& s) {
    auto* t = add_instrument<Thermometer>(at, s);
    const QString point = text(s.accessible);
    t->setAccessibleName(text(L::kThermometerAccessible) + point);
    set_live_tip(t, [t, point] {
        return point + u'\n' +
               qt::to_qstring(temperature_reading(
                   t->hasReading() ? std::optional(t->position()) : std::nullopt,
                   qt::number_style(QLocale())));
    });
    if (s.column_bgr)
        t->setColumnColour(look::bgr(s.column_bgr));
    if (s.tube_bgr)
        t->setTubeColour(look::bgr(s.tube_bgr));
    return t;
}

// The bench drawing and what sits on it. Labels first: they lie under the
// pictures, instruments and controls, as the drawing's own marks.
void build_bench(Form1Controls& c) {
    const Place at{c.canvas};
    for (std::size_t i = 0; i < L::hot_spots().size(); ++i) {
        QLabel* spot = add_label(at, L::hot_spots()[i]);
        if (static_cast<int>(i) != L::kNormalPointerHotSpot)
            spot->setCursor(Qt::UpArrowCursor);
    }
    for (const auto& m : L::markers()) add_label(at, m, new HaloLabel(text(m.caption), at.parent));
    c.evaporator_float = add_picture(at, L::floats()[0]);
    c.condenser_float = add_picture(at, L::floats()[1]);

    const auto running = L::running_pictures();
    add_picture(at, running[0]);
    for (std::size_t i = 0; i < 3; ++i) c.running[i] = add_picture(at, running[i + 1]);

    Manometer* gauges[2] = {add_instrument<Manometer>(at, L::gauges()[0]),
                            add_instrument<Manometer>(at, L::gauges()[1])};
    for (Manometer* g : gauges) {
        g->setLoweredBevel(g->objectName() == QLatin1String(L::kLoweredBevelGauge));
        const QString name = g->toolTip();
        set_live_tip(g, [g, name] {
            return name + u'\n' +
                   qt::to_qstring(pressure_reading(g->position(), qt::number_style(QLocale())));
        });
    }
    for (std::size_t i = 0; i < 6; ++i) c.ter[i] = add_thermometer(at, L::thermometers()[i]);

    c.power = new RockerSwitch(c.canvas);
    c.power->setObjectName(QStringLiteral("Interruptor"));
    c.power->setToolTip(text(L::kSwitchTip));
    c.power->setAccessibleName(text(L::kSwitchTip));
    place(c.power, L::kSwitch);

    QScrollBar* bars[2] = {};
    Picture* floats[2] = {c.evaporator_float, c.condenser_float};
    for (std::size_t i = 0; i < 2; ++i) {
        const auto& s = L::flow_bars()[i];
        auto* bar = new FlowBar(c.canvas);
        bar->setObjectName(QLatin1String(s.name));
        bar->setAccessibleName(text(s.accessible));
        bar->setRange(bar_from_flow(kFlowRange.max), bar_from_flow(kFlowRange.min));
        bar->setSingleStep(1);
        bar->setPageStep(1);
        bar->setValue(bar_from_flow(kFlowRange.initial));
        place(bar, s.rect);
        // The bar and its float both say the flow the bar sets.
        const auto flow = [bar, name = s.accessible] {
            return text(flow_reading(name, flow_from_bar(bar->value())).c_str());
        };
        set_live_tip(bar, flow);
        set_live_tip(floats[i], flow);
        bars[i] = bar;
    }
    c.evaporator_bar = bars[0];
    c.condenser_bar = bars[1];
}

void build_lower_tabs(Form1Controls& c) {
    QStringList tabs;
    for (const char* t : L::kSSTab2Tabs) tabs << text(t);
    auto* tab = new TabControl(tabs, L::kSSTab2TabsPerRow, c.canvas);
    tab->setObjectName(QStringLiteral("SSTab2"));
    tab->setAccessibleName(text(L::kSSTab2Accessible));
    place(tab, L::kSSTab2);
    tab->setColours(look::rgb(L::kSSTab2PageRgb), look::rgb(L::kSSTab2CaptionRgb));
    c.sstab2 = tab;

    add_picture({tab->page(0)}, L::sstab2_pictures()[0]);
    Picture* chart = add_picture({tab->page(1)}, L::sstab2_pictures()[1]);
    QWidget* area = chart->area();
    for (std::size_t i = 0; i < 4; ++i) {
        const auto& s = L::overlay()[i];
        auto* line = new LineShape(QColor::fromRgb(s.line_rgb), L::kOverlayLinePixels, area);
        line->setObjectName(QLatin1String(s.line));
        line->setAccessibleName(QStringLiteral("Ciclo %1").arg(i));
        c.cycle_lines[i] = line;
    }
    for (std::size_t i = 0; i < 4; ++i) {
        const auto& s = L::overlay()[i];
        auto* letter = new PlacedLabel(text(s.letter), area);
        letter->setObjectName(QLatin1String(s.letter_name));
        letter->setAccessibleName(QStringLiteral("Punto %1").arg(text(s.letter)));
        letter->setFont(look::sans(look::kDefaultPixels, true));
        QPalette pal = letter->palette();
        pal.setColor(QPalette::WindowText, QColor::fromRgb(s.letter_rgb));
        letter->setPalette(pal);
        c.cycle_letters[i] = letter;
    }
}

void build_datos(Form1Controls& c, TabControl* tab) {
    QWidget* page = tab->page(L::datos);
    auto* frame = new QGroupBox(text(L::kFrame1Caption), page);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setAccessibleName(text(L::kFrame1Caption));
    place(frame, L::kFrame1);

    const Place in_frame{frame};
    for (const auto& l : L::frame_labels()) add_label(in_frame, l);
    add_picture(in_frame, L::kBarometer);
    auto* mercury = new LineShape(look::system_colour(L::kMercuryLineColourIndex),
                                  L::kMercuryLinePixels, frame);
    mercury->setObjectName(QStringLiteral("Line2"));
    mercury->setAccessibleName(text(L::kMercuryAccessible));
    mercury->setLine(
        static_cast<float>(L::kMercuryLine.left), static_cast<float>(L::kMercuryLine.top),
        static_cast<float>(L::kMercuryLine.width), static_cast<float>(L::kMercuryLine.height));
    c.barometer_box = add_box(in_frame, L::frame_boxes()[0]);
    c.ambient_box = add_box(in_frame, L::frame_boxes()[1]);
    auto* room = add_thermometer(in_frame, L::kRoomThermometer);
    room->setTickLabels(true);
    room->setDesiredTicks(L::kRoomThermometerTicks);
    c.room_thermometer = room;

    const Place on_page{page};
    for (const auto& l : L::datos_labels()) add_label(on_page, l);
    for (const auto& b : L::datos_boxes()) {
        QLineEdit* box = add_box(on_page, b);
        if (qstrcmp(b.name, "Text8") == 0)
            c.water_box = box;
        else
            make_readout(box);
    }

    SpinControl* spins[3] = {};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto& s = L::spins()[i];
        const bool framed = static_cast<int>(i) < L::kSpinsInFrame;
        QWidget* parent = framed ? static_cast<QWidget*>(frame) : page;
        auto* spin = new SpinControl(s.range.min, s.range.max, s.range.initial, parent);
        spin->setObjectName(QLatin1String(s.name));
        spin->setAccessibleName(text(s.accessible));
        place(spin, s.rect);
        spin->setBuddy(parent->findChild<QLineEdit*>(QLatin1String(s.buddy)));
        spins[i] = spin;
    }
    c.barometer_spin = spins[0];
    c.ambient_spin = spins[1];
    c.water_spin = spins[2];
    for (QLineEdit* box : {c.barometer_box, c.ambient_box, c.water_box}) keep_start_shown(box);
}

void build_resultados(Form1Controls& c, TabControl* tab) {
    QWidget* page = tab->page(L::resultados);
    for (const auto& s : L::result_captions()) {
        auto* l = new QLabel(text(s.caption), page);
        l->setObjectName(QStringLiteral("l9_%1").arg(s.index));
        l->setAccessibleName(s.index == L::kDensityCaption ? text(L::kDensityAccessible)
                                                           : text(s.caption).trimmed());
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setLineWidth(1);
        l->setAlignment(Qt::AlignCenter);
        l->setAutoFillBackground(true);
        QPalette pal = l->palette();
        pal.setColor(QPalette::Window,
                     look::system_colour(s.head ? L::kHeadColourIndex : L::kCaptionColourIndex));
        l->setPalette(pal);
        if (s.index == L::kDensityCaption)
            l->setFont(look::sans(L::kDensityCaptionPixels));
        place(l, s.rect);
        fit_caption(l);
    }
    const Place on_page{page};
    for (std::size_t i = 0; i < 32; ++i) {
        c.results[i] = add_box(on_page, L::result_boxes()[i]);
        make_readout(c.results[i]);
    }
    c.results[L::kArrowPointerBox]->setCursor(Qt::ArrowCursor);
}

void build_manual(TabControl* tab) {
    auto* manual = new QPlainTextEdit(tab->page(L::practicas));
    manual->setObjectName(QStringLiteral("Text2"));
    manual->setAccessibleName(text(L::kManualAccessible));
    place(manual, L::kText2);
    manual->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    manual->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The window's own text size; a line wider than the box goes on at the
    // next line, broken at a word. A paragraph's first line is indented by a
    // tab of four average letters.
    manual->setWordWrapMode(QTextOption::WordWrap);
    manual->setTabStopDistance(manual->fontMetrics().averageCharWidth() * 4);
}

// The manual's text, the Ps-Ts chart and the photograph come when their tab
// is first shown: laying the manual out is most of the window's building
// time, and none of them shows at start.
void build_teaching_pages(TabControl* tab) {
    QObject::connect(tab, &TabControl::currentChanged, tab, [tab](int index) {
        if (index == L::practicas) {
            auto* manual = tab->page(L::practicas)->findChild<QPlainTextEdit*>();
            if (manual->document()->isEmpty())
                manual->setPlainText(assets::manual_text());
        } else if ((index == L::relacion || index == L::fotografia) &&
                   tab->page(index)->children().isEmpty()) {
            add_picture({tab->page(index)}, L::sstab1_pictures()[index == L::relacion ? 0 : 1]);
        }
    });
}

void build_right_tabs(Form1Controls& c) {
    QStringList tabs;
    for (const char* t : L::kSSTab1Tabs) tabs << text(t);
    auto* tab = new TabControl(tabs, L::kSSTab1TabsPerRow, c.canvas);
    tab->setObjectName(QStringLiteral("SSTab1"));
    tab->setAccessibleName(text(L::kSSTab1Accessible));
    place(tab, L::kSSTab1);
    tab->setColours(look::system_colour(L::kSSTab1PageColourIndex),
                    look::rgb(L::kSSTab1CaptionRgb));
    c.sstab1 = tab;
    build_datos(c, tab);
    build_resultados(c, tab);
    build_manual(tab);
    build_teaching_pages(tab);
}

// Tab goes in the layout's order; read-outs are no stops.
void set_tab_order(QMainWindow* window) {
    QWidget* previous = nullptr;
    for (const char* name : L::kTabOrder) {
        QWidget* next = window->findChild<QWidget*>(QLatin1String(name));
        Q_ASSERT_X(next, "set_tab_order", name);
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

// "&Reiniciar" does nothing on purpose: the menu is kept as students know it.
void build_menu(QMainWindow* window, Form1Controls& c) {
    QMenuBar* bar = window->menuBar();
    QMenu* archivo = bar->addMenu(text(L::kArchivo.caption));
    archivo->setObjectName(QLatin1String(L::kArchivo.name));
    archivo->setAccessibleName(QStringLiteral("Archivo"));
    archivo->menuAction()->setObjectName(QLatin1String(L::kArchivo.name));
    QAction* re = archivo->addAction(text(L::kReiniciar.caption));
    re->setObjectName(QLatin1String(L::kReiniciar.name));
    c.exit_action = archivo->addAction(text(L::kSalir.caption));
    c.exit_action->setObjectName(QLatin1String(L::kSalir.name));
    notebook::add_file_actions(archivo, c.exit_action);
    c.file_menu = archivo;
    QMenu* ver = bar->addMenu(text(L::kVer.caption));
    ver->setObjectName(QLatin1String(L::kVer.name));
    ver->setAccessibleName(QStringLiteral("Ver"));
    ver->menuAction()->setObjectName(QLatin1String(L::kVer.name));
    const QKeySequence keys[] = {QKeySequence(Qt::CTRL | Qt::Key_Plus),
                                 QKeySequence(Qt::CTRL | Qt::Key_Minus),
                                 QKeySequence(Qt::CTRL | Qt::Key_0)};
    for (std::size_t i = 0; i < 3; ++i) {
        QAction* a = ver->addAction(text(L::kZoomItems[i].caption));
        a->setObjectName(QLatin1String(L::kZoomItems[i].name));
        a->setShortcut(keys[i]);
        c.zoom[i] = a;
    }
    // Ctrl++ is typed as Ctrl+= on keyboards where + needs the shift key.
    c.zoom[0]->setShortcuts({keys[0], QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    c.notebook_menu = notebook::add_menu(bar);
    QMenu* ay = bar->addMenu(text(L::kAyuda.caption));
    ay->setObjectName(QLatin1String(L::kAyuda.name));
    ay->setAccessibleName(QStringLiteral("Ayuda"));
    ay->menuAction()->setObjectName(QLatin1String(L::kAyuda.name));
    add_help_items(ay);
    c.help_menu = ay;
}

// The window icon at the sizes X window managers are given (16 to 128
// pixels), drawn from one reading of its picture. An icon made from the file
// name would load Qt's SVG icon engine and read the picture again for each size.
QIcon window_icon() {
    QSvgRenderer picture(QLatin1String(assets::kWindowIcon));
    QIcon icon;
    for (int side : {16, 32, 64, 128}) {
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        picture.render(&painter);
        painter.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

}  // namespace

Form1Controls build_form1(QMainWindow* window) {
    // Before the first control: a screen reader's view of a control is made once.
    install_accessibility();
    Form1Controls c;
    window->setObjectName(QStringLiteral("Form1"));
    window->setWindowTitle(text(L::kCaption));
    window->setAccessibleName(text(L::kCaption));
    window->setWindowIcon(window_icon());
    window->setFont(look::sans(look::kDefaultPixels));
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, look::system_colour(9));
    window->setPalette(pal);

    c.canvas =
        new Picture(QLatin1String(assets::kBenchDrawing), Picture::Fit::natural, false, window);
    c.canvas->setObjectName(QStringLiteral("bench"));
    c.canvas->setAccessibleName(text(L::kBenchAccessible));
    c.canvas->setAutoFillBackground(true);
    c.canvas->setMinimumSize(px(L::kClientArea).size());
    window->setCentralWidget(c.canvas);

    build_bench(c);
    build_lower_tabs(c);
    build_right_tabs(c);
    build_menu(window, c);
    set_tab_order(window);

    QStatusBar* status = window->statusBar();
    status->setSizeGripEnabled(false);
    status->setFixedHeight(px(L::kStatusLineTwips));
    c.status_line = new QLabel(status);
    c.status_line->setObjectName(QStringLiteral("statusLine"));
    c.status_line->setAccessibleName(text(L::kStatusLineAccessible));
    c.status_line->setIndent(4);
    c.status_line->setWordWrap(true);  // a long message takes a second line, never cut
    status->addWidget(c.status_line, 1);
    return c;
}

}  // namespace gelvor::ui
