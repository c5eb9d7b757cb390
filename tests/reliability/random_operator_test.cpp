// A random operator: many thousand scroll-bar steps, spin clicks, typed
// texts, switch operations, tab changes and notebook use (recording points,
// deleting rows, opening the notebook), with every invariant of the
// window checked after each action and every display compared with what a
// pass of the same settings shows.
#include <QProcess>
#include <QScrollBar>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>

#include <QFileDialog>
#include <QTableView>
#include <QTemporaryDir>
#include "model/settings_ranges.h"

#include "present/notebook_columns.h"
#include "present/pass.h"
#include "tests/random_texts.h"
#include "tests/test_environment.h"
#include "tests/ui/window_driver.h"
#include "ui/box_mark.h"
#include "ui/notebook/notebook.h"
#include "ui/notebook/notebook_model.h"
#include "ui/notebook/notebook_window.h"
#include "ui/number_style_qt.h"
#include "ui/text_qt.h"

namespace gelvor::ui::testing {
namespace {

using gelvor::testing::random_box_text;
using gelvor::testing::seed_from_environment;

int actions_from_environment(int fallback) {
    return gelvor::testing::count_from_environment("GELVOR_RANDOM_ACTIONS", fallback);
}

class RandomOperator : public WindowTest {
  protected:
    // What the notebook should hold: its rows with their numbers.
    struct Row {
        int number;
        QStringList cells;
    };
    struct Shadow {
        std::vector<Row> rows;
        int next_number = 1;
    };

    PanelSettings settings_in_controls() {
        PanelSettings s;
        s.evaporator_water_flow = flow_from_bar(find<QScrollBar>("VScroll1")->value());
        s.condenser_water_flow = flow_from_bar(find<QScrollBar>("VScroll2")->value());
        s.barometer_text = qt::to_utf8(text("Text3"));
        s.ambient_text = qt::to_utf8(text("Text4"));
        s.water_text = qt::to_utf8(text("Text8"));
        return s;
    }

    QAction* action(const char* name) { return form->findChild<QAction*>(QLatin1String(name)); }
    notebook::NotebookWindow* notebookWindow() {
        return form->findChild<notebook::NotebookWindow*>(QStringLiteral("frmRegistro"));
    }

    notebook::Notebook& notebook() { return form->notebook(); }

    // One change of the notebook as the shadow sees it: the history grows,
    // what was undone is forgotten.
    void change(Shadow next) {
        history_.push_back(shadow_);
        redo_.clear();
        shadow_ = std::move(next);
    }

