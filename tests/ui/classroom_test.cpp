// A lab class as the teacher prepares it in the window, a group takes it
// through the bench and its notebook, and the teacher reviews what comes back.
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>

#include "notebook/hand_results.h"
#include "notebook/marked_point.h"
#include "notebook/notebook_messages.h"
#include "present/notebook_columns.h"
#include "tests/ui/notebook_driver.h"
#include "ui/classroom/prepare_dialog.h"
#include "ui/classroom/review_window.h"
#include "ui/notebook/notebook.h"
#include "ui/notebook/notebook_files.h"
#include "ui/text_qt.h"

namespace gelvor::ui::testing {
namespace {

using classroom::PrepareDialog;
using classroom::ReviewWindow;

class Classroom : public NotebookDriver {
  protected:
    void SetUp() override {
        NotebookDriver::SetUp();
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        QFile list(dir.filePath("grupos.txt"));
        ASSERT_TRUE(list.open(QIODevice::WriteOnly));
        list.write("L3-A: Ana Pérez, Luis Gómez\nL3-B: Eva Sanz\n");
    }
    QString path(const QString& name) const { return dir.filePath(name); }

    // Fills "Preparar práctica" and prepares; returns what it told.
    QString prepare(const QString& seed) {
        const int seen = answer_modals<PrepareDialog>(
            [&] { action("prepararPractica")->trigger(); },
            [&](PrepareDialog* d) {
                d->findChild<QLineEdit*>("listaGrupos")->setText(path("grupos.txt"));
                d->findChild<QLineEdit*>("carpetaPractica")->setText(path("clase"));
                d->findChild<QLineEdit*>("semilla")->setText(seed);
                d->findChild<QLineEdit*>("claveProfesor")->setText(path("profesor.clave"));
                d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            });
        EXPECT_EQ(seen, 1);
        return notices.text;
    }
    QString status() { return window()->findChild<QLabel*>("estadoPractica")->text(); }
    // Types, through the table, the bench's own figure as the group's result.
    void typeHandResults(int row) {
        notebook::NotebookModel& m = model();
        for (std::size_t k = 0; k < kHandResultCount; ++k) {
            const int bench = notebook_column(hand_results()[k].bench_column) + 1;
            ASSERT_TRUE(m.setData(m.index(row, m.handColumn(k)), m.cellText(row, bench)));
        }
    }

