#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

namespace {

QtMessageHandler qt_output = nullptr;

// The offscreen platform says so each time it cannot place or raise a window.
void quiet_platform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    qt_output(type, context, message);
}

}  // namespace

// The widgets need an application; the offscreen platform unless told
// otherwise. Each test process keeps its files (the notebook's recovery
// files) in a data folder of its own, gone when it ends.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir data_home;
    qputenv("XDG_DATA_HOME", data_home.path().toLocal8Bit());
    qt_output = qInstallMessageHandler(quiet_platform);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
