#include <QApplication>

#include "ui/command_line.h"
#include "ui/deferred_icons.h"
#include "ui/splash_layout.h"
#include "ui/startup.h"
#include "ui/translations.h"
#include "version/version.h"

int main(int argc, char* argv[]) {
    const gelvor::ui::CommandLine command_line = gelvor::ui::read_command_line(argc, argv);
    if (command_line.exit_status) {
        return *command_line.exit_status;
    }
    gelvor::ui::expect_display();
    QApplication app(argc, argv);
    gelvor::ui::accept_display();
    QApplication::setApplicationName(QString::fromUtf8(gelvor::ui::splash_layout::kProductName));
    QApplication::setApplicationVersion(QString::fromLatin1(gelvor::version::kText));
    QApplication::setDesktopFileName(QString::fromLatin1(gelvor::version::kAppId));
    gelvor::ui::install_qt_translations(&app);
    gelvor::ui::defer_menu_overflow_icon(&app);
    gelvor::ui::Startup startup(command_line.notebook_file);
    startup.start();
    return app.exec();
}
