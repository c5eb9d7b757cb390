#include <QApplication>

#include "ui/splash_layout.h"
#include "ui/startup.h"
#include "ui/translations.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(gelvor::ui::splash_layout::kProductName));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(gelvor::ui::splash_layout::kVersionMajor)
                                            .arg(gelvor::ui::splash_layout::kVersionMinor)
                                            .arg(gelvor::ui::splash_layout::kVersionRevision));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Gelvor"));
    gelvor::ui::install_qt_translations(&app);
    gelvor::ui::Startup startup;
    startup.start();
    return app.exec();
}
