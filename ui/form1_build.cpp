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
#include <map>
#include <string>
#include <vector>

#include "assets/assets.h"
#include "layout/control_table.h"
#include "present/reading_text.h"
#include "texts/commands.h"
#include "ui/accessibility.h"
#include "ui/commands_qt.h"
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
using L::ControlKind;
using L::ControlRow;

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
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

// A label sized by the layout wraps its caption at words and fits it to its box.
QLabel* make_label(const ControlRow& row, QWidget* parent) {
    QLabel* l = row.kind == ControlKind::marker ? new HaloLabel(text(row.caption), parent)
                                                : new QLabel(text(row.caption), parent);
    if (row.rect.width != 0) {
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setWordWrap(true);
    }
    return l;
}

Picture* make_picture(const ControlRow& row, QWidget* parent) {
    const L::PictureSpec& s = *row.get<const L::PictureSpec*>();
    auto* p = new Picture(QLatin1String(s.resource),
                          s.stretched ? Picture::Fit::stretched : Picture::Fit::natural, s.border,
                          parent);
    p->setVisible(s.visible);
    return p;
}

// An instrument's tool tip names it above its reading of the moment.
Manometer* make_gauge(const ControlRow& row, QWidget* parent) {
    auto* g = new Manometer(parent);
    g->setRange(row.min, row.max);
    g->setPosition(row.start);
    g->setLoweredBevel(row.get<L::GaugeLook>().lowered_bevel);
    set_live_tip(g, [g, name = text(row.tip)] {
        return name + u'\n' +
               qt::to_qstring(pressure_reading(g->position(), qt::number_style(QLocale())));
    });
    return g;
}

Thermometer* make_thermometer(const ControlRow& row, QWidget* parent) {
    auto* t = new Thermometer(parent);
    t->setRange(row.min, row.max);
    t->setPosition(row.start);
    const auto& drawn = row.get<L::ThermometerLook>();
    t->setColumnColour(look::rgb(drawn.column_rgb));
    t->setTubeColour(look::rgb(drawn.tube_rgb));
    t->setMajorTicks(drawn.major_ticks);
    t->setDesiredTicks(drawn.desired_ticks);
    t->setTickLabels(drawn.figures);
    set_live_tip(t, [t, point = text(row.tip)] {
        return point + u'\n' +
               qt::to_qstring(temperature_reading(
                   t->hasReading() ? std::optional(t->position()) : std::nullopt,
                   qt::number_style(QLocale())));
    });
    return t;
}

// The bar runs upside down (see bar_from_flow); it and its float both say
// the flow it sets.
FlowBar* make_flow_bar(const ControlRow& row, QWidget* parent, QWidget* float_picture) {
    auto* bar = new FlowBar(parent);
    bar->setRange(bar_from_flow(static_cast<int>(row.max)),
                  bar_from_flow(static_cast<int>(row.min)));
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setValue(bar_from_flow(static_cast<int>(row.start)));
    const auto flow = [bar, name = row.accessible] {
        return text(flow_reading(name, flow_from_bar(bar->value())));
    };
    set_live_tip(bar, flow);
    set_live_tip(float_picture, flow);
    return bar;
}

TabControl* make_tabs(const ControlRow& row, QWidget* parent) {
    const L::TabsSpec& s = *row.get<const L::TabsSpec*>();
    QStringList captions;
    for (const char* t : s.captions) captions << text(t);
    auto* tab = new TabControl(captions, s.per_row, parent);
    tab->setColours(look::rgb(s.page_rgb), look::rgb(s.caption_rgb));
    return tab;
}

QLineEdit* make_box(const ControlRow& row, QWidget* parent) {
    auto* b = new QLineEdit(text(row.caption), parent);
    b->setAlignment(qt_alignment(row.align));
    return b;
}

// A heading of the results' table: a sunken panel, its text centred.
QLabel* make_caption(const ControlRow& row, QWidget* parent) {
    auto* l = new QLabel(text(row.caption), parent);
    const auto& drawn = row.get<L::CaptionLook>();
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setLineWidth(1);
    l->setAlignment(Qt::AlignCenter);
    l->setAutoFillBackground(true);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, look::rgb(drawn.background_rgb));
    l->setPalette(pal);
    if (drawn.font_pixels != look::kDefaultPixels)
        l->setFont(look::sans(drawn.font_pixels));
    return l;
}

QPlainTextEdit* make_manual(QWidget* parent) {
    auto* manual = new QPlainTextEdit(parent);
    manual->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    manual->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The window's own text size; a line wider than the box goes on at the
    // next line, broken at a word. A paragraph's first line is indented by a
    // tab of four average letters.
    manual->setWordWrapMode(QTextOption::WordWrap);
    manual->setTabStopDistance(manual->fontMetrics().averageCharWidth() * 4);
    return manual;
}

LineShape* make_line(const ControlRow& row, QWidget* parent) {
    const auto& drawn = row.get<L::LineLook>();
    auto* line = new LineShape(look::rgb(drawn.rgb), drawn.pixels, parent);
    line->setLine(static_cast<float>(row.rect.left), static_cast<float>(row.rect.top),
                  static_cast<float>(row.rect.width), static_cast<float>(row.rect.height));
    return line;
}

