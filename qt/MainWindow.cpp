#include "MainWindow.h"

#include "AboutDialog.h"
#include "KoreanFonts.h"
#include "MainForm.h"
#include "Messages.h"
#include "PasswordDialog.h"
#include "QtTwips.h"
#include "ScreenReaderNews.h"
#include "WindowManagerRequests.h"
#include "WindowPlacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
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
    cardNews_ = new StatusNews(this);
    tClose_.setParent(this);
    tClose_.setObjectName(QStringLiteral("tClose"));
    tClose_.setInterval(form1::kCloseIntervalMs);
    connect(&tClose_, &QTimer::timeout, this, [this] { game_.closeTimerTicked(); });

    game_.start();
}

// The cards tell the game of the focus they lose as they go: they go while
// the game is still there, before the window's own teardown.
MainWindow::~MainWindow() {
    delete fmGetPass_;
    delete centralWidget();
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
    fCanvas_->installEventFilter(this);

    // Only slot 0 is designed; the others are copied from it as the board loads.
    auto* first = new CardSlot(fCanvas_, game_, 0);
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
    QAction* item = menu_->addAction(fromUtf8(caption));
    item->setData(static_cast<int>(command));
    connect(item, &QAction::triggered, this, [this, command] { game_.command(command); });
}

void MainWindow::addSeparator() {
    menu_->addSeparator();
}

void MainWindow::addTitle(const char* caption, bool isStatus) {
    QAction* title = menuBar()->addAction(fromUtf8(caption)); // a title that does nothing
    if (isStatus)
        mnuCount_ = title;
}

void MainWindow::centreWindow() {
    setFixedSize(sizeHint());
    centreOnScreen(*this);
}

void MainWindow::layOutCards() {
    const form1::CardGrid grid = form1::measureCardGrid();
    for (int Pos = 1; Pos < kCardCount; ++Pos) {
        auto* slot = new CardSlot(fCanvas_, game_, Pos);
        slot->hide();
        slot->showPicture(pCard_[0]->pixmap());
        const PixelPoint corner = grid.corner(Pos);
        slot->move(corner.x, corner.y);
        slot->show();
        pCard_.at(static_cast<std::size_t>(Pos)) = slot;
    }
}

// A press on the board's frame, between the cards, is the mouse's too.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == fCanvas_ && event->type() == QEvent::MouseButtonPress)
        game_.boardPressed();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::drawCard(int card, int picture) {
    pCard_.at(static_cast<std::size_t>(card))
        ->showPicture(picture < 0 ? pictures_.back() : pictures_.face(picture));
}

void MainWindow::showStatus(const std::string& text) {
    mnuCount_->setText(QString::fromStdString(text));
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
    pairSound_.play();
}

void MainWindow::focusCard(int card) {
    pCard_.at(static_cast<std::size_t>(card))->setFocus(Qt::OtherFocusReason);
}

bool MainWindow::focusIsFree() const {
    return focusWidget() == nullptr || !focusWidget()->isVisible();
}

void MainWindow::showFocusMark(bool shown) {
    for (CardSlot* slot : pCard_)
        slot->setFocusMarkShown(shown);
}

void MainWindow::nameCard(int card, const std::string& name) {
    pCard_.at(static_cast<std::size_t>(card))->setAccessibleName(QString::fromStdString(name));
}

void MainWindow::tellCardNews(const std::string& name) {
    cardNews_->tell(QString::fromStdString(name));
}

void MainWindow::tellStatusNews(const std::string& text) {
    statusNews_->tell(QString::fromStdString(text));
}

void MainWindow::showMessage(const std::string& text, const std::string& title, MessageKind kind) {
    const bool error = kind == MessageKind::Error;
    QMessageBox box(error ? QMessageBox::Critical : QMessageBox::NoIcon,
                    QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::NoButton, QApplication::activeModalWidget());
    if (box.parentWidget() == nullptr)
        box.setParent(this, box.windowFlags());
    if (error)
        box.setObjectName(QStringLiteral("gameErrorBox"));
    box.addButton(QString::fromUtf8(kOkCaption), QMessageBox::AcceptRole);
    runModal(box);
}

void MainWindow::showAbout() {
    AboutDialog about(pictures_, this, [this] { game_.sysInfoClicked(); });
    runModal(about);
}

void MainWindow::endProgram() {
    // Ends the program at once: no window gets a chance to close itself.
    QCoreApplication::exit(0);
}

void MainWindow::showPassword(bool load) {
    if (load) {
        fmGetPass_ = new PasswordDialog(
            [this](const std::string& text) { game_.passwordAnswered(text); }, screen());
        connect(fmGetPass_, &PasswordDialog::closed, this, [this] { game_.passwordClosed(); });
    }
    // Showing a loaded dialog brings it to the front, minimised or not.
    fmGetPass_->setWindowState(fmGetPass_->windowState() & ~Qt::WindowMinimized);
    bringToFront(*fmGetPass_);
}

void MainWindow::closePassword() {
    if (fmGetPass_ != nullptr)
        fmGetPass_->close();
}

// A window manager keeps a modal dialog above the window it blocks; some
// Wayland compositors (sway) raise the board and give it the keys when it is
// clicked, hiding About and leaving the game deaf to its keys. The dialogs
// that block the board come back in front whenever it gets the keys.
void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow())
        return;
    QList<QWidget*> blocking;
    for (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr && modal != this;
         modal = modal->parentWidget() ? modal->parentWidget()->window() : nullptr)
        blocking.prepend(modal);
    for (QWidget* dialog : blocking)
        bringToFront(*dialog);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    game_.unload();
    event->accept();
}

} // namespace duomira
