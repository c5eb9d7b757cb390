// The lab notebook driven through its menu as a student drives it.
#include <unistd.h>
#include <QCheckBox>
#include <QClipboard>
#include <QDate>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QStyleOptionButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTranslator>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QtCharts/QChartView>
#include <algorithm>
#include <cmath>
#include <functional>

#include "layout/form1_layout.h"
#include "model/settings_ranges.h"
#include "notebook/notebook_file.h"
#include "notebook/notebook_messages.h"
#include "present/mask_format.h"
#include "present/notebook_columns.h"
#include "tests/ui/notebook_driver.h"
#include "texts/commands.h"
#include "ui/box_mark.h"
#include "ui/commands_qt.h"
#include "ui/form1_controls.h"
#include "ui/help.h"
#include "ui/look.h"
#include "ui/notebook/conditions_dialog.h"
#include "ui/notebook/notebook.h"
#include "ui/notebook/notebook_chart.h"
#include "ui/notebook/notebook_model.h"
#include "ui/notebook/notebook_print.h"
#include "ui/notebook/notebook_window.h"
#include "ui/notebook/ph_diagram.h"
#include "ui/notebook/recovery.h"
#include "ui/number_style_qt.h"
#include "ui/splash.h"
#include "ui/startup.h"
#include "ui/text_qt.h"
#include "ui/translations.h"
#include "ui/widgets/instrument.h"
#include "ui/zoom.h"
#include "version/version.h"