// The cycle over the P-h chart: its segments, then its letters over them,
// inside the chart's border. The cycle overlay places them.
void make_overlay(const ControlRow& row, Picture* chart, Form1Controls& c) {
    const auto& drawn = row.get<L::OverlayLook>();
    QWidget* area = chart->area();
    for (std::size_t i = 0; i < drawn.items.size(); ++i) {
        const L::OverlaySpec& s = drawn.items[i];
        auto* line = new LineShape(look::rgb(s.line_rgb), drawn.line_pixels, area);
        line->setObjectName(QLatin1String(s.line));
        line->setAccessibleName(text(s.line_accessible));
        c.cycle_lines.at(i) = line;
    }
    for (std::size_t i = 0; i < drawn.items.size(); ++i) {
        const L::OverlaySpec& s = drawn.items[i];
        auto* letter = new PlacedLabel(text(s.letter), area);
        letter->setObjectName(QLatin1String(s.letter_name));
        letter->setAccessibleName(text(s.letter_accessible));
        letter->setFont(look::sans(look::kDefaultPixels, true));
        QPalette pal = letter->palette();
        pal.setColor(QPalette::WindowText, look::rgb(s.letter_rgb));
        letter->setPalette(pal);
        c.cycle_letters.at(i) = letter;
    }
}

// Names, places and dresses a row's control as the row says.
void dress(QWidget* w, const ControlRow& row) {
    w->setObjectName(text(row.name));
    w->setAccessibleName(text(row.accessible));
    if (!row.tip.empty() && w->toolTip().isEmpty())
        w->setToolTip(text(row.tip));
    if (row.kind != ControlKind::line)
        place(w, row.rect);
    if (auto* l = qobject_cast<QLabel*>(w); l && row.rect.width != 0)
        fit_caption(l);
    if (auto* box = qobject_cast<QLineEdit*>(w)) {
        keep_text_fitted(box);
        if (row.read_only)
            make_readout(box);
        else
            keep_start_shown(box);
    }
    if (row.pointer != L::Pointer::own)
        w->setCursor(row.pointer == L::Pointer::arrow ? Qt::ArrowCursor : Qt::UpArrowCursor);
}

// A control that needs no other control: all but flow bars, spins and the cycle.
QWidget* make_standalone(const ControlRow& row, QWidget* parent) {
    switch (row.kind) {
        case ControlKind::hotspot:
        case ControlKind::marker:
        case ControlKind::label:
            return make_label(row, parent);
        case ControlKind::picture:
            return make_picture(row, parent);
        case ControlKind::gauge:
            return make_gauge(row, parent);
        case ControlKind::thermometer:
            return make_thermometer(row, parent);
        case ControlKind::power_switch:
            return new RockerSwitch(parent);
        case ControlKind::tabs:
            return make_tabs(row, parent);
        case ControlKind::frame:
            return new QGroupBox(text(row.caption), parent);
        case ControlKind::box:
            return make_box(row, parent);
        case ControlKind::caption:
            return make_caption(row, parent);
        case ControlKind::manual:
            return make_manual(parent);
        case ControlKind::line:
            return make_line(row, parent);
        default:
            return nullptr;
    }
}

// The widgets built so far, by name; the bench drawing stands for the window.
class Built {
  public:
    Built(QWidget* bench, Form1Controls& c) : c_(c) { widgets_[L::kFormName] = bench; }

    template <class T>
    T* get(std::string_view name) const {
        const auto found = widgets_.find(name);
        auto* w = found == widgets_.end() ? nullptr : qobject_cast<T*>(found->second);
        Q_ASSERT_X(w, "Built::get", std::string(name).c_str());
        return w;
    }

    // The widget a row's control goes into: its parent, or its parent's tab page.
    QWidget* container(const ControlRow& row) const {
        if (row.page >= 0)
            return get<TabControl>(row.parent)->page(row.page);
        return get<QWidget>(row.parent);
    }

    void build(const ControlRow& row) {
        QWidget* parent = container(row);
        QWidget* w = nullptr;
        switch (row.kind) {
            case ControlKind::flow_bar:
                w = make_flow_bar(row, parent, get<Picture>(row.buddy));
                break;
            case ControlKind::spin: {
                auto* spin = new SpinControl(static_cast<int>(row.min), static_cast<int>(row.max),
                                             static_cast<int>(row.start), parent);
                spin->setBuddy(get<QLineEdit>(row.buddy));
                w = spin;
                break;
            }
            case ControlKind::overlay:
                make_overlay(row, get<Picture>(row.parent), c_);
                return;
            default:
                w = make_standalone(row, parent);
        }
        dress(w, row);
        widgets_.emplace(row.name, w);
    }

  private:
    Form1Controls& c_;
    std::map<std::string, QWidget*, std::less<>> widgets_;
};

