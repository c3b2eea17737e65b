#pragma once

#include "BoardAccess.h"
#include "BoardModel.h"
#include "BoardView.h"
#include "MainForm.h"
#include "RandomSource.h"

#include <array>
#include <string>

namespace duomira {

// What a front end does for the game: it draws, times, sounds and opens
// windows when asked, and nothing else. Texts arrive in UTF-8.
class GameSurface {
public:
    virtual ~GameSurface() = default;
    // A negative picture is the card's back.
    virtual void drawCard(int card, int picture) = 0;
    // What a screen reader says of the card changed.
    virtual void nameCard(int card, const std::string& name) = 0;
    virtual void showStatus(const std::string& text) = 0;
    virtual void runCloseTimer(bool on) = 0;
    virtual void showBoard(bool on) = 0;
    virtual void beep() = 0;
    // One of the game's own errors, in a box titled with the program's name.
    virtual void showError(const std::string& message) = 0;
    virtual void showAbout() = 0;
    virtual void showPassword() = 0;
    // The end command: the program stops at once, no window closing itself.
    virtual void endProgram() = 0;
};

// The game's orchestration, the same for every front end: the rules, the
// cards as shown and their spoken names, the menu commands, and the event
// boundary that shows the game's own errors while the program goes on.
class GameController final : private BoardView {
public:
    GameController(GameSurface& surface, RandomSource& random);

    // The board is laid out: the first deal.
    void load();
    void cardClicked(int card);
    // Counts only while the game awaits a tick: no other can be its own.
    void closeTimerTicked();
    void command(form1::Command command);
    void accessNumberEntered();
    // Every card drawn again as it shows: the front end's pictures changed.
    void redrawCards();

    const BoardModel& model() const { return model_; }

private:
    // Every event the player or the timer raises runs through here; whatever
    // the event turned, even in part, the cards' names say it afterwards.
    template <typename Action> void play(Action&& action) {
        const auto show = [this](const GameError& error) { showError(error); };
        guardGameErrors(action, show);
        guardGameErrors([this] { nameCards(); }, show);
    }

    void ShowFace(Int16 card, Int16 picture) override;
    void ShowBack(Int16 card) override;
    void SetStatus(const std::string& text) override;
    void SetCloseTimer(bool on) override;
    void SetBoardVisible(bool on) override;
    void Beep() override;

    void mnuabout_Click();
    void mnuEnd_Click();
    void mnuStart_Click();
    void mnuOpen_Click();
    void showError(const GameError& error);
    void nameCards();

    GameSurface& surface_;
    BoardModel model_;
    form1::ShownCards shown_;
    std::array<std::string, kCardCount> names_{};
};

} // namespace duomira
