#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

// A second yardstick: the least window that shows Korean text in a menu bar,
// so the cost of Hangul fonts and text shaping can be told apart from the game's own.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("text"));
    window.menuBar()->addMenu(QStringLiteral("파일(&F)"));
    window.setCentralWidget(new QLabel(QStringLiteral("그림판")));
    window.resize(644, 343);
    window.show();
    return QApplication::exec();
}
