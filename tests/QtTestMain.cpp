#include "GameStyle.h"

#include <QApplication>
#include <QStyle>

#include <gtest/gtest.h>

QColor desktopWindowColour;
QString desktopStyle;

// Widget tests need an application object, and the same look as the game.
// They draw offscreen unless told otherwise, so that a plain `ctest` (which
// lists their cases by running them) needs no display either.
int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    desktopWindowColour = QGuiApplication::palette().color(QPalette::Window);
    desktopStyle = QApplication::style()->name();
    duomira::useGameLook();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