    // Records a point, deletes a row, empties the notebook, undoes or redoes,
    // saves, opens the saved file again or opens the window. The notebook
    // holds exactly the points recorded while a whole pass was on show, as
    // the shadow follows them.
    void actOnNotebook(QString& what, const std::optional<PassDisplay>& last,
                       const PanelSettings& last_settings, const QLocale& locale) {
        const int kind = int(rng() % 100);
        if (kind < 45) {
            action("anotarLecturas")->trigger();
            what = QStringLiteral("record");
            if (on() && last && recordable(*last)) {
                QStringList row;
                for (const std::string& cell :
                     notebook_row(last_settings, *last, qt::number_style(locale))) {
                    row << qt::to_qstring(cell);
                }
                Shadow next = shadow_;
                next.rows.push_back({next.next_number++, row});
                change(std::move(next));
            } else {
                EXPECT_TRUE(status().startsWith(on() ? "No se anotan" : "Encienda"));
            }
            notebook_status_ = status();
        } else if (kind < 55 && notebookWindow() && !shadow_.rows.empty()) {
            const int row = int(rng() % shadow_.rows.size());
            notebookWindow()->table()->selectRow(row);
            notebookWindow()->findChild<QAction*>(QStringLiteral("quitarFilas"))->trigger();
            Shadow next = shadow_;
            next.rows.erase(next.rows.begin() + row);
            change(std::move(next));
            what = QStringLiteral("delete row %1").arg(row);
        } else if (kind < 58) {
            action("borrarRegistro")->trigger();  // its question is answered "Borrar"
            if (!shadow_.rows.empty())
                change(Shadow{});
            what = QStringLiteral("empty the notebook");
            notebook_status_ = status();
        } else if (kind < 72) {
            action("deshacer")->trigger();
            if (!history_.empty()) {
                redo_.push_back(shadow_);
                shadow_ = history_.back();
                history_.pop_back();
            }
            what = QStringLiteral("undo");
        } else if (kind < 82) {
            action("rehacer")->trigger();
            if (!redo_.empty()) {
                history_.push_back(shadow_);
                shadow_ = redo_.back();
                redo_.pop_back();
            }
            what = QStringLiteral("redo");
        } else if (kind < 88) {
            // The first time through the dialog; then to the same file.
            answer_modals<QFileDialog>([&] { action("guardarRegistro")->trigger(); },
                                       [&](QFileDialog* d) {
                                           d->selectFile(file_);
                                           static_cast<QDialog*>(d)->accept();
                                       });
            EXPECT_EQ(notebook().files().path(), file_);
            EXPECT_TRUE(notebook().undoStack().isClean());
            saved_ = shadow_;
            what = QStringLiteral("save");
        } else if (kind < 94 && saved_) {
            // Unsaved changes are discarded when asked.
            answer_modals<QMessageBox>(
                [&] { EXPECT_TRUE(notebook().files().open(form.get(), file_)); },
                [](QMessageBox* b) { b->button(QMessageBox::Discard)->click(); });
            shadow_ = *saved_;
            history_.clear();
            redo_.clear();
            what = QStringLiteral("open the saved notebook");
        } else {
            action("verRegistro")->trigger();
            what = QStringLiteral("open the notebook");
            EXPECT_TRUE(notebookWindow()->isVisible());
        }
    }

    void check_notebook() {
        const notebook::NotebookModel& model = notebook().model();
        ASSERT_EQ(model.count(), int(shadow_.rows.size()));
        EXPECT_EQ(model.nextNumber(), shadow_.next_number);
        for (int r = 0; r < model.count(); ++r) {
            ASSERT_EQ(model.point(r).number, shadow_.rows[r].number) << "row " << r;
        }
        if (!shadow_.rows.empty()) {
            const int r = int(rng() % shadow_.rows.size());
            EXPECT_EQ(qt_texts(model.point(r).cells), shadow_.rows[r].cells) << "row " << r;
            EXPECT_TRUE(model.point(r).differing.empty()) << "row " << r;
        }
    }

    // Performs one action; returns whether the machine recomputed.
    bool act(QString& what) {
        const bool was_on = on();
        const int kind = int(rng() % 100);
        if (kind < 30) {
            const char* bar = rng() % 2 ? "VScroll1" : "VScroll2";
            QScrollBar* b = find<QScrollBar>(bar);
            const int before = b->value();
            const bool up = rng() % 2;
            b->triggerAction(up ? QAbstractSlider::SliderSingleStepSub
                                : QAbstractSlider::SliderSingleStepAdd);
            what = QString::fromLatin1(bar) + (up ? " up" : " down");
            return was_on && b->value() != before;
        }
        if (kind < 60) {
            static const char* const spins[][2] = {
                {"UpDown1", "Text3"}, {"UpDown2", "Text4"}, {"UpDown3", "Text8"}};
            const auto& s = spins[rng() % 3];
            const double before = find(s[0])->property("position").toDouble();
            const bool up = rng() % 2;
            clickSpin(s[0], up);
            what = QString::fromLatin1(s[0]) + (up ? " up" : " down");
            return was_on && find(s[0])->property("position").toDouble() != before;
        }
        if (kind < 78) {
            static const struct {
                const char* name;
                SettingRange range;
            } boxes[] = {
                {"Text3", kBarometerRange}, {"Text4", kAmbientRange}, {"Text8", kWaterInletRange}};
            const auto& b = boxes[rng() % 3];
            const char* box = b.name;
            const QString t =
                QString::fromStdString(random_box_text(rng, b.range.min, b.range.max));
            retype(box, t);
            what = QString::fromLatin1(box) + " = \"" + t + "\"";
            if (rng() % 2) {
                // Typed and not applied: the status line says how to apply it,
                // and keeps what it says until the next pass.
                if (is_pending(find<QLineEdit>(box))) {
                    EXPECT_EQ(status(), QString::fromUtf8(kApplyHint));
                }
                notebook_status_ = status();
                return false;
            }
            // Enter applies it as the spin's click would: a pass while on.
            QTest::keyClick(find<QLineEdit>(box), Qt::Key_Return);
            what += " Enter";
            return was_on;
        }
        if (kind < 84) {
            operateSwitch();
            what = QStringLiteral("switch");
            return on();
        }
        const char* tab = rng() % 2 ? "SSTab1" : "SSTab2";
        const int pages = QLatin1String(tab) == QLatin1String("SSTab1") ? 6 : 2;
        find(tab)->setProperty("currentIndex", int(rng() % pages));
        what = QString::fromLatin1(tab) + " tab";
        return false;
    }

