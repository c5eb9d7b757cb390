// The yardstick for the simulator's start-up: an empty Qt Widgets window.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(714, 534);
    window.show();
    return app.exec();
}
