#pragma once

#include "CardSlot.h"
#include "GameController.h"
#include "MainForm.h"
#include "PairSound.h"
#include "PasswordDialog.h"
#include "PictureSet.h"
#include "RandomSource.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <array>

class QAction;
class QGroupBox;
class QMenu;

namespace duomira {

class StatusNews;

// The game window: the board frame with its 24 card slots, the menus, the
// close timer, and the status text in the last title of the menu bar. The
// game itself runs in the shared controller; this window draws and listens.
class MainWindow : public QMainWindow, public GameSurface, private form1::MenuBuilder {
    Q_OBJECT
public:
    // The random source is the game's; tests hand in a scripted one.
    explicit MainWindow(RandomSource& random);
    ~MainWindow() override;

    GameController& game() { return game_; }
    const BoardModel& model() const { return game_.model(); }
    QGroupBox* board() const { return fCanvas_; }
    CardSlot* card(int index) const { return pCard_.at(static_cast<std::size_t>(index)); }
    QAction* statusTitle() const { return mnuCount_; }
    const QTimer& closeTimer() const { return tClose_; }
    PasswordDialog* passwordDialog() const { return fmGetPass_.data(); }
    const PictureSet& pictures() const { return pictures_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void centreWindow() override;
    void layOutCards() override;
    void drawCard(int card, int picture) override;
    void showStatus(const std::string& text) override;
    void runCloseTimer(bool on) override;
    void showBoard(bool on) override;
    void beep() override;
    void focusCard(int card) override;
    bool focusIsFree() const override;
    void showFocusMark(bool shown) override;
    void nameCard(int card, const std::string& name) override;
    void tellCardNews(const std::string& name) override;
    void tellStatusNews(const std::string& text) override;
    void showMessage(const std::string& text, const std::string& title, MessageKind kind) override;
    void showAbout() override;
    void showPassword(bool load) override;
    void closePassword() override;
    void endProgram() override;

    void addMenu(const char* caption) override;
    void addItem(const char* caption, form1::Command command) override;
    void addSeparator() override;
    void addTitle(const char* caption, bool isStatus) override;

    void createBoard();
    void createActions();

    PictureSet pictures_;
    GameController game_;
    QGroupBox* fCanvas_ = nullptr;
    std::array<CardSlot*, kCardCount> pCard_{};
    QTimer tClose_;
    PairSound pairSound_;
    QMenu* menu_ = nullptr;
    QAction* mnuCount_ = nullptr;
    StatusNews* statusNews_ = nullptr;
    StatusNews* cardNews_ = nullptr;
    QPointer<PasswordDialog> fmGetPass_;
};

} // namespace duomira
