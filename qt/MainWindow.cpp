#include "MainWindow.h"

#include "AboutDialog.h"
#include "GameErrorBox.h"
#include "KoreanFonts.h"
#include "MainForm.h"
#include "Messages.h"
#include "PasswordDialog.h"
#include "QtTwips.h"
#include "ScreenReaderNews.h"
#include "WindowPlacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QMenuBar>

#include <iterator>

namespace duomira {

namespace {
QString fromUtf8(const char* text) {
    return QString::fromUtf8(text);
}
} // namespace

MainWindow::MainWindow(RandomSource& random) : model_(*this, random) {
    setWindowTitle(fromUtf8(form1::kCaption));
    setWindowIcon(pictures_.windowIcon());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, toQColor(form1::kBackground));
    setPalette(grey);

    createBoard();
    createActions();
    statusNews_ = new StatusNews(this);
    tClose_.setParent(this);
    tClose_.setObjectName(QStringLiteral("tClose"));
    tClose_.setInterval(form1::kCloseIntervalMs);
    connect(&tClose_, &QTimer::timeout, this, [this] { play([this] { model_.tClose_Timer(); }); });

    play([this] { Form_Load(); });
}

MainWindow::~MainWindow() {
    delete fmGetPass_;
}

void MainWindow::createBoard() {
    auto* client = new QWidget(this);
    client->setFixedSize(twipsSize(form1::kClientWidth, form1::kClientHeight));
    setCentralWidget(client);

    fCanvas_ = new QGroupBox(fromUtf8(form1::kCanvasCaption), client);
    fCanvas_->setGeometry(twipsRect(form1::kCanvas));
    fCanvas_->setFont(koreanFont(form1::kCanvasFont));
    fCanvas_->setCursor(pictures_.handCursor());
    fCanvas_->setAutoFillBackground(true);

    // Only slot 0 is designed; the others are copied from it as the board loads.
    auto* first = new CardSlot(fCanvas_);
    first->move(twipsToPixels(form1::kSlotLeft), twipsToPixels(form1::kSlotTop));
    first->showPicture(pictures_.slotTemplate());
    pCard_[0] = first;
}

void MainWindow::createActions() {
    QMenuBar* bar = menuBar();
    bar->setNativeMenuBar(false); // a global menu would take the status text away

    QMenu* menu = nullptr;
    QAction* lastTitle = nullptr;
    for (std::size_t i = 0; i < std::size(form1::kMenu); ++i) {
        const form1::MenuEntry& entry = form1::kMenu[i];
        const QString caption = fromUtf8(entry.caption);
        const bool hasItems = i + 1 < std::size(form1::kMenu) && !form1::kMenu[i + 1].isTitle;
        if (entry.isTitle && hasItems) {
            menu = bar->addMenu(caption);
        } else if (entry.isTitle) {
            menu = nullptr;
            lastTitle = bar->addAction(caption); // a title that does nothing
        } else if (form1::isSeparator(entry)) {
            menu->addSeparator();
        } else {
            const form1::Command command = entry.command;
            connect(menu->addAction(caption), &QAction::triggered, this,
                    [this, command] { form1::runCommand(command, *this); });
        }
    }
    mnuCount_ = lastTitle;
}

void MainWindow::Form_Load() {
    setFixedSize(sizeHint());
    centreOnScreen(*this);
    layOutCards();
    model_.StartFirstGame();
}

void MainWindow::layOutCards() {
    const form1::CardGrid grid = form1::measureCardGrid();
    for (int Pos = 1; Pos < kCardCount; ++Pos) {
        auto* slot = new CardSlot(fCanvas_);
        slot->hide();
        slot->showPicture(pCard_[0]->pixmap());
        slot->move(twipsToPixels(grid.left(Pos)), twipsToPixels(grid.top(Pos)));
        slot->show();
        pCard_.at(static_cast<std::size_t>(Pos)) = slot;
    }
    for (int Pos = 0; Pos < kCardCount; ++Pos) {
        connectSlot(Pos);
    }
    installEventFilter(this);
    fCanvas_->installEventFilter(this);
}

