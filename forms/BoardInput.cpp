// The board's mouse and key rules, the same on every platform.
#include "GameController.h"

namespace duomira {

// A press hides the keyboard's focus mark, so that mouse play looks as it
// always has, and gives the card the focus.
void GameController::cardPressed(int card) {
    pressed_ = card;
    showFocusMark(false);
    surface_.focusCard(card);
}

// A click is a press and a release on the same card.
void GameController::cardReleased(int card, bool over) {
    const bool click = over && pressed_ == card;
    pressed_ = -1;
    if (click)
        pCard_Click(card);
}

void GameController::cardDoubleClicked(int /*card*/) {
    pressed_ = -1;
}

void GameController::boardPressed() {
    showFocusMark(false);
}

// Space or Enter turn the card, as a click does, but a held key only once;
// the others move the focus over the board. Any of them shows the mark.
void GameController::cardKey(int card, form1::CardKey key, bool repeat) {
    showFocusMark(true);
    if (key == form1::CardKey::Turn) {
        if (!repeat)
            pCard_Click(card);
    } else {
        surface_.focusCard(form1::cardAfterKey(card, key));
    }
}

void GameController::cardFocused(int card) {
    if (card >= 0 && card < kCardCount) {
        focused_ = card;
        focusOnBoard_ = true;
    }
}

void GameController::cardBlurred(int card) {
    if (card == focused_)
        focusOnBoard_ = false;
}

void GameController::windowFocused() {
    if (boardShown_)
        surface_.focusCard(focused_);
}

void GameController::showFocusMark(bool shown) {
    if (shown == focusMarkShown_)
        return;
    focusMarkShown_ = shown;
    surface_.showFocusMark(shown);
}

} // namespace duomira
