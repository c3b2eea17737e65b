#include "MainWindow.h"
#include "ScriptedRandom.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace duomira::test {
namespace {

// Deals number n on card n (card c shows picture c mod 12) for this game and
// the next two restarts.
std::vector<float> threeDeals() {
    std::vector<float> values;
    for (int deal = 0; deal < 3; ++deal) {
        const auto one = identityDeal();
        values.insert(values.end(), one.begin(), one.end());
    }
    return values;
}

class MainWindowTest : public ::testing::Test {
protected:
    ScriptedRandom random{threeDeals()};
    MainWindow window{random};

    void SetUp() override { window.show(); }

    void click(int card) { QTest::mouseClick(window.card(card), Qt::LeftButton); }
    qint64 shownKey(int card) const { return window.card(card)->pixmap().cacheKey(); }
    qint64 backKey() const { return window.pictures().back().cacheKey(); }
    qint64 faceKey(int picture) const { return window.pictures().face(picture).cacheKey(); }
    QString status() const { return window.statusTitle()->text(); }

    QList<QAction*> titles() const { return window.menuBar()->actions(); }
    QAction* item(int title, int index) const {
        return titles().at(title)->menu()->actions().at(index);
    }
    void findPair(int picture) {
        click(picture);
        click(picture + 12);
    }
};

// Runs `answer` on the next modal box, once it is up.
void whenModalAppears(const std::function<void(QWidget*)>& answer) {
    QTimer::singleShot(0, [answer] {
        QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
        answer(QApplication::activeModalWidget());
    });
}

// --- after load --------------------------------------------------------------

TEST_F(MainWindowTest, WindowHasItsCaptionFixedSizeAndClientArea) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("토리무나 그림 맞추기 게임"));
    EXPECT_EQ(window.centralWidget()->size(), QSize(644, 323));
    EXPECT_EQ(window.centralWidget()->y(), window.menuBar()->height());
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor(192, 192, 192));
    EXPECT_FALSE(window.windowIcon().isNull());
}

TEST_F(MainWindowTest, SlotsLieOnTheDesignedGrid) {
    const int lefts[8] = {7, 86, 165, 245, 324, 403, 482, 561}; // 105 + 1188 k twips
    const int tops[3] = {16, 118, 219};                         // 240 + 1525 k twips
    for (int c = 0; c < kCardCount; ++c) {
        EXPECT_EQ(window.card(c)->pos(), QPoint(lefts[c % 8], tops[c / 8])) << "card " << c;
        EXPECT_EQ(window.card(c)->size(), QSize(84, 84)) << "card " << c;
        EXPECT_TRUE(window.card(c)->isVisible());
        EXPECT_EQ(window.card(c)->parentWidget(), window.board());
    }
    EXPECT_EQ(window.board()->geometry(), QRect(0, 0, 641, 321));
    // Column 7 reaches past the frame, which cuts it off.
    EXPECT_GT(window.card(7)->geometry().right(), window.board()->rect().right());
}

TEST_F(MainWindowTest, EveryCardShowsTheOneBackAndTheStatusIsEmpty) {
    for (int c = 0; c < kCardCount; ++c) {
        EXPECT_EQ(shownKey(c), backKey()) << "card " << c;
    }
    EXPECT_EQ(status(), QString());
    EXPECT_FALSE(window.closeTimer().isActive());
    EXPECT_EQ(window.closeTimer().interval(), 300);
    EXPECT_TRUE(window.board()->isVisible());
}

