// The game on a desktop whose theme is dark and whose font is large: Qt's gtk3
// platform theme on a real X server, with GTK's Adwaita:dark and Cantarell 11
// (set up by CMakeLists.txt). Every text must stay readable against what it
// is drawn on, in the game's own fonts, and fit its fixed place.

#include "AboutDialog.h"
#include "Fonts.h"
#include "GameStyle.h"
#include "MainWindow.h"
#include "TestRandom.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

namespace duomira {
namespace {

QColor themeWindowColour; // the desktop theme's own, read before the game's look

double luminance(QRgb pixel) {
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(pixel)) + 0.7152 * channel(qGreen(pixel)) +
           0.0722 * channel(qBlue(pixel));
}

double contrast(QRgb a, QRgb b) {
    const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
    return (light + 0.05) / (dark + 0.05);
}

// The pixels that change when the text goes are the text's; its contrast is
// that of its strongest pixel (the glyphs' cores, not their smoothed edges)
// with the ground drawn there without it. 1 where no text shows at all.
double textContrast(QWidget& widget, const std::function<void()>& removeText) {
    const QImage shown = widget.grab().toImage();
    removeText();
    const QImage ground = widget.grab().toImage();
    double strongest = 1.0;
    for (int y = 0; y < std::min(shown.height(), ground.height()); ++y)
        for (int x = 0; x < std::min(shown.width(), ground.width()); ++x)
            strongest = std::max(strongest, contrast(shown.pixel(x, y), ground.pixel(x, y)));
    return strongest;
}

bool inGameFont(const QWidget& widget) {
    for (const KoreanFace face :
         {KoreanFace::Gulim, KoreanFace::GulimChe, KoreanFace::Dotum, KoreanFace::MsSerif}) {
        for (const char* family : familiesOf(face))
            if (QFontInfo(widget.font()).family() == QString::fromUtf8(family))
                return true;
    }
    return false;
}

// A caption fits where the text of a button, a label or a frame can show.
bool captionFits(const QWidget& widget, const QString& text, int bevel) {
    const QRect room = widget.contentsRect().adjusted(bevel, bevel, -bevel, -bevel);
    const QRect needed = widget.fontMetrics().boundingRect(
        room, Qt::TextShowMnemonic | Qt::AlignLeft | Qt::AlignTop, text);
    return room.contains(needed);
}

bool labelFits(const QLabel& label) {
    if (label.wordWrap())
        return label.heightForWidth(label.contentsRect().width()) <= label.contentsRect().height();
    return captionFits(label, label.text(), 0);
}

class ThemedDesktop : public ::testing::Test {
protected:
    void expectReadable(QWidget& widget, const QString& what, const std::function<void()>& remove) {
        EXPECT_TRUE(inGameFont(widget))
            << qPrintable(what) << " is drawn in " << qPrintable(QFontInfo(widget.font()).family());
        EXPECT_GE(textContrast(widget, remove), 4.5) << qPrintable(what);
    }

    void expectButtonReadable(QPushButton& button) {
        EXPECT_TRUE(captionFits(button, button.text(), 3)) << qPrintable(button.text());
        expectReadable(button, button.text(), [&] { button.setText({}); });
    }

    void expectLabelReadable(QLabel& label) {
        EXPECT_TRUE(labelFits(label)) << qPrintable(label.text());
        expectReadable(label, label.text(), [&] { label.setText({}); });
    }

    test::TestRandom random_{1U};
};

TEST_F(ThemedDesktop, TheDesktopIsDarkWithALargeFont) {
    EXPECT_LT(themeWindowColour.lightness(), 100) << qPrintable(themeWindowColour.name());
    EXPECT_EQ(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family(), "Cantarell");
    EXPECT_EQ(QApplication::font().pointSizeF(), 9.0);
}

TEST_F(ThemedDesktop, MainWindowTextsAreReadableAndWhole) {
    MainWindow window(random_);
    window.SetStatus("12번째에 12개 성공했네요");
    window.show();

    QGroupBox& board = *window.board();
    EXPECT_LT(board.fontMetrics().horizontalAdvance(board.title()), board.width());
    // Without its caption the frame's line would run where the caption was:
    // the caption goes by taking the colour of its ground instead.
    expectReadable(board, board.title(), [&] {
        QPalette colours = board.palette();
        colours.setColor(QPalette::WindowText, colours.color(QPalette::Window));
        board.setPalette(colours);
    });

    QMenuBar& bar = *window.menuBar();
    for (QAction* title : bar.actions()) {
        if (title->text().isEmpty())
            continue; // the menu bar's own, unseen
        EXPECT_TRUE(bar.rect().contains(bar.actionGeometry(title))) << qPrintable(title->text());
        if (QMenu* menu = title->menu()) {
            expectReadable(*menu, title->text(), [&] {
                for (QAction* item : menu->actions())
                    item->setText({});
            });
        }
    }
    expectReadable(bar, QStringLiteral("the menu bar"), [&] {
        for (QAction* title : bar.actions())
            title->setText({});
    });
}

TEST_F(ThemedDesktop, PasswordDialogTextsAreReadableAndWhole) {
    PasswordDialog dialog([] {});
    dialog.show();
    for (auto* label : dialog.findChildren<QLabel*>())
        expectLabelReadable(*label);
    for (auto* button : dialog.findChildren<QPushButton*>())
        expectButtonReadable(*button);

    QLineEdit& entry = *dialog.findChild<QLineEdit*>();
    entry.setText(QStringLiteral("12345"));
    entry.setReadOnly(true); // no blinking cursor in the pictures
    EXPECT_LE(entry.fontMetrics().height(), entry.contentsRect().height());
    expectReadable(entry, QStringLiteral("the typed password"), [&] { entry.clear(); });
}

TEST_F(ThemedDesktop, AboutTextsAreReadableAndWhole) {
    MainWindow window(random_);
    AboutDialog about(window.pictures(), &window);
    about.show();
    expectLabelReadable(*about.title());
    expectLabelReadable(*about.description());
    expectButtonReadable(*about.okButton());
    expectButtonReadable(*about.sysInfoButton());
}

} // namespace
} // namespace duomira

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    duomira::themeWindowColour = QGuiApplication::palette().color(QPalette::Window);
    duomira::useGameLook();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
