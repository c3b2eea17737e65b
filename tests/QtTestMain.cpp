#include "GameStyle.h"

#include <QApplication>

#include <gtest/gtest.h>

QColor desktopWindowColour;

// Widget tests need an application object, and the same look as the game.
// They draw offscreen unless told otherwise, so that a plain `ctest` (which
// lists their cases by running them) needs no display either.
int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    desktopWindowColour = QGuiApplication::palette().color(QPalette::Window);
    duomira::useGameLook();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
