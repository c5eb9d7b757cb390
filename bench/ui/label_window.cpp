// A second yardstick: a window whose only content is one line of text, so
// that it pays for the font system as every window with text does.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Gelvor"));
    window.resize(714, 534);
    window.show();
    return app.exec();
}
