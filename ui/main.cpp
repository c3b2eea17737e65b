#include "MainWindow.h"
#include "RandomSource.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>

int main(int argc, char* argv[]) {
    // The game reads no command line: Qt sees the program name alone, so its
    // own options (-style, -reverse, -qwindowtitle...) change nothing either.
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication app(qtArgc, argv);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(DUOMIRA_APP_ID));
    // The classic look: sunken picture borders and the etched, captioned frame.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));

    // Qt's own buttons and menus speak Korean too, where the translation exists.
    QTranslator qtKorean;
    if (qtKorean.load(QLocale(QLocale::Korean), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtKorean);
    }

    duomira::ClockRandomSource random;
    duomira::MainWindow window(random);
    window.show();
    return QApplication::exec();
}
