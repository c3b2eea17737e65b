#include "AboutDialog.h"

#include "PictureSet.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace duomira {
namespace {

// A machine without the tool: every key fails to open, messages are recorded.
class NoToolPlatform : public SysInfoPlatform {
public:
    explicit NoToolPlatform(std::vector<std::pair<std::string, std::string>>& messages)
        : messages_(messages) {}

    long openKey(std::uint32_t, const std::string&, std::uint32_t, KeyHandle&) override {
        return 2; // ERROR_FILE_NOT_FOUND
    }
    long queryValue(KeyHandle, const std::string&, std::uint32_t&, unsigned char*,
                    std::uint32_t&) override {
        return 2;
    }
    void closeKey(KeyHandle) override {}
    std::string decodeAnsi(const std::string& bytes) override { return bytes; }
    std::string findFile(const std::string&) override { return {}; }
    void startProgram(const std::string&) override { throw std::runtime_error("no program"); }
    void showMessage(const std::string& text, const std::string& title) override {
        messages_.emplace_back(text, title);
    }

private:
    std::vector<std::pair<std::string, std::string>>& messages_;
};

class AboutDialogTest : public ::testing::Test {
protected:
    AboutDialogTest() : dialog(pictures, std::make_unique<NoToolPlatform>(messages)) {}

    // Runs the dialog modal, doing whileOpen inside its event loop; a dialog
    // still open shortly after is closed so a failing test cannot hang.
    bool closedByItself(const std::function<void()>& whileOpen) {
        bool stillOpen = false;
        QTimer::singleShot(0, &dialog, [&] {
            EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
            whileOpen();
            QTimer::singleShot(200, &dialog, [&] {
                stillOpen = true;
                dialog.done(QDialog::Rejected);
            });
        });
        dialog.exec();
        return !stillOpen;
    }

    QWidget* focused() { return QApplication::focusWidget(); }

    PictureSet pictures;
    std::vector<std::pair<std::string, std::string>> messages;
    AboutDialog dialog;
};

const std::pair<std::string, std::string> kUnavailable{"지금은 시스템 정보를 사용할 수 없습니다.",
                                                       "Duomira"};

TEST_F(AboutDialogTest, WindowTitleFrameAndFixedPlace) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("토리무나 그림 맞추기 게임에 대하여.."));
    EXPECT_EQ(dialog.windowIcon().cacheKey(), pictures.aboutIcon().cacheKey());
    Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(dialog.testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    // 5730 x 3555 twips of client area, its corner 2340, 1935 twips into the screen.
    QPoint origin = dialog.screen()->geometry().topLeft();
    EXPECT_EQ(dialog.geometry(), QRect(origin + QPoint(156, 129), QSize(382, 237)));
    closedByItself([&] {
        EXPECT_EQ(dialog.geometry(), QRect(origin + QPoint(156, 129), QSize(382, 237)));
        dialog.okButton()->click();
    });
}

TEST_F(AboutDialogTest, ControlsInCreationOrderWithTheirLayout) {
    auto controls = dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(controls.size(), 5);
    const QList<QWidget*> expected{dialog.picture(), dialog.okButton(), dialog.sysInfoButton(),
                                   dialog.description(), dialog.title()};
    EXPECT_EQ(controls, expected);
    EXPECT_EQ(dialog.picture()->geometry(), QRect(0, 16, 84, 84));
    EXPECT_EQ(dialog.okButton()->geometry(), QRect(259, 175, 108, 23));
    EXPECT_EQ(dialog.sysInfoButton()->geometry(), QRect(260, 205, 107, 23));
    EXPECT_EQ(dialog.description()->geometry(), QRect(104, 59, 259, 94));
    EXPECT_EQ(dialog.title()->geometry(), QRect(88, 16, 275, 32));
}

TEST_F(AboutDialogTest, PictureFitsItsSunkenBorderExactly) {
    QLabel* picture = dialog.picture();
    EXPECT_EQ(picture->pixmap().size(), QSize(80, 80));
    EXPECT_EQ(picture->frameWidth(), 2);
    EXPECT_EQ(picture->frameShadow(), QFrame::Sunken);
    EXPECT_EQ(picture->contentsRect(), QRect(2, 2, 80, 80));
}