// The Ps-Ts chart and the photograph are built when their tab is first
// shown, and the manual's text is laid out then: laying the manual out is
// most of the window's building time, and none of them shows at start.
bool built_when_first_shown(const ControlRow& row) {
    return row.parent == L::kSSTab1Name && (row.page == L::relacion || row.page == L::fotografia);
}

void build_when_first_shown(TabControl* tab, std::vector<const ControlRow*> later) {
    QObject::connect(tab, &TabControl::currentChanged, tab, [tab, later](int index) {
        if (index == L::practicas) {
            auto* manual = tab->page(L::practicas)->findChild<QPlainTextEdit*>();
            if (manual->document()->isEmpty())
                manual->setPlainText(assets::manual_text());
            return;
        }
        QWidget* page = tab->page(index);
        if (!page->children().isEmpty())
            return;
        for (const ControlRow* row : later) {
            if (row->page == index)
                dress(make_standalone(*row, page), *row);
        }
    });
}

// Every control of the table, and what the window's handlers hold of them.
void build_controls(Form1Controls& c) {
    Built built(c.canvas, c);
    std::vector<const ControlRow*> later;
    for (const ControlRow& row : L::control_table()) {
        if (built_when_first_shown(row))
            later.push_back(&row);
        else
            built.build(row);
    }
    // Tab goes in the table's order; read-outs are no stops.
    QWidget* previous = nullptr;
    for (const ControlRow& row : L::control_table()) {
        if (!row.tab_stop)
            continue;
        QWidget* next = built.get<QWidget>(row.name);
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }

    c.sstab1 = built.get<TabControl>(L::kSSTab1Name);
    c.sstab2 = built.get<TabControl>(L::kSSTab2Name);
    build_when_first_shown(c.sstab1, std::move(later));
    c.power = built.get<RockerSwitch>(L::kSwitchName);
    c.evaporator_bar = built.get<QScrollBar>(L::flow_bars()[0].name);
    c.condenser_bar = built.get<QScrollBar>(L::flow_bars()[1].name);
    c.evaporator_float = built.get<Picture>(L::floats()[0].name);
    c.condenser_float = built.get<Picture>(L::floats()[1].name);
    const auto spins = L::spins();
    c.barometer_spin = built.get<SpinControl>(spins[0].name);
    c.ambient_spin = built.get<SpinControl>(spins[1].name);
    c.water_spin = built.get<SpinControl>(spins[2].name);
    c.barometer_box = built.get<QLineEdit>(spins[0].buddy);
    c.ambient_box = built.get<QLineEdit>(spins[1].buddy);
    c.water_box = built.get<QLineEdit>(spins[2].buddy);
    c.room_thermometer = built.get<Instrument>(L::kRoomThermometer.name);
    for (std::size_t i = 0; i < c.ter.size(); ++i)
        c.ter[i] = built.get<Instrument>(L::thermometers()[i].name);
    for (std::size_t i = 0; i < c.running.size(); ++i)
        c.running[i] = built.get<Picture>(L::running_pictures()[i + 1].name);
    for (std::size_t i = 0; i < c.results.size(); ++i)
        c.results[i] = built.get<QLineEdit>(L::result_boxes()[i].name);
}

// "&Reiniciar" does nothing on purpose: the menu is kept as students know it.
void build_menu(QMainWindow* window, Form1Controls& c) {
    QMenuBar* bar = window->menuBar();
    QMenu* archivo = bar->addMenu(text(L::kArchivo.caption));
    archivo->setObjectName(QLatin1String(L::kArchivo.name));
    archivo->setAccessibleName(text(L::kArchivo.caption).remove(u'&'));
    archivo->menuAction()->setObjectName(QLatin1String(L::kArchivo.name));
    QAction* re = archivo->addAction(text(L::kReiniciar.caption));
    re->setObjectName(QLatin1String(L::kReiniciar.name));
    c.exit_action = archivo->addAction(text(L::kSalir.caption));
    c.exit_action->setObjectName(QLatin1String(L::kSalir.name));
    notebook::add_file_actions(archivo, c.exit_action);
    c.file_menu = archivo;
    QMenu* ver = bar->addMenu(text(L::kVer.caption));
    ver->setObjectName(QLatin1String(L::kVer.name));
    ver->setAccessibleName(text(L::kVer.caption).remove(u'&'));
    ver->menuAction()->setObjectName(QLatin1String(L::kVer.name));
    std::size_t zoom = 0;
    for (const texts::Command& command : texts::commands()) {
        if (command.place == texts::Place::view_menu) {
            c.zoom.at(zoom++) = make_action(command, ver);
            ver->addAction(c.zoom.at(zoom - 1));
        }
    }
    c.notebook_menu = notebook::add_menu(bar);
    QMenu* ay = bar->addMenu(text(L::kAyuda.caption));
    ay->setObjectName(QLatin1String(L::kAyuda.name));
    ay->setAccessibleName(text(L::kAyuda.caption).remove(u'&'));
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
    window->setObjectName(QLatin1String(L::kFormName));
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

    build_controls(c);
    build_menu(window, c);

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
