// The notebook as a test drives it: its window and model, "Fijar condiciones"
// and the manual's three points recorded with the machine on.
#pragma once

#include <QDialogButtonBox>
#include <QPushButton>
#include <functional>

#include "tests/ui/window_driver.h"
#include "ui/notebook/conditions_dialog.h"
#include "ui/notebook/notebook_model.h"
#include "ui/notebook/notebook_window.h"

namespace gelvor::ui::testing {

inline constexpr int kExercisePoints = 3;

class NotebookDriver : public WindowTest {
  protected:
    QAction* action(const char* name) {
        auto* a = form->findChild<QAction*>(QLatin1String(name));
        EXPECT_NE(a, nullptr) << name;
        return a;
    }
    notebook::NotebookWindow* window() {
        action("verRegistro")->trigger();
        return find<notebook::NotebookWindow>("frmRegistro");
    }
    notebook::NotebookModel& model() {
        return *static_cast<notebook::NotebookModel*>(window()->table()->model());
    }

    // Opens "Fijar condiciones", lets `fill` work in it, then accepts it.
    void fixConditions(const std::function<void(notebook::ConditionsDialog*)>& fill) {
        const int seen = answer_modals<notebook::ConditionsDialog>(
            [&] { action("fijarCondiciones")->trigger(); },
            [&](notebook::ConditionsDialog* d) {
                fill(d);
                if (d->isVisible())
                    d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            });
        EXPECT_EQ(seen, 1);
    }
    // Sets the five settings of exercise point `k` (1 to 3).
    void exercisePoint(int k) {
        fixConditions([k](notebook::ConditionsDialog* d) {
            d->findChild<QPushButton*>(QStringLiteral("puntoEjercicio%1").arg(k))->click();
        });
    }
    // Records the manual's three points (mc, me: 20, 20; 4, 20; 40, 10 g/s).
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
};

}  // namespace gelvor::ui::testing
