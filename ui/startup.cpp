#include "ui/startup.h"

#include <QTimer>

#include "ui/form1.h"
#include "ui/notebook/notebook.h"
#include "ui/splash.h"

namespace gelvor::ui {

Startup::Startup(QString notebook_file) : notebook_file_(std::move(notebook_file)) {}

Splash* Startup::splash() const {
    return splash_;
}

Startup::~Startup() {
    delete splash_;
}

void Startup::start() {
    splash_ = new Splash;
    connect(splash_, &Splash::dismissed, this, &Startup::openMainWindow);
    splash_->show();
}

void Startup::openMainWindow() {
    if (form_)
        return;
    form_ = std::make_unique<Form1>();
    // Shown before the splash closes, so that the program never has no window.
    form_->show();
    if (splash_) {
        splash_->close();
        splash_->deleteLater();
    }
    emit mainWindowShown();
    // Once the window is up and the splash's event is done.
    QTimer::singleShot(0, form_.get(), [this] { form_->notebook().start(notebook_file_); });
}

}  // namespace gelvor::ui
