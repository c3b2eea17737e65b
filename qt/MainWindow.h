#pragma once

#include "BoardAccess.h"
#include "BoardModel.h"
#include "BoardView.h"
#include "CardSlot.h"
#include "MainForm.h"
#include "PasswordDialog.h"
#include "PictureSet.h"
#include "RandomSource.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <array>
#include <utility>

class QAction;
class QGroupBox;

namespace duomira {

class StatusNews;

// The game window: the board frame with its 24 card slots, the menus, the
// close timer, and the status text in the last title of the menu bar.
class MainWindow : public QMainWindow, public BoardView, public form1::MenuCommands {
    Q_OBJECT
public:
    // The random source is the game's; tests hand in a scripted one.
    explicit MainWindow(RandomSource& random);
    ~MainWindow() override;

    void ShowFace(Int16 card, Int16 picture) override;
    void ShowBack(Int16 card) override;
    void SetStatus(const std::string& text) override;
    void SetCloseTimer(bool on) override;
    void SetBoardVisible(bool on) override;
    void Beep() override;

    const BoardModel& model() const { return model_; }
    QGroupBox* board() const { return fCanvas_; }
    CardSlot* card(int index) const { return pCard_.at(static_cast<std::size_t>(index)); }
    QAction* statusTitle() const { return mnuCount_; }
    const QTimer& closeTimer() const { return tClose_; }
    PasswordDialog* passwordDialog() const { return fmGetPass_.data(); }
    const PictureSet& pictures() const { return pictures_; }

    // Every event the player or the timer raises runs through here, so the
    // game's own errors are shown in one place and the program goes on.
    template <typename Action> void guarded(Action&& action) {
        guardGameErrors(std::forward<Action>(action),
                        [this](const GameError& error) { showGameError(error); });
    }

    // A player's or the timer's action on the game: guarded, and afterwards
    // every slot tells a screen reader what it now shows.
    template <typename Action> void play(Action&& action) {
        guarded(std::forward<Action>(action));
        describeCards();
    }

    void mnuabout_Click() override;
    void mnuEnd_Click() override;
    void mnuStart_Click() override;
    void mnuOpen_Click() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void createBoard();
    void createActions();
    void layOutCards();
    void showGameError(const GameError& error);
    CardSlot* slotOf(Int16 card) const;
    void connectSlot(int Pos);
    void describeCards();
    void setFocusMarkShown(bool shown);

    void Form_Unload();

    PictureSet pictures_;
    BoardModel model_;
    QGroupBox* fCanvas_ = nullptr;
    std::array<CardSlot*, kCardCount> pCard_{};
    QTimer tClose_;
    QAction* mnuCount_ = nullptr;
    StatusNews* statusNews_ = nullptr;
    QPointer<PasswordDialog> fmGetPass_;
    form1::ShownCards shown_;
};

} // namespace duomira
