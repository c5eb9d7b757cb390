#include <fontconfig/fontconfig.h>

#include <QApplication>
#include <thread>

#include "ui/command_line.h"
#include "ui/deferred_icons.h"
#include "ui/splash_layout.h"
#include "ui/startup.h"
#include "ui/translations.h"
#include "version/version.h"

int main(int argc, char* argv[]) {
    if (const auto status = gelvor::ui::read_command_line(argc, argv)) {
        return *status;
    }
    // Fontconfig reads its configuration, some fifty files, when a font is
    // first asked for: the splash's first text. On a second processor core
    // it reads them while Qt connects to the display instead.
    std::jthread font_configuration([] { FcInit(); });
    QApplication app(argc, argv);
    font_configuration.join();
    QApplication::setApplicationName(QString::fromUtf8(gelvor::ui::splash_layout::kProductName));
    QApplication::setApplicationVersion(QString::fromLatin1(gelvor::version::kText));
    QApplication::setDesktopFileName(QString::fromLatin1(gelvor::version::kAppId));
    gelvor::ui::install_qt_translations(&app);
    gelvor::ui::defer_menu_overflow_icon(&app);
    gelvor::ui::Startup startup;
    startup.start();
    return app.exec();
}
