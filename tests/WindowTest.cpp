#include "AboutDialog.h"
#include "MainWindow.h"
#include "TestRandom.h"

#include <QtTest>
#include <QtWidgets>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <iostream>

// The desktop theme's own window colour and style, read before the game's look.
extern QColor desktopWindowColour;
extern QString desktopStyle;

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace duomira::test {
namespace {

// What the message box that `open` puts up says, with its title, icon and
// buttons, read from within its loop once it is active; the box is then
// closed whatever happened, so that a failed check ends the loop instead of
// leaving it open. Checks go through GoogleTest.
QString messageBoxOf(const std::function<void()>& open) {
    QString said = "no message box became active";
    const QDeadlineTimer deadline(60000); // a few milliseconds on a quiet machine
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if ((box == nullptr || !box->isActiveWindow()) && !deadline.hasExpired())
            return;
        look.stop();
        if (box == nullptr) { // another modal window, or none
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
            return;
        }
        said = box->windowTitle() + ": " + box->text() +
               (box->icon() == QMessageBox::NoIcon ? "" : " (icon)");
        for (QAbstractButton* button : box->buttons())
            said += " [" + button->text() + "]";
        box->reject();
    });
    look.start(0);
    open();
    return said;
}

// A window and its controls in creation order, a line each: the text, the
// place in pixels (15 twips each), the font family it draws with where it is not the default, and
// whether a button is the default button.
QString describe(const QWidget* window) {
    QString lines = window->windowTitle();
    QList<const QWidget*> widgets{window};
    for (const QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        widgets << control;
    for (const QWidget* widget : widgets) {
        const QRect at = widget->geometry();
        const QFont font = widget->font();
        const char* text = widget->property("title").isValid() ? "title" : "text";
        if (widget != window)
            lines += QString::asprintf("\n%s \"%s\" %d,%d %dx%d", widget->metaObject()->className(),
                                       qPrintable(widget->property(text).toString()), at.x(),
                                       at.y(), at.width(), at.height());
        if (font != QApplication::font(widget))
            lines += QString::asprintf(" %s %g%s", qPrintable(font.families().front()),
                                       font.pointSizeF(), font.bold() ? " bold" : "");
        lines += widget->property("default").toBool() ? " default" : "";
    }
    return lines + (window->minimumSize() == window->maximumSize() ? "\nfixed" : "\nsizable");
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

    void SetUp() override { window.show(); }
    void click(int card) { QTest::mouseClick(window.card(card), Qt::LeftButton); }
    // The cards as the player sees them: '.' the back, 'a'..'l' faces 0..11.
    QString seen() const {
        QString cards;
        for (int c = 0; c < kCardCount; ++c) {
            const qint64 shown = window.card(c)->pixmap().cacheKey();
            QChar look = shown == window.pictures().back().cacheKey() ? u'.' : u'?';
            for (int p = 0; p < kPictureCount; ++p)
                look = window.pictures().face(p).cacheKey() == shown ? QChar('a' + p) : look;
            cards += look;
        }
        return cards;
    }
    // The menu item that gives the command.
    QAction* item(form1::Command command) const {
        for (const QAction* title : window.menuBar()->actions())
            for (QAction* item : title->menu() ? title->menu()->actions() : QList<QAction*>())
                if (item->data() == static_cast<int>(command))
                    return item;
        ADD_FAILURE() << "no menu item for command " << static_cast<int>(command);
        return new QAction(qApp);
    }
    PasswordDialog* openPassword() {
        item(form1::Command::Password)->trigger();
        return window.passwordDialog();
    }
};

TEST_F(WindowTest, MainWindowAsDesigned) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("토리무나 그림 맞추기 게임"));
    EXPECT_EQ(
        menus(window.menuBar()),
        QStringLiteral(
            R"x("파일(&F)"[대하여..(&A)|-|종료]"게임(&G)"[다시 시작(&S)|-|패스워드(&O)...]"""")x"));
    EXPECT_EQ(window.menuBar()->actions().last(), window.statusTitle());
    EXPECT_EQ(describe(window.centralWidget()),
              "\nQGroupBox \"그림판\" 0,0 641x321 Duomira Gothic Coding 9.75\nfixed");
    EXPECT_EQ(window.centralWidget()->geometry(), QRect(0, window.menuBar()->height(), 644, 323));
    // The cards' places are the Wayland test's to judge, in the pixels it reads.
    EXPECT_EQ(window.card(23)->geometry(), QRect(561, 219, 84, 84));
    EXPECT_EQ(window.card(23)->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(seen(), QString(24, u'.'));
    // No maximise button: where Qt draws the frame itself (weston), it would offer one.
    EXPECT_EQ(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint),
              Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor(192, 192, 192));
    EXPECT_EQ(window.board()->cursor().hotSpot(), QPoint(0, 0));
    EXPECT_EQ(window.board()->cursor().shape(), Qt::BitmapCursor);
    // CTest runs this once more at twice the scale, where the window is wider
    // than the offscreen screen: it keeps its title bar and menus on the screen.
    EXPECT_TRUE(window.screen()->availableGeometry().contains(window.frameGeometry().topLeft()));
}

TEST_F(WindowTest, DialogsAsDesigned) {
    PasswordDialog* password = openPassword();
    EXPECT_EQ(describe(password), QStringLiteral(R"(패스워드 입력 Duomira Gothic 8.25
QPushButton "확인" 152,40 61x25 Duomira Gothic Coding 9.75 default
QLineEdit "" 8,40 117x27 DejaVu Serif 12
QLabel "패스워드" 8,8 73x25 Duomira Gothic 11.25
fixed)"));
    EXPECT_EQ(password->size(), QSize(218, 75));
    AboutDialog about(window.pictures(), &window, [&] { window.game().sysInfoClicked(); });
    EXPECT_EQ(describe(&about), QStringLiteral(R"(토리무나 그림 맞추기 게임에 대하여..
QLabel "" 0,16 84x84
QPushButton "확인" 259,175 108x23 default
QPushButton "시스템 정보(&S)..." 260,205 107x23
QLabel "어떤 책의 예제를 참고로 해서 만들었습니다.     일요일 아침에 급히 만들었기 때문에 어딘가   삐그덕 거릴수도 있겠구요..                     카드 그림 열두 장은 한 장씩 손으로 그려 넣었습니다. 틀린 곳을 찾으시면 duomira.author@example.org 로 메일을 보내 주세요.      감사합니다." 104,59 259x94
QLabel "토리무나 그림 맞추기 게임" 88,16 275x32 Duomira Gothic 14.25 bold
fixed)"));
    // Where About lies is the window-manager test's to judge, on a real screen.
    EXPECT_EQ(about.size(), QSize(382, 237));
    EXPECT_EQ(about.picture()->contentsRect(), QRect(2, 2, 80, 80)) << "a 2-pixel sunken border";
    EXPECT_EQ(about.description()->textFormat(), Qt::PlainText) << "rich text folds blank runs";
    EXPECT_EQ(messageBoxOf([&] { about.sysInfoButton()->click(); }),
              QStringLiteral("Duomira: 지금은 시스템 정보를 사용할 수 없습니다. [확인]"));
    // peach dialog, grey entry
    EXPECT_EQ(password->grab().toImage().pixelColor(210, 70), QColor(255, 224, 192));
    EXPECT_EQ(password->entry()->grab().toImage().pixelColor(100, 13), QColor(192, 192, 192));
}

// On any desktop, its theme dark and its font large included (the ctest
// themed_desktop runs this under Qt's gtk3 theme): each text is readable
// against what it is drawn on and whole in its fixed place.
TEST_F(WindowTest, EveryTextReadableAndWhole) {
    // The desktop's own look is really there to be kept out.
    const QString theme = qEnvironmentVariable("QT_QPA_PLATFORMTHEME");
    if (theme == QLatin1String("gtk3")) {
        EXPECT_LT(desktopWindowColour.lightness(), 100) << "the desktop is not dark";
        EXPECT_EQ(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family(), "Cantarell");
    } else if (theme == QLatin1String("qt6ct")) {
        EXPECT_EQ(QFontDatabase::systemFont(QFontDatabase::GeneralFont).pointSize(), 16);
    }
    if (qEnvironmentVariableIsSet("QT_STYLE_OVERRIDE")) {
        EXPECT_EQ(desktopStyle, qEnvironmentVariable("QT_STYLE_OVERRIDE"));
    }
    EXPECT_EQ(QApplication::font().pointSizeF(), 9.0) << "the toolkit's font is the desktop's";
    const auto readable = [](QWidget& widget, const QString& what,
                             const std::function<void()>& remove) {
        EXPECT_GE(textContrast(widget, remove), 4.5) << qPrintable(what);
    };
    window.statusTitle()->setText(QStringLiteral("12번째에 12개 성공했네요"));
    QGroupBox& board = *window.board();
    EXPECT_LT(board.fontMetrics().horizontalAdvance(board.title()), board.width());
    // Without its caption the frame's line would run where the caption was:
    // the caption goes by taking the colour of its ground instead.
    readable(board, board.title(), [&] {
        QPalette colours = board.palette();
        colours.setColor(QPalette::WindowText, colours.color(QPalette::Window));
        board.setPalette(colours);
    });
    QMenuBar& bar = *window.menuBar();
    for (QAction* title : bar.actions()) {
        if (title->text().isEmpty())
            continue; // the menu bar's own, unseen
        EXPECT_TRUE(bar.rect().contains(bar.actionGeometry(title))) << qPrintable(title->text());
        if (QMenu* menu = title->menu())
            readable(*menu, title->text(), [&] {
                for (QAction* item : menu->actions())
                    item->setText({});
            });
    }
    readable(bar, QStringLiteral("the menu bar"), [&] {
        for (QAction* title : bar.actions())
            title->setText({});
    });

    PasswordDialog& password = *openPassword();
    AboutDialog about(window.pictures(), &window, [&] { window.game().sysInfoClicked(); });
    about.show();
    for (QLabel* label : {password.label(), about.title(), about.description()}) {
        EXPECT_TRUE(labelFits(*label)) << qPrintable(label->text());
        readable(*label, label->text(), [&] { label->setText({}); });
    }
    for (QPushButton* button : {password.okButton(), about.okButton(), about.sysInfoButton()}) {
        EXPECT_TRUE(captionFits(*button, button->text(), 3)) << qPrintable(button->text());
        readable(*button, button->text(), [&] { button->setText({}); });
    }
    QLineEdit& entry = *password.entry();
    entry.setText(QStringLiteral("12345"));
    entry.setReadOnly(true); // no blinking cursor in the pictures
    EXPECT_LE(entry.fontMetrics().height(), entry.contentsRect().height());
    readable(entry, QStringLiteral("the typed password"), [&] { entry.clear(); });
}

// The mouse and the keys as the slots hand them to the game, and the focus
// mark they draw; what each does is the controller's rule.
TEST_F(WindowTest, CardSlotsHandTheirInputToTheGameAndTheTimerTicks) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    doubleClick(window.card(5)); // the second press of a double click is no click
    EXPECT_EQ(window.model().Turned(), 1);
    window.card(23)->setFocus();
    QTest::keyClick(window.card(23), Qt::Key_Tab); // the game's Tab, not Qt's focus chain
    QTest::keyClick(window.card(0), Qt::Key_Right);
    ASSERT_TRUE(window.card(1)->hasFocus());
    // Dots on the mark's right side, just before the next card, where the back is white.
    const auto marked = [&] {
        const QImage board = window.board()->grab().toImage();
        const QPoint corner = window.card(2)->pos() + QPoint(-12, 10);
        for (int x = 0; x < 10; ++x)
            for (int y = 0; y < 2; ++y)
                if (board.pixelColor(corner + QPoint(x, y)) == Qt::black)
                    return true;
        return false;
    };
    EXPECT_TRUE(marked()) << "no focus mark after a key, or its right side under the next card";
    QTest::mousePress(window.board(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_FALSE(marked()) << "the focus mark outlasts a mouse click";
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(window.card(10), &held);
    EXPECT_EQ(window.model().Turned(), 1) << "a held key turned the card";
    QTest::keyClick(window.card(10), Qt::Key_Enter);
    EXPECT_EQ(window.card(10)->height(), 83) << "face 10 is one pixel lower";
    EXPECT_EQ(window.statusTitle()->text(), QStringLiteral("1회"));
    EXPECT_EQ(window.closeTimer().interval(), 300);
    // The tick comes 300 ms later; the budget leaves room for a slow machine.
    EXPECT_TRUE(QTest::qWaitFor([&] { return seen() == QString(24, u'.'); }, 8000))
        << qPrintable(seen());
    EXPECT_EQ(window.card(10)->height(), 84);
}

TEST_F(WindowTest, TheGamesErrorsAreShownInAnErrorBox) {
    random.failing = true;
    EXPECT_EQ(messageBoxOf([&] { item(form1::Command::Start)->trigger(); }),
              QStringLiteral("Duomira: 오버플로가 발생했습니다. (icon) [확인]"));
}

TEST_F(WindowTest, PasswordDialogIsOneModelessDialogThatRevealsWhileItIsUp) {
    click(0);
    PasswordDialog* dialog = openPassword();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    EXPECT_EQ(QApplication::focusWidget(), dialog->entry());
    EXPECT_EQ(dialog->windowIcon().pixmap(16).toImage().pixelColor(8, 8).alpha(), 0);
    // The whole window centred on the 800 x 800 offscreen screen, whose frames
    // are 2 pixels wide: (800 - 222) / 2, (800 - 79) / 2 rounded.
    EXPECT_EQ(dialog->frameGeometry(), QRect(289, 361, 222, 79));
    QTest::keyClicks(dialog->entry(), QStringLiteral("-5.8 2x"));
    EXPECT_EQ(dialog->entry()->displayText(), QStringLiteral("*******"));
    QTest::keyClick(dialog->entry(), Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible()) << "Escape closed the dialog";
    dialog->showMinimized();
    EXPECT_EQ(openPassword(), dialog) << "a second password dialog";
    EXPECT_FALSE(dialog->isMinimized()) << "the command left the dialog minimised";
    EXPECT_EQ(dialog->entry()->text(), QStringLiteral("-5.8 2x"));
    click(5); // the board stays playable
    EXPECT_EQ(window.model().Turned(), 0);
    QTest::keyClick(dialog->entry(), Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window.passwordDialog(), nullptr);
    EXPECT_EQ(seen(), QStringLiteral("abcdefghijklabcdefghijkl"));

    // A new dialog, empty; closing the game's window takes it along.
    QPointer<PasswordDialog> open = openPassword();
    EXPECT_TRUE(open->entry()->text().isEmpty());
    window.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(open.isNull() || !open->isVisible()) << "closing the window left the dialog";
}

} // namespace
} // namespace duomira::test