TEST_F(AboutDialogTest, TextsByteForByte) {
    EXPECT_EQ(dialog.title()->text(), QStringLiteral("토리무나 그림 맞추기 게임"));
    EXPECT_EQ(dialog.okButton()->text(), QStringLiteral("확인"));
    EXPECT_EQ(dialog.sysInfoButton()->text(), QStringLiteral("시스템 정보(&S)..."));

    QString text = dialog.description()->text();
    QString head = QStringLiteral("어떤 책의 예제를 참고로 해서 만들었습니다.     "
                                  "일요일 아침에 급히 만들었기 때문에 어딘가   "
                                  "삐그덕 거릴수도 있겠구요..") +
                   QString(21, u' ');
    QString tail = QString(6, u' ') + QStringLiteral("감사합니다.");
    ASSERT_TRUE(text.startsWith(head)) << text.toStdString();
    ASSERT_TRUE(text.endsWith(tail)) << text.toStdString();
    QString piece4 = text.mid(head.size(), text.size() - head.size() - tail.size());
    EXPECT_FALSE(piece4.startsWith(u' '));
    EXPECT_FALSE(piece4.endsWith(u' '));
    EXPECT_FALSE(piece4.contains(QStringLiteral("  ")));
    EXPECT_TRUE(piece4.contains(QStringLiteral("@example.org")));
    EXPECT_TRUE(piece4.contains(QStringLiteral("메일")));
    // Rich text would fold the blank runs into single blanks.
    EXPECT_EQ(dialog.description()->textFormat(), Qt::PlainText);
    EXPECT_TRUE(dialog.description()->wordWrap());
}

TEST_F(AboutDialogTest, FontsAndColours) {
    QFont title = dialog.title()->font();
    EXPECT_EQ(title.families().front(), QStringLiteral("돋움"));
    EXPECT_DOUBLE_EQ(title.pointSizeF(), 14.25);
    EXPECT_EQ(title.weight(), QFont::Bold);
    EXPECT_EQ(dialog.description()->font(), QApplication::font(&dialog));
    EXPECT_EQ(dialog.okButton()->font(), QApplication::font(dialog.okButton()));
    EXPECT_EQ(dialog.description()->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(dialog.title()->palette().color(QPalette::WindowText), QColor(Qt::black));
}

// Grey at y 163 from x 6, white on the two rows under it from x 7; both stop
// before x 377.
TEST_F(AboutDialogTest, EtchedSeparator) {
    QImage image = dialog.grab().toImage();
    const QColor grey(128, 128, 128);
    const QColor white(Qt::white);
    for (int x : {6, 100, 376})
        EXPECT_EQ(image.pixelColor(x, 163), grey) << x;
    for (int x : {7, 100, 376}) {
        EXPECT_EQ(image.pixelColor(x, 164), white) << x;
        EXPECT_EQ(image.pixelColor(x, 165), white) << x;
    }
    QColor background = image.pixelColor(100, 170);
    EXPECT_EQ(image.pixelColor(5, 163), background);
    EXPECT_EQ(image.pixelColor(377, 163), background);
    EXPECT_EQ(image.pixelColor(6, 164), background);
    EXPECT_EQ(image.pixelColor(377, 164), background);
    EXPECT_EQ(image.pixelColor(100, 162), background);
    EXPECT_EQ(image.pixelColor(100, 166), background);
}

TEST_F(AboutDialogTest, ShownModalWithFocusOnOk) {
    EXPECT_TRUE(closedByItself([&] {
        EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
        EXPECT_EQ(focused(), dialog.okButton());
        QTest::keyClick(focused(), Qt::Key_Tab);
        EXPECT_EQ(focused(), dialog.sysInfoButton());
        dialog.okButton()->click();
    }));
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(AboutDialogTest, EnterAndEscapeClose) {
    EXPECT_TRUE(closedByItself([&] { QTest::keyClick(focused(), Qt::Key_Return); }));
    EXPECT_TRUE(closedByItself([&] { QTest::keyClick(focused(), Qt::Key_Escape); }));
    EXPECT_TRUE(closedByItself([&] {
        dialog.sysInfoButton()->setFocus();
        QTest::keyClick(focused(), Qt::Key_Escape);
    }));
    EXPECT_TRUE(closedByItself([&] { dialog.close(); }));
    EXPECT_TRUE(messages.empty());
}

TEST_F(AboutDialogTest, SystemInformationButtonLeavesTheDialogOpen) {
    EXPECT_FALSE(closedByItself([&] {
        dialog.sysInfoButton()->click();
        QTest::keyClick(focused(), Qt::Key_S, Qt::AltModifier);
        dialog.sysInfoButton()->setFocus();
        QTest::keyClick(focused(), Qt::Key_Return);
    }));
    EXPECT_EQ(messages, std::vector(3, kUnavailable));
}

} // namespace
} // namespace duomira
