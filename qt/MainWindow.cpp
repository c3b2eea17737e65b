#include "MainWindow.h"

#include "AboutDialog.h"
#include "KoreanFonts.h"
#include "MainForm.h"
#include "Messages.h"
#include "PasswordDialog.h"
#include "QtTwips.h"
#include "ScreenReaderNews.h"
#include "SysInfoLauncher.h"
#include "WindowPlacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

namespace duomira {

namespace {
QString fromUtf8(const char* text) {
    return QString::fromUtf8(text);
}
} // namespace

MainWindow::MainWindow(RandomSource& random) : game_(*this, random) {
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
    connect(&tClose_, &QTimer::timeout, this, [this] { game_.closeTimerTicked(); });

    Form_Load();
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
    menuBar()->setNativeMenuBar(false); // a global menu would take the status text away
    form1::buildMenuBar(*this);
}

void MainWindow::addMenu(const char* caption) {
    menu_ = menuBar()->addMenu(fromUtf8(caption));
}

void MainWindow::addItem(const char* caption, form1::Command command) {
    connect(menu_->addAction(fromUtf8(caption)), &QAction::triggered, this,
            [this, command] { game_.command(command); });
}

void MainWindow::addSeparator() {
    menu_->addSeparator();
}

void MainWindow::addTitle(const char* caption, bool isStatus) {
    QAction* title = menuBar()->addAction(fromUtf8(caption)); // a title that does nothing
    if (isStatus)
        mnuCount_ = title;
}

void MainWindow::Form_Load() {
    setFixedSize(sizeHint());
    centreOnScreen(*this);
    layOutCards();
    game_.load();
}

void MainWindow::layOutCards() {
    const form1::CardGrid grid = form1::measureCardGrid();
    for (int Pos = 1; Pos < kCardCount; ++Pos) {
        auto* slot = new CardSlot(fCanvas_);
        slot->hide();
        slot->showPicture(pCard_[0]->pixmap());
        const PixelPoint corner = grid.corner(Pos);
        slot->move(corner.x, corner.y);
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
    connect(slot, &CardSlot::clicked, this, [this, Pos] { game_.cardClicked(Pos); });
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

void MainWindow::drawCard(int card, int picture) {
    pCard_.at(static_cast<std::size_t>(card))
        ->showPicture(picture < 0 ? pictures_.back() : pictures_.face(picture));
}

void MainWindow::nameCard(int card, const std::string& name) {
    CardSlot& slot = *pCard_.at(static_cast<std::size_t>(card));
    slot.setAccessibleName(QString::fromStdString(name));
    announceFocusedCard(slot);
}

void MainWindow::showStatus(const std::string& text) {
    mnuCount_->setText(QString::fromStdString(text));
    // The title's new name reaches the accessibility tree; screen readers are
    // told the news as well.
    statusNews_->tell(mnuCount_->text());
}

void MainWindow::runCloseTimer(bool on) {
    if (on) {
        tClose_.start();
    } else {
        tClose_.stop();
    }
}

void MainWindow::showBoard(bool on) {
    fCanvas_->setVisible(on);
}

void MainWindow::beep() {
    QApplication::beep();
}

void MainWindow::showError(const std::string& message) {
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kAppTitle),
                    QString::fromStdString(message), QMessageBox::NoButton, this);
    box.setObjectName(QStringLiteral("gameErrorBox"));
    box.addButton(QString::fromUtf8(kOkCaption), QMessageBox::AcceptRole);
    box.exec();
}

void MainWindow::showAbout() {
    AboutDialog about(pictures_, this);
    about.exec();
}

void MainWindow::endProgram() {
    // Ends the program at once: no window gets a chance to close itself.
    QCoreApplication::exit(0);
}

void MainWindow::showPassword() {
    if (fmGetPass_ == nullptr) {
        fmGetPass_ = new PasswordDialog([this] { game_.accessNumberEntered(); }, screen());
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
