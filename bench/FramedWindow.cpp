#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

// The yardstick the game's start-up is held to: a plain window of the game's
// size with what every window of it has, a menu title, a captioned frame and
// a label, in Latin script, so that neither Hangul nor the game's own work
// is in it.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("framed"));
    window.menuBar()->addMenu(QStringLiteral("&File"));
    auto* frame = new QGroupBox(QStringLiteral("Board"));
    auto* label = new QLabel(QStringLiteral("Label"), frame);
    label->move(8, 20);
    window.setCentralWidget(frame);
    window.resize(644, 343);
    window.show();
    return QApplication::exec();
}
