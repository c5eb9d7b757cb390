#include <gtest/gtest.h>

#include <QApplication>

namespace {

QtMessageHandler qt_output = nullptr;

// The offscreen platform says so each time it cannot place or raise a window.
void quiet_platform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    qt_output(type, context, message);
}

}  // namespace

// The widgets need an application; the offscreen platform unless told otherwise.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qt_output = qInstallMessageHandler(quiet_platform);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