    void check_invariants(const std::optional<PassDisplay>& last) {
        // Each float stands at its layout place until its bar first moves.
        moved_[0] = moved_[0] || find<QScrollBar>("VScroll1")->value() != kNoFlowBarValue;
        moved_[1] = moved_[1] || find<QScrollBar>("VScroll2")->value() != kNoFlowBarValue;
        if (moved_[0]) {
            EXPECT_EQ(top("Image1"), float_top_twips(find<QScrollBar>("VScroll1")->value()));
        }
        if (moved_[1]) {
            EXPECT_EQ(top("Image2"), float_top_twips(find<QScrollBar>("VScroll2")->value()));
        }
        EXPECT_TRUE(text("Text7_6").isEmpty());
        EXPECT_EQ(text("Text7_0"), text("Text7_15"));
        EXPECT_EQ(text("Text7_5"), text("Text7_10"));
        EXPECT_EQ(text("Text7_13"), text("Text7_18"));
        for (const char* p : {"Picture1_0", "Picture1_1", "Picture1_2"}) {
            EXPECT_EQ(find(p)->isVisible(), on()) << p;
        }
        if (!on()) {
            for (int k = 0; k < 32; ++k) {
                EXPECT_TRUE(text(qPrintable(QStringLiteral("Text7_%1").arg(k))).isEmpty()) << k;
            }
            EXPECT_FALSE(overlayShown());
        } else {
            ASSERT_TRUE(last);
            EXPECT_EQ(overlayShown(), last->overlay.has_value());
            EXPECT_EQ(status(), notebook_status_.value_or(qt::to_qstring(last->status_message())));
            if (last->writes.size() > 12) {
                EXPECT_EQ(text("Text7_4"), "1");
                EXPECT_EQ(text("Text7_9"), "sobrecalent");
                EXPECT_EQ(text("Text7_14"), "0");
                EXPECT_EQ(text("Text7_7"), "-");
            }
        }
        if (!last) {
            return;
        }
        // Every display shows what the pass of the last settings computed.
        for (const DisplayWrite& w : last->writes) {
            const QString name = QLatin1String(w.target);
            if (w.kind == DisplayWrite::Kind::position) {
                EXPECT_EQ(position(w.target), w.position) << w.target;
            } else if (on() || !name.startsWith(u"Text7_")) {
                EXPECT_EQ(text(w.target), qt::to_qstring(w.text)) << w.target;
            }
        }
        for (const char* target : last->unreached()) {
            if (QLatin1String(target).startsWith(QLatin1String("Text"))) {
                EXPECT_TRUE(text(target).isEmpty()) << target;
            }
        }
    }