namespace gelvor::ui::testing {
namespace {

using notebook::ConditionsDialog;
using notebook::NotebookModel;
using notebook::NotebookWindow;

const QLocale kSpanish(QLocale::Spanish, QLocale::Spain);
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

// The manual's exercise on the condensing and evaporating temperatures.

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

class Notebook : public NotebookDriver {
  protected:
    void newWindow() {
        form = std::make_unique<Form1>();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    // What the window shows now, as a notebook row taken from the widgets.
    // The columns the window shows, first in the notebook; the ideal cycle's follow.
    static int shownColumns() { return notebook_column("COP Carnot maq frigorifica"); }
    QStringList rowOnScreen() {
        QStringList out;
        for (const NotebookColumn& c : notebook_columns().first(shownColumns())) {
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
            EXPECT_EQ(qt_texts(model().point(k - 1).cells).mid(0, shownColumns()), rowOnScreen());
            for (const QString& ideal : qt_texts(model().point(k - 1).cells).mid(shownColumns()))
                EXPECT_FALSE(ideal.isEmpty());
            EXPECT_EQ(status(),
                      QStringLiteral("Lecturas anotadas como punto %1 del registro").arg(k));
        }
        EXPECT_EQ(qt_texts(model().point(1).cells)[notebook_column("mc (g/s)")],
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
    EXPECT_EQ(qt_texts(model().point(0).cells).mid(0, shownColumns()),
              rowOnScreen().replaceInStrings("1020", "1010"));
}

TEST_F(Notebook, TheEvaporatorLogarithmFaultRecordsThePointWithoutItsCoilFigures) {
    setSpin("UpDown1", 1070);
    setSpin("UpDown2", 50);
    setSpin("UpDown3", 14);
    switchOnWith(50, 20);
    ASSERT_FALSE(form->session().pass_on_show()->display.complete());
    action("anotarLecturas")->trigger();
    ASSERT_EQ(model().count(), 1);
    const QStringList cells = qt_texts(model().point(0).cells);
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
    // A point where the bench's model is not physical has its own mark and note.
    type("Text8", "15");
    type("Text4", "50");
    raiseFlow("VScroll1");
    action("anotarLecturas")->trigger();
    ASSERT_EQ(m.point(2).validity.size(), 1);
    EXPECT_TRUE(m.point(2).validity.front().starts_with("La compresión de A a B rinde más"));
    EXPECT_EQ(m.index(2, 0).data(Qt::ToolTipRole).toString(),
              QString::fromStdString(m.point(2).validity.front()));
    const auto mark = [&](int row) {
        return m.index(row, 0).data(Qt::DecorationRole).value<QIcon>().pixmap(32, 16).toImage();
    };
    EXPECT_NE(mark(2), mark(1));
}

// The dialog's way and the arrows' way end in the same window.
TEST_F(Notebook, FixingConditionsEndsAsClicksWouldWithOnePass) {
    const auto snapshot = [this] {
        QStringList s;
        for (const DisplayWrite& w : form->session().pass_on_show()->display.writes)
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
    const auto passes = [this, since = form->session().passes_computed()] {
        return form->session().passes_computed() - since;
    };
    fixConditions([](ConditionsDialog* d) {
        // What the box would apply, not the spin's position.
        EXPECT_EQ(d->findChild<QDoubleSpinBox*>("presionBarometrica")->value(), 1015);
        d->findChild<QSpinBox*>("caudalCondensador")->setValue(30);
        d->findChild<QSpinBox*>("caudalEvaporador")->setValue(12);
        d->findChild<QDoubleSpinBox*>("presionBarometrica")->setValue(1020);
        d->findChild<QDoubleSpinBox*>("temperaturaAgua")->setValue(16);
        d->findChild<QDoubleSpinBox*>("temperaturaAmbiente")->setValue(25);
    });
    EXPECT_EQ(passes(), 1);  // every control moved, then one pass
    EXPECT_EQ(snapshot(), clicked);

    // A typed text the dialog leaves as it is gets applied; applied, it is left alone.
    type("Text3", "1015");
    const long before = form->session().passes_computed();
    fixConditions([](ConditionsDialog*) {});
    EXPECT_EQ(form->session().passes_computed() - before, 1);
    EXPECT_EQ(text("Text3"), "1015");
    EXPECT_FALSE(is_pending(find<QLineEdit>("Text3")));
    fixConditions([](ConditionsDialog*) {});
    EXPECT_EQ(form->session().passes_computed() - before, 1);
    // A tenth typed into a box comes back from the dialog as typed.
    type("Text8", QLocale().toString(15.5));
    fixConditions([](ConditionsDialog* d) {
        EXPECT_EQ(d->findChild<QDoubleSpinBox*>("temperaturaAgua")->value(), 15.5);
    });
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
        QByteArray bytes = f.readAll();
        // A byte order mark first, so that a spreadsheet reads "º" and "ρ" as UTF-8.
        ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
        tables << read_csv(QString::fromUtf8(bytes.mid(3)), locale == kSpanish ? u';' : u',');
    }
    ASSERT_EQ(tables[0].size(), kExercisePoints + 1);
    EXPECT_EQ(tables[0][0], tables[1][0]);  // the same header, "t1, t4 (ºC)" whole
    // After the readings: the note, the group's own results, then who and
    // when, on every row.
    EXPECT_EQ(
        tables[0][0].mid(model().noteColumn()),
        QStringList({"Nota", "Mis resultados: Qe (W)", "Mis resultados: Qc (W)",
                     "Mis resultados: Wc (W)", "Mis resultados: COP maq. frigorífica",
                     "Mis resultados: COP bomba de calor", "Mis resultados: Ue (W/m2K)",
                     "Mis resultados: Uc (W/m2K)", "Mis resultados: rendimiento volumétrico (%)",
                     "Alumnos", "Grupo", "Fecha"}));
    for (int r = 1; r <= kExercisePoints; ++r) {
        ASSERT_EQ(tables[0][r].size(), model().columnCount() + 3);
        EXPECT_EQ(tables[0][r].back(), QDate::currentDate().toString(Qt::ISODate));
        for (int c = 0; c < model().noteColumn(); ++c) {
            bool es_ok = false, en_ok = false;
            const double es = kSpanish.toDouble(tables[0][r][c], &es_ok);
            const double en = kEnglish.toDouble(tables[1][r][c], &en_ok);
            ASSERT_TRUE(es_ok && en_ok) << tables[0][r][c].toStdString();
            EXPECT_EQ(es, en) << tables[0][0][c].toStdString();
        }
    }
}

// A note or a name that a spreadsheet would run as a formula is exported as
// text; the readings, negative ones too, stay numbers.
TEST_F(Notebook, WhatTheClassTypedIsExportedAsTextAndNotAsAFormula) {
    QLocale::setDefault(kSpanish);
    recordExercise();
    NotebookWindow* w = window();
    const QString hostile = QStringLiteral("=HYPERLINK(\"http://x\";\"y\")");
    ASSERT_TRUE(model().setData(model().index(0, model().noteColumn()), hostile));
    ASSERT_EQ(model().point(0).note, hostile.toStdString());
    QTest::keyClicks(w->studentsField(), QStringLiteral("+1+1"));
    QTemporaryDir dir;
    QString error;
    ASSERT_TRUE(w->exportCsv(dir.filePath("l.csv"), error)) << error.toStdString();
    QFile f(dir.filePath("l.csv"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QStringList> table = read_csv(QString::fromUtf8(f.readAll().mid(3)), u';');
    const int note = model().noteColumn();
    EXPECT_EQ(table[1][note], u'\'' + hostile);
    EXPECT_EQ(table[1][note + 1 + static_cast<int>(kHandResultCount)], QStringLiteral("'+1+1"));
    EXPECT_EQ(table[2][note], QString());
    for (int c = 0; c < note; ++c) EXPECT_FALSE(table[1][c].startsWith(u'\'')) << c;
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
    // In Spanish, naming the file and the cause.
    EXPECT_TRUE(error.startsWith(QString::fromUtf8("No se pudo guardar «") + path + "»: "))
        << error.toStdString();
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

    const BenchState s = form->session().pass_on_show()->result.state;
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

// Saved through the real dialog and opened again: the readings, the notes and
// who recorded them come back, and the title names the file.
TEST_F(Notebook, ASavedNotebookOpensAgainWithItsNotesAndWhoRecordedIt) {
    QLocale::setDefault(kSpanish);
    recordExercise();
    NotebookWindow* w = window();
    const QModelIndex note = model().index(1, model().noteColumn());
    w->table()->setCurrentIndex(note);
    w->table()->edit(note);
    auto* editor = w->table()->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "tc alta");
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the delegate commits the edit once the key is done
    ASSERT_EQ(model().point(1).note, "tc alta");
    QTest::keyClicks(w->studentsField(), QStringLiteral("Ana Ruiz"));
    EXPECT_EQ(model().header().students, "Ana Ruiz");
    EXPECT_TRUE(w->isWindowModified());

    QTemporaryDir dir;
    EXPECT_EQ(answer_modals<QFileDialog>(
                  [&] { action("guardarRegistro")->trigger(); },
                  [&](QFileDialog* d) {
                      d->selectFile(dir.filePath("practica"));
                      static_cast<QDialog*>(d)->accept();  // the dialog's own check of the name
                  }),
              1);
    const QString path = dir.filePath("practica.gelvor");  // the extension added
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_FALSE(w->isWindowModified());
    EXPECT_TRUE(w->windowTitle().startsWith("practica.gelvor")) << w->windowTitle().toStdString();
    const NotebookDocument saved = model().document();

    newWindow();
    ASSERT_TRUE(form->notebook().files().open(form.get(), path));
    EXPECT_EQ(model().document(), saved);
    for (int r = 0; r < model().count(); ++r) EXPECT_TRUE(model().point(r).differing.empty());
    EXPECT_FALSE(window()->isWindowModified());
    EXPECT_EQ(window()->studentsField()->text(), QStringLiteral("Ana Ruiz"));
}

// "gelvor registro.gelvor": the main window opens with the file's notebook.
TEST_F(Notebook, ANotebookNamedOnTheCommandLineOpensWithTheWindow) {
    recordExercise();
    QTemporaryDir dir;
    const QString path = dir.filePath("clase.gelvor");
    QString error;
    ASSERT_TRUE(notebook::NotebookFiles::writeFile(
        path, QByteArray::fromStdString(notebook_to_json(model().document(), "prueba")), error));
    Startup startup(path);
    startup.start();
    QTest::keyClick(startup.splash(), Qt::Key_Space);
    ASSERT_NE(startup.mainWindow(), nullptr);
    for (int i = 0; i < 200 && startup.mainWindow()->notebook().model().count() == 0; ++i)
        QTest::qWait(10);  // it opens once the window is up
    EXPECT_EQ(startup.mainWindow()->notebook().model().count(), kExercisePoints);
    EXPECT_EQ(startup.mainWindow()->notebook().files().path(), path);
}

// A file is checked whole before anything changes; a reading that its
// settings no longer give is kept as written and marked.
TEST_F(Notebook, AFileIsCheckedWholeAndAReadingItsSettingsNoLongerGiveIsMarked) {
    QLocale::setDefault(kSpanish);
    recordExercise();
    QTemporaryDir dir;
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    };
    NotebookDocument changed = model().document();
    const int qc = notebook_column("Qc (W)");
    changed.points[1].readings[static_cast<std::size_t>(qc)].second = "1,0";
    const QString marked =
        write("cambiado.gelvor", QByteArray::fromStdString(notebook_to_json(changed, "prueba")));

    const NotebookDocument before = model().document();
    const std::string whole = notebook_to_json(before, "prueba");
    for (const QByteArray& bad :
         {QByteArray("no es un registro"), QByteArray("{\"format\": \"otra cosa\"}"),
          QByteArray("{\"format\": \"gelvor-registro\", \"version\": 99, \"points\": []}"),
          QByteArray::fromStdString(whole.substr(0, whole.size() / 2)),
          QByteArray::fromStdString(whole).replace("\"condenser_flow\": 20",
                                                   "\"condenser_flow\": 70")}) {
        const int told = notices.count;
        EXPECT_FALSE(form->notebook().files().open(form.get(), write("malo.gelvor", bad)));
        EXPECT_EQ(notices.count, told + 1);
        EXPECT_TRUE(notices.text.startsWith(QString::fromUtf8("No se pudo abrir «")))
            << notices.text.toStdString();
        EXPECT_EQ(model().document(), before);
    }

    // Discarded unsaved readings: the question first.
    EXPECT_EQ(answer_modals<QMessageBox>(
                  [&] { EXPECT_TRUE(form->notebook().files().open(form.get(), marked)); },
                  [](QMessageBox* b) { b->button(QMessageBox::Discard)->click(); }),
              1);
    EXPECT_EQ(model().point(1).cells[qc], "1,0");
    EXPECT_EQ(model().point(1).differing, std::vector<int>{qc});
    EXPECT_TRUE(model().point(0).differing.empty());
    const QModelIndex cell = model().index(1, NotebookModel::modelColumn(qc));
    EXPECT_TRUE(model().data(cell, Qt::ToolTipRole).toString().contains("Qc (W)"));
}

// A file larger than any notebook is refused before it is read, and one
// nested deeper before it is parsed, in the words the page uses too.
TEST_F(Notebook, AFileLargerOrDeeperThanANotebookIsRefusedBeforeItIsParsed) {
    QLocale::setDefault(kEnglish);
    recordExercise();
    const NotebookDocument before = model().document();
    QTemporaryDir dir;
    QFile large(dir.filePath("grande.gelvor"));
    ASSERT_TRUE(large.open(QIODevice::WriteOnly));
    ASSERT_TRUE(large.resize(70'000'000));  // sparse: nothing is written
    large.close();
    QFile deep(dir.filePath("hondo.gelvor"));
    ASSERT_TRUE(deep.open(QIODevice::WriteOnly));
    deep.write(QByteArray(100'000, '['));
    deep.close();
    for (const auto& [file, reason] :
         {std::pair{&large, notebook_too_large(english_number_style())},
          std::pair{&deep, notebook_too_deep()}}) {
        const int told = notices.count;
        EXPECT_FALSE(form->notebook().files().open(form.get(), file->fileName()));
        EXPECT_EQ(notices.count, told + 1);
        EXPECT_EQ(notices.text.toStdString(),
                  open_refused(QDir::toNativeSeparators(file->fileName()).toStdString(), reason));
        EXPECT_EQ(model().document(), before);
    }
    EXPECT_NE(notebook_too_large(english_number_style()).find("67.1 MB"), std::string::npos);
}

TEST_F(Notebook, RecordingDeletingAndEmptyingAreUndoneAndRedoneFromEitherWindow) {
    recordExercise();
    NotebookWindow* w = window();
    w->table()->selectRow(0);
    w->findChild<QAction*>("quitarFilas")->trigger();
    action("borrarRegistro")->trigger();  // its question is answered "Borrar"
    ASSERT_EQ(model().count(), 0);

    const auto keys = [](QWidget* in, QKeyCombination key) {
        ASSERT_TRUE(activate(in));
        QTest::keyClick(in, key.key(), key.keyboardModifiers());
    };
    keys(w, Qt::CTRL | Qt::Key_Z);  // the emptying
    EXPECT_EQ(model().count(), 2);
    keys(form.get(), Qt::CTRL | Qt::Key_Z);  // the deleted row, back in its place
    ASSERT_EQ(model().count(), 3);
    EXPECT_EQ(model().cellText(0, 0), "1");
    keys(form.get(), Qt::CTRL | Qt::Key_Z);  // the third point
    EXPECT_EQ(model().count(), 2);
    keys(w, Qt::CTRL | Qt::Key_Y);
    keys(w, Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    EXPECT_EQ(model().count(), 2);
    EXPECT_EQ(model().cellText(1, 0), "3");  // its number again
    action("anotarLecturas")->trigger();
    EXPECT_EQ(model().cellText(2, 0), "4");
}

TEST_F(Notebook, QuittingWithUnsavedReadingsAsksAndCancelKeepsEverything) {
    switchOnWith(20, 20);
    action("anotarLecturas")->trigger();
    form->notebook().recovery().flush();
    const QString kept = form->notebook().recovery().file();
    EXPECT_TRUE(QFile::exists(kept));
    for (const auto& quit : {std::function<void()>([&] { action("ce")->trigger(); }),
                             std::function<void()>([&] { form->close(); })}) {
        EXPECT_EQ(answer_modals<QMessageBox>(quit,
                                             [](QMessageBox* b) {
                                                 EXPECT_EQ(b->objectName(), "guardarCambios");
                                                 b->button(QMessageBox::Cancel)->click();
                                             }),
                  1);
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(model().count(), 1);
    }
    answer_modals<QMessageBox>([&] { form->close(); },
                               [](QMessageBox* b) { b->button(QMessageBox::Discard)->click(); });
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(QFile::exists(kept));  // nothing left to recover
}

// After every change the notebook is also kept in a recovery file; the
// next start offers the ones whose program is gone.
TEST_F(Notebook, UnsavedReadingsAreOfferedBackAfterACrash) {
    QLocale::setDefault(kSpanish);
    switchOnWith(20, 20);
    action("anotarLecturas")->trigger();
    form->notebook().recovery().flush();
    const QString kept = form->notebook().recovery().file();
    QFile f(kept);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const auto read = notebook_from_json(f.readAll().toStdString());
    ASSERT_TRUE(read.document);
    EXPECT_EQ(*read.document, model().document());
    // A program that died: its file without its lock.
    const QString left = notebook::Recovery::folder() + "/999999.gelvor";
    ASSERT_TRUE(QFile::copy(kept, left));

    newWindow();
    EXPECT_FALSE(QFile::exists(kept));
    EXPECT_EQ(answer_modals<QMessageBox>([&] { form->notebook().start({}); },
                                         [](QMessageBox* b) {
                                             EXPECT_EQ(b->objectName(), "recuperarRegistro");
                                             b->button(QMessageBox::Yes)->click();
                                         }),
              1);
    EXPECT_EQ(model().document(), *read.document);
    EXPECT_TRUE(window()->isWindowModified());
    EXPECT_FALSE(QFile::exists(left));
    form->notebook().recovery().flush();
    EXPECT_TRUE(QFile::exists(form->notebook().recovery().file()));
}

TEST_F(Notebook, TheNotebookZoomsWithTheBenchAndEscOrCtrlWCloseIt) {
    switchOnWith(20, 20);
    action("anotarLecturas")->trigger();
    NotebookWindow* w = window();
    EXPECT_EQ(w->table()->font().pixelSize(), look::kDefaultPixels);  // as it comes back to
    form->zoom().setPercent(200);
    EXPECT_EQ(w->font().pixelSize(), 2 * look::kDefaultPixels);
    EXPECT_EQ(w->table()->font().pixelSize(), 2 * look::kDefaultPixels);
    form->zoom().setPercent(100);
    EXPECT_EQ(w->font().pixelSize(), look::kDefaultPixels);
    // Step by step, as Ctrl++ goes, and back: the table's cells, headings and
    // rows grow with the window every time, and so does the check box's box.
    auto* region = w->findChild<QCheckBox*>("regionBanco");
    const auto indicator = [region] {
        QStyleOptionButton o;
        o.initFrom(region);
        return region->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &o, region).width();
    };
    const int indicator_at_100 = indicator();
    for (const int percent : {125, 150, 175, 200, 175, 150, 125, 100}) {
        form->zoom().setPercent(percent);
        const double factor = percent / 100.0;
        const QFont font = look::sans(static_cast<int>(std::lround(look::kDefaultPixels * factor)));
        QTableView* table = w->table();
        for (const QWidget* part : std::initializer_list<const QWidget*>{
                 w, table, table->viewport(), table->horizontalHeader()}) {
            EXPECT_EQ(part->font().family(), font.family()) << percent;
            EXPECT_EQ(part->font().pixelSize(), font.pixelSize())
                << percent << ' ' << part->metaObject()->className();
        }
        const int line = QFontMetrics(font).height();
        EXPECT_GE(table->rowHeight(0), line) << percent;
        EXPECT_LE(table->rowHeight(0), line + 8) << percent;
        EXPECT_GE(table->horizontalHeader()->height(), line) << percent;
        EXPECT_EQ(indicator(), std::lround(indicator_at_100 * factor)) << percent;
    }
    for (QKeyCombination key : {QKeyCombination(Qt::Key_Escape), Qt::CTRL | Qt::Key_W}) {
        w = window();
        ASSERT_TRUE(activate(w));
        QTest::keyClick(w->table(), key.key(), key.keyboardModifiers());
        EXPECT_FALSE(w->isVisible());
    }
}

TEST_F(Notebook, HelpTellsEveryKeyOfBothWindowsAndWhereTheDataComeFrom) {
    window();  // its actions made
    action("atajos")->trigger();
    auto* list = form->findChild<QTreeWidget*>("listaAtajos");
    ASSERT_NE(list, nullptr);
    QStringList rows;
    for (QTreeWidgetItemIterator it(list); *it; ++it)
        rows << (*it)->text(0) + " = " + (*it)->text(1);
    QStringList from_table;
    for (const KeyGroup& group : key_groups()) {
        from_table << group.title + " = ";
        for (const auto& [keys, what] : group.keys) from_table << keys + " = " + what;
    }
    EXPECT_EQ(rows, from_table);
    // Every key an action of either window has is in the list, as the action says it.
    for (const QAction* a : form->findChildren<QAction*>()) {
        if (a->objectName().isEmpty() || a->shortcuts().isEmpty())
            continue;
        QString what = a->text().remove(u'&');
        if (what.endsWith(u'…'))
            what.chop(1);
        EXPECT_TRUE(rows.contains(key_names(a->shortcuts()) + " = " + what))
            << a->objectName().toStdString();
    }
    const auto has = [&](QKeySequence key, const char* what) {
        EXPECT_TRUE(
            rows.contains(key.toString(QKeySequence::NativeText) + " = " + QString::fromUtf8(what)))
            << what;
    };
    has(Qt::CTRL | Qt::Key_L, "Anotar lecturas");
    has(Qt::CTRL | Qt::Key_S, "Guardar registro");
    has(Qt::Key_F1, "Atajos de teclado");
    has(QKeySequence::Delete, "Quitar filas");
    has(Qt::Key_Space, "Accionar el interruptor");
    EXPECT_TRUE(rows.filter("Cerrar el registro")
                    .front()
                    .startsWith(QKeySequence(Qt::Key_Escape).toString(QKeySequence::NativeText)));

    action("acercaDe")->trigger();
    EXPECT_EQ(notices.title, "Acerca de Gelvor");
    EXPECT_TRUE(notices.text.contains(QLatin1String(version::kText)));

    // The page, without Qt, lists the same lines in the same words, its
    // keys named as Qt's Spanish translation names them.
    ASSERT_TRUE(install_qt_translations(qApp)) << "qt6-translations-l10n is missing";
    QStringList translated, plain;
    for (const KeyGroup& group : key_groups()) {
        translated << group.title + " = ";
        for (const auto& [keys, what] : group.keys) translated << keys + " = " + what;
    }
    for (const texts::KeyGroup& group : texts::key_groups()) {
        plain << QString::fromUtf8(group.title) + " = ";
        for (const texts::KeyLine& l : texts::key_lines(group))
            plain << QString::fromStdString(l.keys) + " = " + QString::fromStdString(l.what);
    }
    EXPECT_EQ(plain, translated);
    EXPECT_TRUE(plain.contains(QString::fromUtf8("Control+Mayúsculas+S = Guardar registro como")));
    for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(t);  // the tests after this one read Qt's own words
        delete t;
    }
}

// The table of commands is what the windows have: each command an action of
// its name, caption and keys, each key one Qt reads back as written.
TEST_F(Notebook, EveryCommandOfTheTableIsAnActionWithItsCaptionAndKeys) {
    window();
    for (const texts::Command& c : texts::commands()) {
        const auto* a = form->findChild<QAction*>(QLatin1String(c.name));
        ASSERT_NE(a, nullptr) << c.name;
        EXPECT_EQ(a->text(), QString::fromUtf8(c.caption)) << c.name;
        EXPECT_EQ(key_names(a->shortcuts()).toStdString(), key_names(command_keys(c)).toStdString())
            << c.name;
    }
    const auto reads_back = [](const char* key) {
        if (!key)
            return;
        const QKeySequence k =
            QKeySequence::fromString(QLatin1String(key), QKeySequence::PortableText);
        EXPECT_EQ(k.count(), 1) << key;
        EXPECT_EQ(k.toString(QKeySequence::PortableText).toStdString(), key);
    };
    for (const texts::Command& c : texts::commands()) std::ranges::for_each(c.keys, reads_back);
    for (const texts::KeyUse& u : texts::key_uses()) std::ranges::for_each(u.keys, reads_back);
}

// An export that cannot be written says why, and the dialog comes back.
TEST_F(Notebook, AnExportThatFailsAsksForAnotherPlace) {
    switchOnWith(20, 20);
    action("anotarLecturas")->trigger();
    QTemporaryDir dir;
    const QString bad = dir.filePath("no-existe/lecturas.csv");
    const QString good = dir.filePath("lecturas.csv");
    int asked = 0;
    EXPECT_EQ(answer_modals<QFileDialog>(
                  [&] { window()->findChild<QAction*>("exportarCsv")->trigger(); },
                  [&](QFileDialog* d) {
                      d->selectFile(asked++ == 0 ? bad : good);
                      static_cast<QDialog*>(d)->accept();  // the dialog's own check of the name
                  }),
              2);
    EXPECT_TRUE(notices.text.startsWith(QString::fromUtf8("No se pudo guardar «")) &&
                notices.text.contains(QString::fromUtf8("no-existe/lecturas.csv»")))
        << notices.text.toStdString();
    EXPECT_TRUE(notices.text.contains(QString::fromUtf8("no existe")));
    EXPECT_TRUE(QFile::exists(good));
}

}  // namespace
}  // namespace gelvor::ui::testing
