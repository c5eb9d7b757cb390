// The lab notebook driven through its menu as a student drives it.
#include <unistd.h>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtCharts/QChartView>
#include <cmath>
#include <functional>

#include "layout/form1_layout.h"
#include "model/settings_ranges.h"
#include "present/mask_format.h"
#include "present/notebook_columns.h"
#include "tests/ui/window_driver.h"
#include "ui/form1_controls.h"
#include "ui/notebook/conditions_dialog.h"
#include "ui/notebook/notebook_chart.h"
#include "ui/notebook/notebook_model.h"
#include "ui/notebook/notebook_print.h"
#include "ui/notebook/notebook_window.h"
#include "ui/notebook/ph_diagram.h"
#include "ui/number_style_qt.h"
#include "ui/text_qt.h"
#include "ui/widgets/instrument.h"

namespace gelvor::ui::testing {
namespace {

using notebook::ConditionsDialog;
using notebook::NotebookModel;
using notebook::NotebookWindow;

const QLocale kSpanish(QLocale::Spanish, QLocale::Spain);
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

// The manual's exercise on the condensing and evaporating temperatures.
constexpr int kExercisePoints = 3;

// An RFC 4180 reader: quoted fields may hold separators, quotes and breaks.
QList<QStringList> read_csv(const QString& text, QChar separator) {
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == separator) {
            row << field;
            field.clear();
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            row << field;
            rows << row;
            row.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    return rows;
}

class Notebook : public WindowTest {
  protected:
    void newWindow() {
        form = std::make_unique<Form1>();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    QAction* action(const char* name) {
        auto* a = form->findChild<QAction*>(QLatin1String(name));
        EXPECT_NE(a, nullptr) << name;
        return a;
    }
    NotebookWindow* window() {
        action("verRegistro")->trigger();
        return find<NotebookWindow>("frmRegistro");
    }
    NotebookModel& model() { return *static_cast<NotebookModel*>(window()->table()->model()); }

    // Opens "Fijar condiciones", lets `fill` work in it, then accepts it.
    void fixConditions(const std::function<void(ConditionsDialog*)>& fill) {
        bool seen = false;
        QTimer poll;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* d = qobject_cast<ConditionsDialog*>(QApplication::activeModalWidget());
            if (!d || seen)
                return;
            seen = true;
            fill(d);
            if (d->isVisible())
                d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        poll.start();
        action("fijarCondiciones")->trigger();
        EXPECT_TRUE(seen);
    }
    void exercisePoint(int k) {
        fixConditions([k](ConditionsDialog* d) {
            d->findChild<QPushButton*>(QStringLiteral("puntoEjercicio%1").arg(k))->click();
        });
    }
    // Records the manual's three points with the machine on.
    void recordExercise() {
        exercisePoint(1);
        operateSwitch();
        ASSERT_TRUE(on());
        for (int k = 1; k <= kExercisePoints; ++k) {
            exercisePoint(k);
            action("anotarLecturas")->trigger();
        }
        ASSERT_EQ(model().count(), kExercisePoints);
    }

    // What the window shows now, as a notebook row taken from the widgets.
    QStringList rowOnScreen() {
        QStringList out;
        for (const NotebookColumn& c : notebook_columns()) {
            QWidget* w = find(c.target);
            if (c.reading) {
                out << qt::to_qstring(format_with_mask(w->property("position").toDouble(),
                                                       c.reading, qt::number_style(QLocale())));
                continue;
            }
            QString t = qobject_cast<QLineEdit*>(w)->text();
            if (c.unit) {
                const QString unit = QString::fromUtf8(c.unit);
                EXPECT_TRUE(t.endsWith(unit)) << c.target;
                t.chop(unit.size());
            }
            out << t;
        }
        return out;
    }
};

TEST_F(Notebook, TheExercisePointsRecordExactlyWhatTheDisplaysShowInBothLocales) {
    for (const QLocale& locale : {kSpanish, kEnglish}) {
        SCOPED_TRACE(locale.name().toStdString());
        newWindow();
        QLocale::setDefault(locale);
        exercisePoint(1);
        operateSwitch();
        for (int k = 1; k <= kExercisePoints; ++k) {
            exercisePoint(k);
            action("anotarLecturas")->trigger();
            ASSERT_EQ(model().count(), k);
            EXPECT_EQ(model().point(k - 1).cells, rowOnScreen());
            EXPECT_EQ(status(),
                      QStringLiteral("Lecturas anotadas como punto %1 del registro").arg(k));
        }
        EXPECT_EQ(model().point(1).cells[notebook_column("mc (g/s)")],
                  locale == kSpanish ? "4,0" : "4.0");
    }
}

TEST_F(Notebook, NothingIsRecordedOffOrAfterAFaultAndTheStatusLineSaysWhy) {
    action("anotarLecturas")->trigger();
    EXPECT_EQ(status(), "Encienda la máquina para anotar lecturas");
    switchOnWith(20, 20);
    type("Text3", "abc");
    raiseFlow("VScroll1");
    action("anotarLecturas")->trigger();
    EXPECT_TRUE(status().startsWith("No se anotan lecturas mientras el cálculo falle: "));
    EXPECT_TRUE(status().contains("abc"));
    EXPECT_EQ(model().count(), 0);

    // Typing raises no event: the point is the one on show, not the typed text.
    type("Text3", "1010");
    raiseFlow("VScroll1");
    type("Text3", "1020");
    window();  // opening the notebook is no pass either
    action("anotarLecturas")->trigger();
    ASSERT_EQ(model().count(), 1);
    EXPECT_EQ(model().point(0).cells[notebook_column("pa (mbar)")], "1010");
    EXPECT_EQ(model().point(0).cells, rowOnScreen().replaceInStrings("1020", "1010"));
}

TEST_F(Notebook, TheEvaporatorLogarithmFaultRecordsThePointWithoutItsCoilFigures) {
    setSpin("UpDown1", 1070);
    setSpin("UpDown2", 50);
    setSpin("UpDown3", 14);
    switchOnWith(50, 20);
    ASSERT_FALSE(form->lastPass()->complete());
    action("anotarLecturas")->trigger();
    ASSERT_EQ(model().count(), 1);
    const QStringList& cells = model().point(0).cells;
    EXPECT_TRUE(cells[notebook_column("Atlm e (\u00BAC)")].isEmpty());
    EXPECT_TRUE(cells[notebook_column("Ue (W/m2K)")].isEmpty());
    EXPECT_FALSE(cells[notebook_column("Qe (W)")].isEmpty());
}

TEST_F(Notebook, APointTakenOutOfRangeIsMarkedAndTheMarkExplained) {
    switchOnWith(20, 20);
    action("anotarLecturas")->trigger();
    type("Text8", "99");
    raiseFlow("VScroll1");
    action("anotarLecturas")->trigger();
    NotebookModel& m = model();
    const int water = NotebookModel::modelColumn(notebook_column("t1, t4 (\u00BAC)"));
    const int barometer = NotebookModel::modelColumn(notebook_column("pa (mbar)"));
    EXPECT_FALSE(m.index(0, water).data(Qt::BackgroundRole).isValid());
    EXPECT_FALSE(m.index(0, 0).data(Qt::ToolTipRole).isValid());
    EXPECT_TRUE(m.index(1, water).data(Qt::BackgroundRole).isValid());
    EXPECT_FALSE(m.index(1, barometer).data(Qt::BackgroundRole).isValid());
    EXPECT_TRUE(m.index(1, 0).data(Qt::DecorationRole).isValid());
    for (int column : {0, water}) {
        EXPECT_EQ(m.index(1, column).data(Qt::ToolTipRole).toString(),
                  "Temperatura de entrada de agua fuera del rango del banco (14 a 16 ºC): los "
                  "resultados son una extrapolación");
    }
}

// The dialog's way and the arrows' way end in the same window.
TEST_F(Notebook, FixingConditionsMovesEachControlThroughItsOwnHandlerLikeClicks) {
    const auto snapshot = [this] {
        QStringList s;
        for (const DisplayWrite& w : form->lastPass()->writes)
            s << QString::fromLatin1(w.target) + u'=' +
                     (w.kind == DisplayWrite::Kind::text ? text(w.target)
                                                         : QString::number(position(w.target)));
        for (const char* box : {"Text3", "Text4", "Text8"}) s << text(box);
        for (const char* f : {"Image1", "Image2"}) s << QString::number(top(f));
        for (const char* t : {"ter_0", "ter_3"}) s << QString::number(position(t));
        s << QString::number(form->controls().room_thermometer->position());
        return s;
    };
    switchOnWith(20, 20);
    type("Text3", "1015");  // typed, so the spin stays at 1010
    for (int i = 0; i < 10; ++i) raiseFlow("VScroll2");
    for (int i = 0; i < 8; ++i)
        find<QScrollBar>("VScroll1")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    for (int i = 0; i < 10; ++i) clickSpin("UpDown1", true);
    clickSpin("UpDown3", true);
    for (int i = 0; i < 7; ++i) clickSpin("UpDown2", true);
    const QStringList clicked = snapshot();

    newWindow();
    switchOnWith(20, 20);
    type("Text3", "1015");
    int passes = 0;
    QObject::connect(form.get(), &Form1::passShown, [&] { ++passes; });
    fixConditions([](ConditionsDialog* d) {
        EXPECT_EQ(d->findChild<QSpinBox*>("presionBarometrica")->value(), 1010);
        d->findChild<QSpinBox*>("caudalCondensador")->setValue(30);
        d->findChild<QSpinBox*>("caudalEvaporador")->setValue(12);
        d->findChild<QSpinBox*>("presionBarometrica")->setValue(1020);
        d->findChild<QSpinBox*>("temperaturaAgua")->setValue(16);
        d->findChild<QSpinBox*>("temperaturaAmbiente")->setValue(25);
    });
    EXPECT_EQ(passes, 5);  // one pass per changed control
    EXPECT_EQ(snapshot(), clicked);

    // Unchanged controls are left alone: the typed text stays.
    type("Text3", "1015");
    passes = 0;
    fixConditions([](ConditionsDialog*) {});
    EXPECT_EQ(passes, 0);
    EXPECT_EQ(text("Text3"), "1015");
}

TEST_F(Notebook, CopiedTextParsesBackAsTheTableAfterRowsAreDeleted) {
    QLocale::setDefault(kSpanish);
    recordExercise();
    NotebookWindow* w = window();
    w->table()->selectRow(1);
    w->findChild<QAction*>("quitarFilas")->trigger();
    NotebookModel& m = model();
    ASSERT_EQ(m.count(), 2);
    EXPECT_EQ(m.cellText(1, 0), "3");  // points keep their numbers

    w->table()->clearSelection();
    w->findChild<QAction*>("copiarRegistro")->trigger();
    const QStringList lines = QApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), m.count() + 1);
    for (int r = -1; r < m.count(); ++r) {
        const QStringList fields = lines[r + 1].split(u'\t');
        ASSERT_EQ(fields.size(), m.columnCount());
        for (int c = 0; c < m.columnCount(); ++c)
            EXPECT_EQ(fields[c], r < 0 ? m.headerText(c) : m.cellText(r, c));
    }

