#include "ui/startup.h"

#include "ui/form1.h"
#include "ui/splash.h"

namespace gelvor::ui {

Startup::Startup() = default;

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
}

}  // namespace gelvor::ui
