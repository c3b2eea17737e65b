#include <QApplication>
#include <QWidget>

// The yardstick for the game's start-up: a Qt window that shows itself and does nothing else.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.resize(644, 343);
    window.show();
    return QApplication::exec();
}
