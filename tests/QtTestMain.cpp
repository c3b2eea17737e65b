#include <QApplication>
#include <QStyleFactory>

#include <gtest/gtest.h>

// Widget tests need an application object, and the same look as the game.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