    QTemporaryDir dir;
};

TEST_F(Classroom, AClassPreparedInTheWindowIsTakenThroughItAndReviewed) {
    const QString told = prepare("7");
    EXPECT_TRUE(told.contains("2 grupos") && told.contains("semilla 7")) << told.toStdString();
    for (const char* name : {"L3-A.gelvor", "L3-B.gelvor", "clave.csv", "clave.pdf"})
        EXPECT_TRUE(QFile::exists(path("clase/") + name)) << name;
    QFile key(path("profesor.clave"));
    ASSERT_TRUE(key.open(QIODevice::ReadOnly));
    const QByteArray secret = key.readAll().trimmed();
    QFile handed(path("clase/L3-A.gelvor"));
    ASSERT_TRUE(handed.open(QIODevice::ReadOnly));
    EXPECT_FALSE(handed.readAll().contains(secret));

    // The group opens its notebook: three points to take, its own on Alt+1..3.
    ASSERT_TRUE(form->notebook().files().open(form.get(), path("clase/L3-A.gelvor")));
    EXPECT_TRUE(status().contains("0 de 3")) << status().toStdString();
    const Assignment assignment = *model().history().assignment();
    fixConditions([&](notebook::ConditionsDialog* d) {
        auto* first = d->findChild<QPushButton*>("puntoEjercicio1");
        const AssignedPoint& p = assignment.points[0];
        EXPECT_TRUE(first->text().contains(QStringLiteral("%1 y %2 g/s, %3 mbar")
                                               .arg(p.condenser_flow)
                                               .arg(p.evaporator_flow)
                                               .arg(p.barometer)))
            << first->text().toStdString();
        first->click();
    });
    operateSwitch();
    ASSERT_TRUE(on());
    for (int k = 1; k <= kExercisePoints; ++k) {
        exercisePoint(k);
        action("anotarLecturas")->trigger();
        typeHandResults(k - 1);
    }
    EXPECT_TRUE(status().contains("3 de 3")) << status().toStdString();
    // A point at settings of its own is kept, and marked as no point of the class.
    fixConditions([](notebook::ConditionsDialog* d) {
        d->findChild<QSpinBox*>("caudalCondensador")->setValue(33);
    });
    action("anotarLecturas")->trigger();
    ASSERT_EQ(model().count(), 4);
    EXPECT_TRUE(model().point(3).outside_assignment);
    EXPECT_TRUE(model()
                    .data(model().index(3, 0), Qt::ToolTipRole)
                    .toString()
                    .contains(QString::fromUtf8(kOutsideAssignment)));
    // A result in the other locale's numbers is flagged before the teacher sees it.
    const QModelIndex cop = model().index(0, model().handColumn(3));
    const QString as_typed = model().cellText(0, cop.column());
    model().setData(cop, QString(as_typed).replace(u',', u'.'));
    EXPECT_TRUE(
        model().data(cop, Qt::ToolTipRole).toString().contains(u'«' + QString(u',') + u'»'));
    model().setData(cop, as_typed);
    EXPECT_TRUE(model().data(cop, Qt::ToolTipRole).isNull());

    // Saved where it was opened, the group's notebook keeps its seal.
    const QString submitted = path("clase/L3-A.gelvor");
    ASSERT_TRUE(form->notebook().files().save(form.get()));
    QFile::copy(submitted, path("copia.gelvor"));

    // The review: the honest notebook, an untouched one, and a copy.
    QStringList opened;
    ReviewWindow review([&](const QString& p) { opened << p; });
    review.findChild<QLineEdit*>("claveProfesor")->setText(path("profesor.clave"));
    review.review({submitted, path("clase/L3-B.gelvor"), path("copia.gelvor")});
    ASSERT_EQ(review.rows().size(), 3u);
    const ReviewRow& honest = review.rows()[0];
    EXPECT_EQ(honest.taken, 3);
    EXPECT_TRUE(honest.authentic.value_or(false) && honest.sealed.value_or(false));
    EXPECT_EQ(honest.correct, 3 * static_cast<int>(kHandResultCount));
    EXPECT_EQ(review.rows()[1].taken, 0);
    EXPECT_TRUE(review.rows()[1].sealed.value_or(false));
    EXPECT_FALSE(review.rows()[2].copy_of.empty());
    EXPECT_EQ(review.table()->model()->rowCount(), 3);
    EXPECT_EQ(review.table()->model()->headerData(0, Qt::Horizontal).toString(), "grupo");

    // A row opens the group's notebook; the table leaves as CSV.
    review.table()->selectRow(0);
    emit review.table()->activated(review.table()->currentIndex());
    EXPECT_EQ(opened, QStringList{submitted});
    answer_modals<QFileDialog>([&] { review.findChild<QPushButton*>("exportarRevision")->click(); },
                               [&](QFileDialog* d) {
                                   d->selectFile(path("revision.csv"));
                                   static_cast<QDialog*>(d)->accept();
                               });
    QFile csv(path("revision.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_TRUE(csv.readAll().startsWith("\xEF\xBB\xBFgrupo"));
}

// A review is never made under a key made for it: that would break every seal.
TEST_F(Classroom, AReviewWithoutTheTeachersKeySaysSoAndMakesNone) {
    prepare("3");
    ReviewWindow review([](const QString&) {});
    review.findChild<QLineEdit*>("claveProfesor")->setText(path("otra.clave"));
    const int before = notices.count;
    review.review({path("clase/L3-A.gelvor")});
    EXPECT_EQ(notices.count, before + 1);
    const QString told = notices.text;
    EXPECT_TRUE(told.startsWith("Sin la clave del profesor")) << told.toStdString();
    EXPECT_FALSE(QFile::exists(path("otra.clave")));
    EXPECT_TRUE(review.rows().empty());
}

}  // namespace
}  // namespace gelvor::ui::testing
