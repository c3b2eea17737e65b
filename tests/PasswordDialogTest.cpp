#include "PasswordDialog.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

namespace duomira {
namespace {

class PasswordDialogTest : public ::testing::Test {
protected:
    PasswordDialogTest() : dialog(new PasswordDialog([this] { onReveal(); })) {}
    ~PasswordDialogTest() override { delete dialog.data(); }

    void onReveal() {
        ++reveals;
        visibleAtReveal = dialog != nullptr && dialog->isVisible();
    }

    void showAndActivate() {
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    }

    bool dialogIsGone() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return dialog.isNull();
    }

    QPointer<PasswordDialog> dialog;
    int reveals = 0;
    bool visibleAtReveal = false;
};

QColor colourInside(QWidget* widget, QPoint at) {
    return widget->grab().toImage().pixelColor(at);
}

TEST_F(PasswordDialogTest, WindowFrameTitleAndBackground) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("패스워드 입력"));
    // 3270 x 1125 twips of client area.
    EXPECT_EQ(dialog->size(), QSize(218, 75));
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    Qt::WindowFlags flags = dialog->windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowContextHelpButtonHint));
    EXPECT_TRUE(dialog->testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_EQ(dialog->windowIcon().pixmap(16).toImage().pixelColor(8, 8).alpha(), 0);
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->parentWidget(), nullptr);
    EXPECT_EQ(colourInside(dialog, {210, 70}), QColor(255, 224, 192));
}

// The window is placed before its frame is known, so centring may be off by
// the frame's thickness, no more.
TEST_F(PasswordDialogTest, OpensCentredOnTheScreen) {
    showAndActivate();
    QPoint offCentre =
        dialog->frameGeometry().center() - dialog->screen()->availableGeometry().center();
    QSize frame = dialog->frameGeometry().size() - dialog->size();
    EXPECT_LE(std::abs(offCentre.x()), frame.width() + 1);
    EXPECT_LE(std::abs(offCentre.y()), frame.height() + 1);
}

TEST_F(PasswordDialogTest, ControlsInCreationOrderWithTheirLayout) {
    auto controls = dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(controls.size(), 3);
    EXPECT_EQ(controls[0], dialog->okButton());
    EXPECT_EQ(controls[1], dialog->entry());
    EXPECT_EQ(controls[2], dialog->label());

    EXPECT_EQ(dialog->okButton()->geometry(), QRect(152, 40, 61, 25));
    EXPECT_EQ(dialog->entry()->geometry(), QRect(8, 40, 117, 27));
    EXPECT_EQ(dialog->label()->geometry(), QRect(8, 8, 73, 25));
    EXPECT_EQ(dialog->okButton()->text(), QStringLiteral("확인"));
    EXPECT_EQ(dialog->label()->text(), QStringLiteral("패스워드"));
    EXPECT_TRUE(dialog->okButton()->isDefault());
}

TEST_F(PasswordDialogTest, Fonts) {
    EXPECT_EQ(dialog->font().families().front(), QStringLiteral("굴림"));
    EXPECT_DOUBLE_EQ(dialog->font().pointSizeF(), 8.25);
    EXPECT_EQ(dialog->okButton()->font().families().front(), QStringLiteral("굴림체"));
    EXPECT_DOUBLE_EQ(dialog->okButton()->font().pointSizeF(), 9.75);
    EXPECT_EQ(dialog->entry()->font().families().front(), QStringLiteral("MS Serif"));
    EXPECT_DOUBLE_EQ(dialog->entry()->font().pointSizeF(), 12);
    EXPECT_EQ(dialog->label()->font().families().front(), QStringLiteral("굴림"));
    EXPECT_DOUBLE_EQ(dialog->label()->font().pointSizeF(), 11.25);
    const QList<QWidget*> widgets{dialog, dialog->okButton(), dialog->entry(), dialog->label()};
    for (QWidget* widget : widgets)
        EXPECT_EQ(widget->font().weight(), QFont::Normal);
}

TEST_F(PasswordDialogTest, LoadEmptiesTheEntryAndFocusStartsThere) {
    EXPECT_TRUE(dialog->entry()->text().isEmpty());
    showAndActivate();
    EXPECT_EQ(QApplication::focusWidget(), dialog->entry());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), dialog->okButton());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), dialog->entry());
}

TEST_F(PasswordDialogTest, EveryTypedCharacterShowsAsAnAsteriskOnGrey) {
    showAndActivate();
    EXPECT_EQ(colourInside(dialog->entry(), {100, 13}), QColor(192, 192, 192));
    QTest::keyClicks(dialog->entry(), QStringLiteral("-5.8 2x"));
    EXPECT_EQ(dialog->entry()->text(), QStringLiteral("-5.8 2x"));
    EXPECT_EQ(dialog->entry()->displayText(), QStringLiteral("*******"));
}

TEST_F(PasswordDialogTest, EnterWithTheAccessNumberRevealsThenCloses) {
    showAndActivate();
    QTest::keyClicks(dialog->entry(), QStringLiteral("-5.82"));
    QTest::keyClick(dialog->entry(), Qt::Key_Return);
    EXPECT_EQ(reveals, 1);
    EXPECT_TRUE(visibleAtReveal);
    EXPECT_TRUE(dialogIsGone());
}

TEST_F(PasswordDialogTest, OkButtonWithTheAccessNumberRevealsOnce) {
    showAndActivate();
    dialog->entry()->setText(QStringLiteral(" - 5 . 8 2 0 0 abc"));
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    EXPECT_EQ(reveals, 1);
    EXPECT_TRUE(dialogIsGone());
}

TEST_F(PasswordDialogTest, WrongOrEmptyEntriesCloseSilently) {
    for (const QString& text : {QString(), QStringLiteral("-5,82"), QStringLiteral("5.82"),
                                QStringLiteral("-1e400"), QStringLiteral("&H5")}) {
        SCOPED_TRACE(text.toStdString());
        dialog = new PasswordDialog([this] { onReveal(); });
        showAndActivate();
        QTest::keyClicks(dialog->entry(), text);
        QTest::keyClick(dialog->entry(), Qt::Key_Enter);
        EXPECT_TRUE(dialogIsGone());
    }
    EXPECT_EQ(reveals, 0);
}

TEST_F(PasswordDialogTest, CloseBoxClosesWithoutTheCheck) {
    showAndActivate();
    QTest::keyClicks(dialog->entry(), QStringLiteral("-5.82"));
    dialog->close();
    EXPECT_EQ(reveals, 0);
    EXPECT_TRUE(dialogIsGone());
}

TEST_F(PasswordDialogTest, EscapeIsNotACancelButton) {
    showAndActivate();
    QTest::keyClicks(dialog->entry(), QStringLiteral("-5.82"));
    QTest::keyClick(dialog->entry(), Qt::Key_Escape);
    ASSERT_FALSE(dialogIsGone());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->entry()->text(), QStringLiteral("-5.82"));
    EXPECT_EQ(reveals, 0);
}

} // namespace
} // namespace duomira