    // The readings command, run on the settings of the last pass, prints
    // exactly what the window shows.
    void expect_window_matches_readings_command(const PanelSettings& s, const QLocale& locale,
                                                const QString& last_fault) {
        last_fault_ = last_fault;
        QProcess p;
        p.start(QString::fromUtf8(GELVOR_READINGS),
                {"--locale", locale.name(), "--evaporator-flow",
                 QString::number(s.evaporator_water_flow), "--condenser-flow",
                 QString::number(s.condenser_water_flow), "--barometer",
                 qt::to_qstring(s.barometer_text), "--ambient", qt::to_qstring(s.ambient_text),
                 "--water", qt::to_qstring(s.water_text)});
        ASSERT_TRUE(p.waitForFinished(30000));
        const QStringList lines =
            QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        ASSERT_FALSE(lines.isEmpty());
        for (const QString& line : lines) {
            const QString target = line.section(u'\t', 0, 0);
            const QString value = line.section(u'\t', 1);
            if (target == u"fault") {
                // Until the next pass the status line may carry the notebook's word
                // instead; the pass's own message was checked against it before.
                EXPECT_EQ(notebook_status_ ? last_fault_ : status(), value);
            } else if (target.startsWith(u"Text")) {
                EXPECT_EQ(text(qPrintable(target)), value) << qPrintable(target);
            } else if (target.startsWith(u"Gauge") || target.startsWith(u"ter_")) {
                EXPECT_EQ(position(qPrintable(target)), value.toDouble()) << qPrintable(target);
            } else if (target.startsWith(u"Line1_")) {
                const QStringList v = value.split(u' ');
                QWidget* line_shape = find(qPrintable(target));
                EXPECT_EQ(line_shape->property("x1").toFloat(), v[0].toFloat());
                EXPECT_EQ(line_shape->property("y2").toFloat(), v[3].toFloat());
            }
        }
    }

    void run(const QLocale& locale, int actions) {
        QLocale::setDefault(locale);
        const QTemporaryDir dir;
        file_ = dir.filePath(QStringLiteral("registro.gelvor"));
        const unsigned seed = seed_from_environment() + unsigned(locale.language());
        rng.seed(seed);
        std::optional<PassDisplay> last;
        PanelSettings last_settings;
        int passes = 0, faulted = 0, command_checks = 0;
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < actions; ++i) {
            QString what;
            if (rng() % 100 < 3) {
                actOnNotebook(what, on() ? last : std::nullopt, last_settings, locale);
            } else if (act(what)) {
                last_settings = settings_in_controls();
                last = run_pass(last_settings, qt::number_style(locale));
                notebook_status_.reset();
                ++passes;
                faulted += !last->complete();
            }
            SCOPED_TRACE(QStringLiteral("action %1 (%2) of seed %3, %4")
                             .arg(i)
                             .arg(what)
                             .arg(seed)
                             .arg(locale.name())
                             .toStdString());
            check_invariants(last);
            check_notebook();
            if (i % 250 == 249 && last && on()) {
                expect_window_matches_readings_command(last_settings, locale,
                                                       qt::to_qstring(last->fault_message));
                ++command_checks;
            }
            if (HasFailure()) {
                return;  // the first broken invariant, with its seed and action
            }
        }
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf(
            "random operator, %s, seed %u: %d actions, %d passes, %d of them faulted; %d "
            "compared with the readings command; %zu rows in the notebook; %.0f actions a "
            "second\n",
            qPrintable(locale.name()), seed, actions, passes, faulted, command_checks,
            shadow_.rows.size(), actions / seconds);
    }

    std::mt19937 rng;
    bool moved_[2] = {false, false};
    Shadow shadow_;
    std::vector<Shadow> history_, redo_;      // what undo and redo go back and forth to
    std::optional<Shadow> saved_;             // what the file holds
    QString file_;                            // where the notebook is saved
    std::optional<QString> notebook_status_;  // the notebook's word, until the next pass
    QString last_fault_;                      // the last pass's fault message
};

TEST_F(RandomOperator, SpanishSettings) {
    run(QLocale(QLocale::Spanish, QLocale::Spain), actions_from_environment(60000));
}

TEST_F(RandomOperator, EnglishSettings) {
    run(QLocale(QLocale::English, QLocale::UnitedStates), actions_from_environment(60000));
}

}  // namespace
}  // namespace gelvor::ui::testing