TEST_F(MainWindowTest, BoardShowsTheHandButCardsKeepTheArrow) {
    const QCursor hand = window.board()->cursor();
    EXPECT_EQ(hand.shape(), Qt::BitmapCursor);
    EXPECT_EQ(hand.hotSpot(), QPoint(0, 0));
    for (int c = 0; c < kCardCount; ++c) {
        EXPECT_EQ(window.card(c)->cursor().shape(), Qt::ArrowCursor);
    }
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(MainWindowTest, MenusCarryTheirCaptionsInOrder) {
    ASSERT_EQ(titles().size(), 4);
    EXPECT_EQ(titles()[0]->text(), QStringLiteral("파일(&F)"));
    EXPECT_EQ(titles()[1]->text(), QStringLiteral("게임(&G)"));
    EXPECT_EQ(titles()[2]->text(), QString());
    EXPECT_EQ(titles()[2]->menu(), nullptr);
    EXPECT_EQ(titles()[3], window.statusTitle());
    EXPECT_EQ(titles()[3]->menu(), nullptr);

    EXPECT_EQ(item(0, 0)->text(), QStringLiteral("대하여..(&A)"));
    EXPECT_TRUE(item(0, 1)->isSeparator());
    EXPECT_EQ(item(0, 2)->text(), QStringLiteral("종료"));
    EXPECT_EQ(item(1, 0)->text(), QStringLiteral("다시 시작(&S)"));
    EXPECT_TRUE(item(1, 1)->isSeparator());
    EXPECT_EQ(item(1, 2)->text(), QStringLiteral("패스워드(&O)..."));
    for (int title = 0; title < 2; ++title) {
        for (QAction* action : titles()[title]->menu()->actions()) {
            EXPECT_TRUE(action->shortcut().isEmpty());
            EXPECT_TRUE(action->isEnabled());
            EXPECT_FALSE(action->isCheckable());
        }
    }
}

TEST_F(MainWindowTest, FontsHaveHangulGlyphsAtTheDesignedSize) {
    const QFont caption = window.board()->font();
    EXPECT_DOUBLE_EQ(caption.pointSizeF(), 9.75);
    EXPECT_EQ(caption.weight(), QFont::Normal);
    EXPECT_TRUE(QFontMetrics(caption).inFont(QChar(0xADF8))); // 그
}

// --- playing -----------------------------------------------------------------

TEST_F(MainWindowTest, ClickShowsTheFaceAndADoubleClickIsOneClick) {
    click(3);
    EXPECT_EQ(shownKey(3), faceKey(3));
    EXPECT_EQ(window.model().Turned(), 1);

    QWidget* slot = window.card(5);
    const QPoint centre = slot->rect().center();
    QTest::mousePress(slot, Qt::LeftButton, {}, centre);
    QTest::mouseRelease(slot, Qt::LeftButton, {}, centre);
    QMouseEvent second(QEvent::MouseButtonDblClick, centre, slot->mapToGlobal(centre),
                       Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(slot, &second);
    QTest::mouseRelease(slot, Qt::LeftButton, {}, centre);
    EXPECT_EQ(window.model().TryCount(), 2) << "the double click made more than one attempt";
    EXPECT_EQ(status(), QStringLiteral("1회"));
}

TEST_F(MainWindowTest, FailedPairTurnsBackOnTheTick) {
    click(0);
    click(1);
    EXPECT_EQ(shownKey(0), backKey());
    EXPECT_EQ(shownKey(1), faceKey(1));
    EXPECT_TRUE(window.closeTimer().isActive());
    EXPECT_EQ(status(), QStringLiteral("1회"));
    QTRY_COMPARE_WITH_TIMEOUT(shownKey(1), backKey(), 2000);
    EXPECT_FALSE(window.closeTimer().isActive());
}

TEST_F(MainWindowTest, PairStaysOpenAndNamesTheAttempt) {
    findPair(4);
    EXPECT_EQ(shownKey(4), faceKey(4));
    EXPECT_EQ(shownKey(16), faceKey(4));
    EXPECT_EQ(status(), QStringLiteral("1번째에 1개 그림이 열렸습니다"));
}

TEST_F(MainWindowTest, LastPairBlinksTheBoardWhileTheMenuBarStays) {
    for (int p = 0; p < 12; ++p) {
        findPair(p);
    }
    EXPECT_FALSE(window.board()->isVisible());
    EXPECT_TRUE(window.menuBar()->isVisible());
    EXPECT_EQ(status(), QStringLiteral("12번째에 12개 성공했네요"));
    QTRY_VERIFY_WITH_TIMEOUT(window.board()->isVisible(), 2000);
    for (int c = 0; c < kCardCount; ++c) {
        EXPECT_EQ(shownKey(c), faceKey(c % 12));
    }
}

TEST_F(MainWindowTest, ShorterFaceTenMakesItsSlotOnePixelLower) {
    click(10);
    EXPECT_EQ(window.card(10)->height(), 83); // 1245 twips
    click(10);
    EXPECT_EQ(window.card(10)->height(), 84); // the back again, 1260 twips
}

TEST_F(MainWindowTest, RestartDealsAgainAtOnce) {
    click(2);
    click(7);
    item(1, 0)->trigger();
    for (int c = 0; c < kCardCount; ++c) {
        EXPECT_EQ(shownKey(c), backKey());
    }
    EXPECT_EQ(status(), QString());
    EXPECT_EQ(window.model().TryCount(), 1);
}

TEST_F(MainWindowTest, StatusTitleDoesNothingWhenClicked) {
    click(1);
    window.statusTitle()->trigger();
    titles()[2]->trigger();
    EXPECT_EQ(window.model().Turned(), 1);
    EXPECT_EQ(status(), QString());
}

// --- errors ------------------------------------------------------------------

// A random source whose draws overflow, to raise a game error inside an event.
class OverflowingRandom : public RandomSource {
public:
    void seedFromClock() override {}
    float next() override {
        if (failing) {
            throw GameError(GameErrorKind::Overflow);
        }
        return inner.next();
    }
    SeededRandom inner{3};
    bool failing = false;
};

TEST(MainWindowErrors, GameErrorIsShownAndThePlayGoesOn) {
    OverflowingRandom random;
    MainWindow window(random);
    window.show();
    random.failing = true;

    QString shownText;
    QString shownTitle;
    whenModalAppears([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        shownText = box->text();
        shownTitle = box->windowTitle();
        ASSERT_EQ(box->buttons().size(), 1);
        EXPECT_EQ(box->buttons().first()->text(), QStringLiteral("확인"));
        box->buttons().first()->click();
    });
    window.menuBar()->actions().at(1)->menu()->actions().at(0)->trigger();
    EXPECT_EQ(shownText, QStringLiteral("오버플로가 발생했습니다."));
    EXPECT_EQ(shownTitle, QStringLiteral("Duomira"));

    QTest::mouseClick(window.card(0), Qt::LeftButton);
    EXPECT_EQ(window.model().LastCard(), 0);
    EXPECT_EQ(window.model().Turned(), 1);
}

TEST_F(MainWindowTest, ViewRefusesACardWithoutASlotAsASubscriptError) {
    try {
        window.ShowBack(24); // the card arrays' spare element has no slot
        FAIL() << "no error";
    } catch (const GameError& error) {
        EXPECT_EQ(error.kind(), GameErrorKind::SubscriptOutOfRange);
    }
    EXPECT_THROW(window.ShowFace(-1, 0), GameError);
    EXPECT_THROW(window.ShowFace(0, 12), GameError);
}

} // namespace
} // namespace duomira::test