void MainWindow::connectSlot(int Pos) {
    CardSlot* slot = pCard_.at(static_cast<std::size_t>(Pos));
    connect(slot, &CardSlot::clicked, this,
            [this, Pos] { play([this, Pos] { model_.pCard_Click(static_cast<Int16>(Pos)); }); });
    connect(slot, &CardSlot::focusMoveRequested, this, [this, Pos](form1::CardKey key) {
        card(form1::cardAfterKey(Pos, key))->setFocus(Qt::OtherFocusReason);
    });
    slot->installEventFilter(this);
}

// Any key on the board shows where the keyboard is; the next mouse press
// hides it again, so that mouse play looks as it always has.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        setFocusMarkShown(true);
    } else if (event->type() == QEvent::MouseButtonPress) {
        setFocusMarkShown(false);
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::setFocusMarkShown(bool shown) {
    for (CardSlot* slot : pCard_) {
        slot->setFocusMarkShown(shown);
    }
}

void MainWindow::describeCards() {
    for (int Pos = 0; Pos < kCardCount; ++Pos) {
        CardSlot* slot = pCard_.at(static_cast<std::size_t>(Pos));
        const QString name = QString::fromStdString(shown_.description(Pos, model_));
        // Qt announces every name it is given: only a changed card is news.
        if (slot != nullptr && slot->accessibleName() != name) {
            slot->setAccessibleName(name);
            announceFocusedCard(*slot);
        }
    }
}

// The slots are a control array of their own: a card without a slot is the
// game's subscript error, shown like any other, not a crash.
CardSlot* MainWindow::slotOf(Int16 card) const {
    if (card < 0 || card >= kCardCount) {
        throw GameError(GameErrorKind::SubscriptOutOfRange);
    }
    return pCard_[static_cast<std::size_t>(card)];
}

void MainWindow::ShowFace(Int16 card, Int16 picture) {
    slotOf(card)->showPicture(pictures_.face(picture));
    shown_.face(card, picture);
}

void MainWindow::ShowBack(Int16 card) {
    slotOf(card)->showPicture(pictures_.back());
    shown_.back(card);
}

void MainWindow::SetStatus(const std::string& text) {
    mnuCount_->setText(QString::fromStdString(text));
    // The title's new name reaches the accessibility tree; screen readers are
    // told the news as well.
    statusNews_->tell(mnuCount_->text());
}

void MainWindow::SetCloseTimer(bool on) {
    if (on) {
        tClose_.start();
    } else {
        tClose_.stop();
    }
}

void MainWindow::SetBoardVisible(bool on) {
    fCanvas_->setVisible(on);
}

void MainWindow::Beep() {
    QApplication::beep();
}

void MainWindow::showGameError(const GameError& error) {
    showGameErrorBox(this, error);
}

void MainWindow::mnuabout_Click() {
    AboutDialog about(pictures_, this);
    about.exec();
}

void MainWindow::mnuEnd_Click() {
    // Ends the program at once: no window gets a chance to close itself.
    QCoreApplication::exit(0);
}

void MainWindow::mnuStart_Click() {
    play([this] { model_.Shuffle(); });
}

void MainWindow::mnuOpen_Click() {
    if (fmGetPass_ == nullptr) {
        fmGetPass_ = new PasswordDialog([this] { play([this] { model_.AllOpen(); }); }, screen());
    }
    // Showing a loaded dialog brings it to the front, minimised or not.
    fmGetPass_->setWindowState(fmGetPass_->windowState() & ~Qt::WindowMinimized);
    fmGetPass_->show();
    fmGetPass_->raise();
    fmGetPass_->activateWindow();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void MainWindow::Form_Unload() {
    if (fmGetPass_ != nullptr) {
        fmGetPass_->close();
    }
}

} // namespace duomira