    w->table()->selectionModel()->select(m.index(1, 3), QItemSelectionModel::Select);
    w->table()->selectionModel()->select(m.index(1, 1), QItemSelectionModel::Select);
    EXPECT_EQ(w->copiedText(), m.headerText(1) + u'\t' + m.headerText(3) + u'\n' +
                                   m.cellText(1, 1) + u'\t' + m.cellText(1, 3) + u'\n');
}

TEST_F(Notebook, CsvFromEitherLocaleReadsBackToTheSameNumbers) {
    QTemporaryDir dir;
    QList<QList<QStringList>> tables;
    for (const QLocale& locale : {kSpanish, kEnglish}) {
        newWindow();
        QLocale::setDefault(locale);
        recordExercise();
        const QString path = dir.filePath(locale.name() + ".csv");
        QString error;
        ASSERT_TRUE(window()->exportCsv(path, error)) << error.toStdString();
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        tables << read_csv(QString::fromUtf8(f.readAll()), locale == kSpanish ? u';' : u',');
    }
    ASSERT_EQ(tables[0].size(), kExercisePoints + 1);
    EXPECT_EQ(tables[0][0], tables[1][0]);  // the same header, "t1, t4 (ºC)" whole
    for (int r = 1; r <= kExercisePoints; ++r) {
        ASSERT_EQ(tables[0][r].size(), model().columnCount());
        for (int c = 0; c < model().columnCount(); ++c) {
            bool es_ok = false, en_ok = false;
            const double es = kSpanish.toDouble(tables[0][r][c], &es_ok);
            const double en = kEnglish.toDouble(tables[1][r][c], &en_ok);
            ASSERT_TRUE(es_ok && en_ok) << tables[0][r][c].toStdString();
            EXPECT_EQ(es, en) << tables[0][0][c].toStdString();
        }
    }
}

TEST_F(Notebook, AnExportThatCannotBeWrittenSaysWhyAndLeavesNoFile) {
    QTemporaryDir dir;
    QDir locked(dir.path());
    ASSERT_TRUE(locked.mkdir("bloqueada"));
    ASSERT_TRUE(locked.cd("bloqueada"));
    QFile::setPermissions(locked.path(), QFile::ReadOwner | QFile::ExeOwner);
    // Permissions do not stop root; a folder of /proc stops everyone.
    const QString path = geteuid() == 0 ? QStringLiteral("/proc/self/lecturas.csv")
                                        : locked.filePath("lecturas.csv");
    switchOnWith(20, 20);
    action("anotarLecturas")->trigger();
    QString error;
    EXPECT_FALSE(window()->exportCsv(path, error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(locked.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
    QFile::setPermissions(locked.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(Notebook, EveryNamedWidgetOfTheNotebookCarriesAnAccessibleName) {
    for (QWidget* w : window()->findChildren<QWidget*>()) {
        if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_")) {
            EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
        }
    }
    // Every toolbar command can be reached from the keyboard.
    for (QToolButton* b : window()->findChildren<QToolButton*>()) {
        if (b->defaultAction() && !b->defaultAction()->text().isEmpty()) {
            EXPECT_EQ(b->focusPolicy(), Qt::TabFocus) << b->text().toStdString();
            EXPECT_FALSE(b->defaultAction()->shortcut().isEmpty()) << b->text().toStdString();
        }
    }
}

TEST_F(Notebook, PresetsChooseTheExercisesColumns) {
    auto* chart = window()->chart();
    const auto headers = [chart] {
        QStringList h;
        for (const std::string& header : notebook_headers()) h << qt::to_qstring(header);
        return QStringList{h.value(chart->xColumn()), h.value(chart->yColumn()),
                           h.value(chart->y2Column())};
    };
    chart->findChild<QPushButton*>("presetTePe")->click();
    EXPECT_EQ(headers(), (QStringList{"Pe abs (kPa)", "te (ºC)", ""}));
    chart->findChild<QPushButton*>("presetCopTc")->click();
    EXPECT_EQ(headers(), (QStringList{"tc (ºC)", "COP maq frigorifica", "COP bomba de calor"}));
    chart->findChild<QPushButton*>("presetQcQe")->click();
    EXPECT_EQ(headers(), (QStringList{"mc (g/s)", "Qc (W)", "Qe (W)"}));
}

// Each point stands where the axes put its pressure and enthalpy, and is
// painted there in its letter's colour.
TEST_F(Notebook, ThePhDiagramPlacesTheCycleWhereItsAxesSay) {
    switchOnWith(20, 20);
    NotebookWindow* w = window();
    w->tabs()->setCurrentIndex(2);
    auto* d = w->diagram();
    d->resize(640, 480);
    const QImage image = d->grab().toImage();
    ASSERT_TRUE(d->hasCycle());

    const BenchState s =
        recompute(read_settings(form->panelSettings(), qt::number_style(QLocale()))).state;
    const double h[4] = {s.h1, s.h2, s.h3, s.h4};
    const double p[4] = {s.evap_pressure, s.cond_pressure, s.cond_pressure, s.evap_pressure};
    const QRectF plot = d->plotArea();
    const auto pixels = d->cyclePixels();
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(layout::overlay()[i].letter);
        const double x = plot.left() + (h[i] - d->enthalpyMin()) /
                                           (d->enthalpyMax() - d->enthalpyMin()) * plot.width();
        const double y = plot.bottom() - std::log10(p[i] / d->pressureMin()) /
                                             std::log10(d->pressureMax() / d->pressureMin()) *
                                             plot.height();
        EXPECT_NEAR(pixels[i].x(), x, 1.0);
        EXPECT_NEAR(pixels[i].y(), y, 1.0);
        EXPECT_EQ(image.pixelColor(int(x), int(y)),
                  QColor::fromRgb(layout::overlay()[i].letter_rgb));
    }
    EXPECT_LE(d->pressureMin(), 20);
    EXPECT_GE(d->pressureMax(), 300);
}

TEST_F(Notebook, PrintsTheTableAndTheChartOnNumberedPages) {
    recordExercise();
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("registro.pdf"));
    ASSERT_TRUE(notebook::print_notebook(printer, model(), window()->chart(), window()->diagram()));
    QFile pdf(printer.outputFileName());
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 2);
}

}  // namespace
}  // namespace gelvor::ui::testing
