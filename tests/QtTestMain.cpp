#include "GameStyle.h"

#include <QApplication>

#include <gtest/gtest.h>

// Widget tests need an application object, and the same look as the game.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(new duomira::GameStyle);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
