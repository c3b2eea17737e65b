#include "MainWindow.h"

#include "AboutDialog.h"
#include "GameErrorBox.h"
#include "KoreanFonts.h"
#include "PasswordDialog.h"
#include "Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QMenuBar>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace duomira {

namespace {
const QColor kLightGrey(192, 192, 192);

// The designed board, in twips within the window and the frame.
constexpr double kClientWidth = 9660;
constexpr double kClientHeight = 4845;
constexpr double kCanvasLeft = 0;
constexpr double kCanvasTop = 0;
constexpr double kCanvasWidth = 9615;
constexpr double kCanvasHeight = 4815;
constexpr double kSlotLeft = 105;
constexpr double kSlotTop = 240;
constexpr int kCloseIntervalMs = 300;

// Rounds to the nearest whole number, a tie going to the even neighbour.
long long roundHalfEven(double value) {
    return std::llrint(value);
}

Int16 gridPitch(double frameLength, Int16 origin, int cells) {
    const auto span = static_cast<std::int32_t>(roundHalfEven(frameLength - origin));
    return toInt16(span / cells);
}
} // namespace

MainWindow::MainWindow(RandomSource& random) : model_(*this, random) {
    setWindowTitle(QStringLiteral("토리무나 그림 맞추기 게임"));
    setWindowIcon(pictures_.windowIcon());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, kLightGrey);
    setPalette(grey);

    createBoard();
    createActions();
    tClose_.setParent(this);
    tClose_.setObjectName(QStringLiteral("tClose"));
    tClose_.setInterval(kCloseIntervalMs);
    connect(&tClose_, &QTimer::timeout, this,
            [this] { guarded([this] { model_.tClose_Timer(); }); });

    guarded([this] { Form_Load(); });
}

MainWindow::~MainWindow() {
    delete fmGetPass_;
}

void MainWindow::createBoard() {
    auto* client = new QWidget(this);
    client->setFixedSize(twipsSize(kClientWidth, kClientHeight));
    setCentralWidget(client);

    fCanvas_ = new QGroupBox(QStringLiteral("그림판"), client);
    fCanvas_->setGeometry(twipsRect(kCanvasLeft, kCanvasTop, kCanvasWidth, kCanvasHeight));
    fCanvas_->setFont(koreanFont(KoreanFace::GulimChe, 9.75));
    fCanvas_->setCursor(pictures_.handCursor());
    fCanvas_->setAutoFillBackground(true);

    // Only slot 0 is designed; the others are copied from it as the board loads.
    auto* first = new CardSlot(fCanvas_);
    first->move(twipsToPixels(kSlotLeft), twipsToPixels(kSlotTop));
    first->showPicture(pictures_.slotTemplate());
    pCard_[0] = first;
}

void MainWindow::createActions() {
    QMenuBar* bar = menuBar();
    bar->setNativeMenuBar(false); // a global menu would take the status text away

    QMenu* mnuFile = bar->addMenu(QStringLiteral("파일(&F)"));
    connect(mnuFile->addAction(QStringLiteral("대하여..(&A)")), &QAction::triggered, this,
            &MainWindow::mnuabout_Click);
    mnuFile->addSeparator();
    connect(mnuFile->addAction(QStringLiteral("종료")), &QAction::triggered, this,
            &MainWindow::mnuEnd_Click);

    QMenu* mnuGame = bar->addMenu(QStringLiteral("게임(&G)"));
    connect(mnuGame->addAction(QStringLiteral("다시 시작(&S)")), &QAction::triggered, this,
            &MainWindow::mnuStart_Click);
    mnuGame->addSeparator();
    connect(mnuGame->addAction(QStringLiteral("패스워드(&O)...")), &QAction::triggered, this,
            &MainWindow::mnuOpen_Click);

    bar->addAction(QString()); // an empty title that does nothing
    mnuCount_ = bar->addAction(QStringLiteral("횟수"));
}

void MainWindow::Form_Load() {
    setFixedSize(sizeHint());
    centreOnScreen();
    layOutCards();
    model_.StartFirstGame();
}

void MainWindow::centreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QSize outer = frameGeometry().size();
    const auto screenWidth = static_cast<float>(pixelsToTwips(screen->geometry().width()));
    const auto screenHeight = static_cast<float>(pixelsToTwips(screen->geometry().height()));
    const float left = (screenWidth - static_cast<float>(pixelsToTwips(outer.width()))) / 2.0F;
    const float top = (screenHeight - static_cast<float>(pixelsToTwips(outer.height()))) / 2.0F;
    const QPoint corner =
        screen->geometry().topLeft() + QPoint(twipsToPixels(left), twipsToPixels(top));
    // A window larger than the screen (a large text scale) keeps its title and
    // menu bar, and with them every command, within reach of the mouse.
    const QRect area = screen->availableGeometry();
    move(std::max(corner.x(), area.left()), std::max(corner.y(), area.top()));
}

void MainWindow::layOutCards() {
    OriginX_ = toInt16(roundHalfEven(kSlotLeft));
    OriginY_ = toInt16(roundHalfEven(kSlotTop));
    StepX_ = gridPitch(kCanvasWidth, OriginX_, kColumns);
    StepY_ = gridPitch(kCanvasHeight, OriginY_, kRows);
    for (int Pos = 1; Pos < kCardCount; ++Pos) {
        auto* slot = new CardSlot(fCanvas_);
        slot->hide();
        slot->showPicture(pCard_[0]->pixmap());
        const Int16 left = add16(mul16(static_cast<Int16>(Pos % kColumns), StepX_), OriginX_);
        const Int16 top = add16(mul16(static_cast<Int16>(Pos / kColumns), StepY_), OriginY_);
        slot->move(twipsToPixels(left), twipsToPixels(top));
        slot->show();
        pCard_.at(static_cast<std::size_t>(Pos)) = slot;
    }
    for (int Pos = 0; Pos < kCardCount; ++Pos) {
        connect(pCard_.at(static_cast<std::size_t>(Pos)), &CardSlot::clicked, this, [this, Pos] {
            guarded([this, Pos] { model_.pCard_Click(static_cast<Int16>(Pos)); });
        });
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
}

void MainWindow::ShowBack(Int16 card) {
    slotOf(card)->showPicture(pictures_.back());
}

void MainWindow::SetStatus(const std::string& text) {
    mnuCount_->setText(QString::fromStdString(text));
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
    AboutDialog about(pictures_);
    about.exec();
}

void MainWindow::mnuEnd_Click() {
    // Ends the program at once: no window gets a chance to close itself.
    QCoreApplication::exit(0);
}

void MainWindow::mnuStart_Click() {
    guarded([this] { model_.Shuffle(); });
}

void MainWindow::mnuOpen_Click() {
    if (fmGetPass_ == nullptr) {
        fmGetPass_ = new PasswordDialog([this] { guarded([this] { model_.AllOpen(); }); });
    }
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
