#include "AboutDialog.h"
#include "MainWindow.h"
#include "TestRandom.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <random>

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace duomira::test {
namespace {

// Runs `inside` in the loop of the next modal window; whatever is still modal
// a moment later is closed, so a failing test cannot hang.
void whileModal(const std::function<void(QWidget*)>& inside) {
    QTimer::singleShot(0, [inside] {
        QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
        QVERIFY(QTest::qWaitForWindowActive(QApplication::activeModalWidget()));
        inside(QApplication::activeModalWidget());
        QTimer::singleShot(300, [] {
            if (auto* left = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                left->done(QDialog::Rejected);
        });
    });
}

QString fontOf(const QWidget* widget) {
    const QFont font = widget->font();
    return font == QApplication::font(widget)
               ? QString()
               : QString::asprintf(" %s %g%s", qPrintable(font.families().front()),
                                   font.pointSizeF(), font.bold() ? " bold" : "");
}

// A window and its controls in creation order, a line each: the text, the
// place in pixels (15 twips each) and the font where it is not the default.
QString describe(const QWidget* window) {
    QString lines = window->windowTitle() + fontOf(window) +
                    (window->minimumSize() == window->maximumSize() ? " fixed" : " sizable");
    for (const QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect at = control->geometry();
        lines += QString::asprintf("\n%s \"%s\" %d,%d %dx%d", control->metaObject()->className(),
                                   qPrintable(control->property("text").toString()), at.x(), at.y(),
                                   at.width(), at.height()) +
                 fontOf(control);
    }
    return lines;
}

// The menu bar in a line: each title with its items in brackets.
QString menus(const QMenuBar* bar) {
    QString line;
    for (const QAction* title : bar->actions()) {
        QStringList items;
        for (const QAction* item : title->menu() ? title->menu()->actions() : QList<QAction*>())
            items << (item->isSeparator() ? "-" : item->text());
        line += "\"" + title->text() + "\"" + (items.isEmpty() ? "" : "[" + items.join('|') + "]");
    }
    return line;
}

// What a player's double click sends: a press and a release, then a
// double-click press and a release.
void doubleClick(QWidget* slot) {
    QTest::mouseClick(slot, Qt::LeftButton);
    QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(9, 9), slot->mapToGlobal(QPointF(9, 9)),
                       Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(slot, &second);
    QTest::mouseRelease(slot, Qt::LeftButton);
}

class WindowTest : public testing::Test {
protected:
    TestRandom random{identityDeal()};
    MainWindow window{random};
    QStringList messages;

    void SetUp() override { window.show(); }
    void click(int card) { QTest::mouseClick(window.card(card), Qt::LeftButton); }
    qint64 shown(int card) const { return window.card(card)->pixmap().cacheKey(); }
    qint64 back() const { return window.pictures().back().cacheKey(); }
    QString status() const { return window.statusTitle()->text(); }
    QAction* item(int menu, int index) const {
        return window.menuBar()->actions().at(menu)->menu()->actions().at(index);
    }
    PasswordDialog* openPassword() {
        item(1, 2)->trigger();
        return window.passwordDialog();
    }
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    std::unique_ptr<AboutDialog> about() {
        return std::make_unique<AboutDialog>(
            window.pictures(), makeSystemPlatform([this](const std::string& text, auto& title) {
                messages << QString::fromStdString(title + ": " + text);
            }));
    }
};

TEST_F(WindowTest, MainWindowAsDesigned) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("토리무나 그림 맞추기 게임"));
    EXPECT_EQ(
        menus(window.menuBar()),
        QStringLiteral(
            R"x("파일(&F)"[대하여..(&A)|-|종료]"게임(&G)"[다시 시작(&S)|-|패스워드(&O)...]"""")x"));
    EXPECT_EQ(window.menuBar()->actions().last(), window.statusTitle());
    EXPECT_EQ(describe(window.centralWidget()), " fixed\nQGroupBox \"\" 0,0 641x321 굴림체 9.75");
    EXPECT_EQ(window.board()->title(), QStringLiteral("그림판"));
    EXPECT_EQ(window.centralWidget()->geometry(), QRect(0, window.menuBar()->height(), 644, 323));
    const int lefts[8] = {7, 86, 165, 245, 324, 403, 482, 561}; // 105 + 1188 k twips
    const int tops[3] = {16, 118, 219};                         // 240 + 1525 k twips
    for (int c = 0; c < kCardCount; ++c) {
        EXPECT_EQ(window.card(c)->geometry(), QRect(lefts[c % 8], tops[c / 8], 84, 84)) << c;
        EXPECT_EQ(window.card(c)->cursor().shape(), Qt::ArrowCursor) << c;
        EXPECT_EQ(shown(c), back()) << c;
    }
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_EQ(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint),
              Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor(192, 192, 192));
    EXPECT_EQ(window.board()->cursor().hotSpot(), QPoint(0, 0));
    EXPECT_EQ(window.board()->cursor().shape(), Qt::BitmapCursor);
}

TEST_F(WindowTest, DialogsAsDesigned) {
    PasswordDialog* password = openPassword();
    EXPECT_EQ(describe(password), QStringLiteral(R"(패스워드 입력 굴림 8.25 fixed
QPushButton "확인" 152,40 61x25 굴림체 9.75
QLineEdit "" 8,40 117x27 MS Serif 12
QLabel "패스워드" 8,8 73x25 굴림 11.25)"));
    EXPECT_EQ(password->size(), QSize(218, 75));
    const auto dialog = about();
    EXPECT_EQ(describe(dialog.get()), QStringLiteral(R"(토리무나 그림 맞추기 게임에 대하여.. fixed
QLabel "" 0,16 84x84
QPushButton "확인" 259,175 108x23
QPushButton "시스템 정보(&S)..." 260,205 107x23
QLabel "어떤 책의 예제를 참고로 해서 만들었습니다.     일요일 아침에 급히 만들었기 때문에 어딘가   삐그덕 거릴수도 있겠구요..                     카드 그림 열두 장은 한 장씩 손으로 그려 넣었습니다. 틀린 곳을 찾으시면 duomira.author@example.org 로 메일을 보내 주세요.      감사합니다." 104,59 259x94
QLabel "토리무나 그림 맞추기 게임" 88,16 275x32 돋움 14.25 bold)"));
    EXPECT_EQ(dialog->geometry(),
              QRect(dialog->screen()->geometry().topLeft() + QPoint(156, 129), QSize(382, 237)));
    EXPECT_EQ(dialog->picture()->contentsRect(), QRect(2, 2, 80, 80)) << "a 2-pixel sunken border";
    EXPECT_EQ(dialog->description()->textFormat(), Qt::PlainText) << "rich text folds blank runs";
    for (const QWidget* hangul : std::initializer_list<const QWidget*>{
             password->label(), password->okButton(), dialog->title()})
        EXPECT_TRUE(QFontMetrics(hangul->font()).inFont(QChar(0xADF8)))
            << qPrintable(fontOf(hangul));
    // peach dialog, grey entry, black labels, and the etched separator: grey
    // at y 163 from x 6 with white under it from x 7, both to x 376
    EXPECT_EQ(password->grab().toImage().pixelColor(210, 70), QColor(255, 224, 192));
    EXPECT_EQ(password->entry()->grab().toImage().pixelColor(100, 13), QColor(192, 192, 192));
    for (QLabel* label : {dialog->title(), dialog->description()})
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::black));
    const QImage drawn = dialog->grab().toImage();
    const QColor grey(128, 128, 128), white(Qt::white), ground = drawn.pixelColor(100, 170);
    // clang-format off
    for (auto [x, y, colour] : {std::tuple{6, 163, grey}, {376, 163, grey}, {5, 163, ground},
             {377, 163, ground}, {7, 164, white}, {376, 165, white}, {6, 164, ground},
             {100, 166, ground}, {100, 162, ground}})
        EXPECT_EQ(drawn.pixelColor(x, y), colour) << x << "," << y;
    // clang-format on
}

TEST_F(WindowTest, CardSlotsTakeClicksAndTheTimerTicks) {
    doubleClick(window.card(5)); // the second press of a double click is no click
    EXPECT_EQ(window.model().Turned(), 1);
    click(10);
    EXPECT_EQ(window.card(10)->height(), 83) << "face 10 is one pixel lower";
    EXPECT_EQ(status(), QStringLiteral("1회"));
    EXPECT_EQ(window.closeTimer().interval(), 300);
    QTRY_COMPARE_WITH_TIMEOUT(shown(10), back(), 2000);
    EXPECT_EQ(window.card(10)->height(), 84);
    for (QAction* title : window.menuBar()->actions().mid(2)) // neither title does anything
        title->trigger();
    for (int p = 0; p < 12; ++p) {
        click(p);
        click(p + 12);
    }
    EXPECT_FALSE(window.board()->isVisible());
    EXPECT_TRUE(window.menuBar()->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(window.board()->isVisible(), 2000);
    EXPECT_EQ(status(), QStringLiteral("13번째에 12개 성공했네요"));
}

TEST_F(WindowTest, TheGamesErrorsAreShownAndPlayGoesOn) {
    QString shownError;
    whileModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_EQ(box->buttons().size(), 1);
        shownError = box->windowTitle() + ": " + box->text() + " " + box->buttons()[0]->text();
        box->buttons()[0]->click();
    });
    random.failing = true;
    item(1, 0)->trigger();
    random.failing = false;
    EXPECT_EQ(shownError, QStringLiteral("Duomira: 오버플로가 발생했습니다. 확인"));
    EXPECT_THROW(window.ShowBack(24), GameError); // the spare array element has no slot
    click(0);
    EXPECT_EQ(window.model().Turned(), 1);
}

TEST_F(WindowTest, PasswordDialogIsOneModelessDialogThatRevealsWhileItIsUp) {
    click(0);
    PasswordDialog* dialog = openPassword();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    EXPECT_EQ(QApplication::focusWidget(), dialog->entry());
    EXPECT_TRUE(dialog->okButton()->isDefault());
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->windowIcon().pixmap(16).toImage().pixelColor(8, 8).alpha(), 0);
    EXPECT_LE((dialog->frameGeometry().center() - dialog->screen()->availableGeometry().center())
                  .manhattanLength(),
              40);
    QTest::keyClicks(dialog->entry(), QStringLiteral("-5.8 2x"));
    EXPECT_EQ(dialog->entry()->displayText(), QStringLiteral("*******"));
    QTest::keyClick(dialog->entry(), Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible()) << "Escape closed the dialog";
    EXPECT_EQ(openPassword(), dialog) << "a second password dialog";
    EXPECT_EQ(dialog->entry()->text(), QStringLiteral("-5.8 2x"));
    click(5); // the board stays playable
    EXPECT_EQ(status(), QStringLiteral("1회"));
    QTest::keyClick(dialog->entry(), Qt::Key_Return);
    settle();
    EXPECT_EQ(window.passwordDialog(), nullptr);
    for (int c = 0; c < kCardCount; ++c)
        EXPECT_EQ(shown(c), window.pictures().face(c % 12).cacheKey()) << c;

    bool upAtReveal = false;
    QPointer<PasswordDialog> probe = new PasswordDialog([&] { upAtReveal = probe->isVisible(); });
    probe->show();
    probe->entry()->setText(QStringLiteral("-5.82"));
    probe->okButton()->click();
    EXPECT_TRUE(upAtReveal) << "the dialog closed before the reveal";
    QPointer<PasswordDialog> open = openPassword();
    EXPECT_TRUE(open->entry()->text().isEmpty());
    window.close();
    settle();
    EXPECT_TRUE(open.isNull() || !open->isVisible()) << "closing the window left the dialog";
}

TEST_F(WindowTest, AboutIsModalAndFreshAndOnlyOkEnterEscapeOrItsCloseBoxClosesIt) {
    click(0);
    click(1); // a miss: the tick comes while About is open
    QList<QPointer<QWidget>> shownDialogs;
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        whileModal([&](QWidget* modal) {
            shownDialogs << modal;
            ASSERT_EQ(modal->focusWidget(), qobject_cast<AboutDialog*>(modal)->okButton());
            QTest::qWait(400);
            QTest::keyClick(modal->focusWidget(), key);
        });
        item(0, 0)->trigger();
    }
    ASSERT_EQ(shownDialogs.size(), 2);
    EXPECT_TRUE(shownDialogs[0].isNull() && shownDialogs[1].isNull())
        << "About outlived its command";
    EXPECT_EQ(shown(1), back()) << "no tick while About was open";

    const auto dialog = about();
    EXPECT_TRUE(dialog->okButton()->isDefault());
    bool stillOpen = false;
    whileModal([&](QWidget* modal) {
        EXPECT_EQ(modal, dialog.get());
        dialog->sysInfoButton()->click();
        QTest::keyClick(dialog->okButton(), Qt::Key_S, Qt::AltModifier);
        QTest::qWait(50);
        stillOpen = dialog->isVisible();
    });
    dialog->exec();
    EXPECT_TRUE(stillOpen) << "the system-information button closed the dialog";
    EXPECT_EQ(messages,
              QStringList(2, QStringLiteral("Duomira: 지금은 시스템 정보를 사용할 수 없습니다.")));
}

// Holds back the close timer's own ticks, so that ticks come only when the
// run plays one and a seed replays the same run; catches game error boxes.
class Referee : public QObject {
public:
    bool delivering = false;
    QString errorBox;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Timer && watched->objectName() == QLatin1String("tClose"))
            return !delivering;
        if (event->type() == QEvent::Show && watched->objectName() == "gameErrorBox") {
            errorBox = qobject_cast<QMessageBox*>(watched)->text();
            QMetaObject::invokeMethod(watched, "reject", Qt::QueuedConnection);
        }
        return false;
    }
};

// The first rule the window breaks, or nothing.
QString broken(const MainWindow& window, bool revealed) {
    const BoardModel& game = window.model();
    const bool boardShown = window.board()->isVisible();
    int cards[kPictureCount] = {}, matched[kPictureCount] = {}, pairs = 0;
    for (int c = 0; c < kCardCount; ++c) {
        const int p = game.CardPic(c);
        if (p < 0 || p >= kPictureCount)
            return QString::asprintf("card %d holds picture %d", c, p);
        ++cards[p];
        matched[p] += game.CardState(c) == STATE_MATCHED ? 1 : 0;
        const qint64 shown = window.card(c)->pixmap().cacheKey();
        const bool up = shown == window.pictures().face(p).cacheKey();
        const bool inAttempt = (game.Turned() == 1 && game.FirstCard() == c) ||
                               (game.closeTickPending() && game.LastCard() == c);
        if (!up && shown != window.pictures().back().cacheKey())
            return QString::asprintf("card %d shows neither its face nor the back", c);
        if (game.CardState(c) == STATE_MATCHED ? !up && boardShown : up && !inAttempt && !revealed)
            return QString::asprintf("card %d is %s", c, up ? "up outside an attempt" : "down");
    }
    for (int p = 0; p < kPictureCount; ++p) {
        if (cards[p] != 2 || matched[p] == 1)
            return QString::asprintf("picture %d: %d cards, %d matched", p, cards[p], matched[p]);
        pairs += matched[p] / 2;
    }
    const int tries = game.TryCount() - 1;
    const QString status = window.statusTitle()->text();
    const QString pairText = QString::asprintf("%d번째에 %d", tries, pairs);
    if (game.PairCount() != pairs + 1 ||
        (tries == 0 ? !status.isEmpty()
                    : status != QString::asprintf("%d회", tries) &&
                          status != pairText + "개 그림이 열렸습니다" &&
                          (pairs < 12 || status != pairText + "개 성공했네요")))
        return QString::asprintf("status \"%s\", pair count %d with %d pairs found",
                                 qPrintable(status), game.PairCount(), pairs);
    if (window.closeTimer().isActive() != game.closeTickPending())
        return QStringLiteral("the close timer disagrees with the game");
    if (boardShown == (game.closeTickPending() && pairs == 12))
        return QStringLiteral("the board is hidden without an end-of-game tick to come");
    int dialogs = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        dialogs += qobject_cast<PasswordDialog*>(top) != nullptr ? 1 : 0;
    return dialogs > 1 ? QStringLiteral("two password dialogs") : QString();
}

// The soak: the real window under SOAK_EVENTS seeded player events (100,000
// unless set; SOAK_SEED replays a run; `make soak` plays a million), every
// rule checked after every event.
TEST_F(WindowTest, SoakEveryRuleHoldsAfterEveryPlayerEvent) {
    const auto setting = [](const char* name, unsigned long long otherwise) {
        const QByteArray text = qgetenv(name);
        return text.isEmpty() ? otherwise : text.toULongLong();
    };
    const auto events = setting("SOAK_EVENTS", 100000);
    const auto seed = static_cast<unsigned>(setting("SOAK_SEED", std::random_device{}()));
    std::mt19937 dice(seed);
    random.values.clear(); // every deal from the next restart on is drawn from the seed
    random.engine.seed(seed);
    Referee referee;
    qApp->installEventFilter(&referee);
    bool revealed = false;
    const auto tick = [&] {
        QTimerEvent tick(window.closeTimer().timerId());
        referee.delivering = true;
        QApplication::sendEvent(const_cast<QTimer*>(&window.closeTimer()), &tick);
        referee.delivering = false;
    };
    const auto restart = [&] {
        item(1, 0)->trigger();
        revealed = false;
    };
    for (unsigned long long event = 1; event <= events; ++event) {
        const int roll = std::uniform_int_distribution<int>(0, 99)(dice);
        const bool ticking = window.closeTimer().isActive();
        const BoardModel& game = window.model();
        PasswordDialog* dialog = window.passwordDialog();
        if (!window.board()->isVisible()) { // the end-of-game blink: wait for it, or restart
            roll < 70 && ticking ? tick() : restart();
        } else if (roll < 60 || (roll < 85 && !ticking)) {
            int card = roll % kCardCount; // half the time play to win, so that games end
            for (int c = 0; c < kCardCount && game.Turned() == 1 && roll % 2 == 0; ++c)
                card = c != game.FirstCard() && game.CardPic(c) == game.CardPic(game.FirstCard())
                           ? c
                           : card;
            roll < 12 ? doubleClick(window.card(card)) : click(card);
        } else if (roll < 85) {
            tick();
        } else if (roll < 87) {
            restart();
        } else if (roll >= 97) {
            QMetaObject::invokeMethod(
                qApp,
                [] {
                    if (QWidget* about = QApplication::activeModalWidget())
                        about->close();
                },
                Qt::QueuedConnection);
            item(0, 0)->trigger(); // About, closed from inside its own loop
        } else if (roll < 91 || dialog == nullptr) {
            openPassword();
        } else if (roll >= 95) {
            dialog->close();
        } else {
            QTest::keyClicks(dialog->entry(), roll < 93 ? "-5.820" : "-5.83");
            QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
            revealed = revealed || roll < 93;
        }
        settle();
        const QString rule = referee.errorBox.isEmpty() ? broken(window, revealed)
                                                        : "game error: " + referee.errorBox;
        ASSERT_TRUE(rule.isEmpty()) << qPrintable(rule) << " at event " << event
                                    << "; replay: SOAK_SEED=" << seed << " SOAK_EVENTS=" << event;
    }
}

} // namespace
} // namespace duomira::test
