#pragma once

#include "BoardAccess.h"
#include "BoardModel.h"
#include "BoardView.h"
#include "GameSurface.h"
#include "MainForm.h"
#include "RandomSource.h"
#include "SysInfoPlatform.h"

#include <array>
#include <memory>
#include <string>

namespace duomira {

// The game as every front end runs it: the rules, the cards as shown and
// their spoken names, the board's mouse and key rules and its focus, the
// menu commands, the dialogs' rules, the news for screen readers, and the
// event boundary that shows the game's own errors while the program goes on.
// A front end turns its platform's events into these calls.
class GameController final : private BoardView {
public:
    // The launcher's platform is the system's unless a test hands in its own.
    GameController(GameSurface& surface, RandomSource& random,
                   std::unique_ptr<SysInfoPlatform> launcher = nullptr);

    // Form_Load, once the window holds its designed slot: the window centred,
    // the cards laid out, the first deal.
    void start();
    // Form_Unload: the window closes, and the password dialog with it.
    void unload();

    // The left button went down on a card, came up (over it or not), or went
    // down the second time of a double click, which begins no click.
    void cardPressed(int card);
    void cardReleased(int card, bool over);
    void cardDoubleClicked(int card);
    // The left button went down on the board's frame, between the cards.
    void boardPressed();
    // One of the board's keys on the card with the focus.
    void cardKey(int card, form1::CardKey key, bool repeat);
    void cardFocused(int card);
    void cardBlurred(int card);
    // The window took the keys: they go to the card that had them last.
    void windowFocused();

    // Counts only while the game awaits a tick: no other can be its own.
    void closeTimerTicked();
    void command(form1::Command command);
    // OK in the password dialog, with the box's text.
    void passwordAnswered(const std::string& text);
    // The password dialog closed by its close box, or gone with its window.
    void passwordClosed();
    // About's system-information button.
    void sysInfoClicked();
    // Every card drawn again as it shows: the front end's pictures changed.
    void redrawCards();

    const BoardModel& model() const { return model_; }
    int focusedCard() const { return focused_; }

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

    void pCard_Click(int card);
    void mnuabout_Click();
    void mnuEnd_Click();
    void mnuStart_Click();
    void mnuOpen_Click();
    void closePassword();
    void showFocusMark(bool shown);
    void showError(const GameError& error);
    void nameCards();

    GameSurface& surface_;
    BoardModel model_;
    std::unique_ptr<SysInfoPlatform> launcher_;
    form1::ShownCards shown_;
    std::array<std::string, kCardCount> names_{};
    // The card the keys go to, whether the focus is on it, and whether it
    // goes back to it when the hidden board shows again.
    int focused_ = 0;
    bool focusOnBoard_ = false;
    bool refocusOnShow_ = false;
    bool boardShown_ = true;
    bool focusMarkShown_ = false;
    // The card a left press began on, where a release makes a click.
    int pressed_ = -1;
    bool passwordLoaded_ = false;
};

} // namespace duomira
