#include "GameController.h"

#include "GameError.h"
#include "Messages.h"

namespace duomira {

namespace {

// The card slots are a control array of their own: a card or a picture
// without one is the game's subscript error, shown like any other.
void checkSlot(int card) {
    if (card < 0 || card >= kCardCount)
        throw GameError(GameErrorKind::SubscriptOutOfRange);
}

void checkPicture(int picture) {
    if (picture < 0 || picture >= kPictureCount)
        throw GameError(GameErrorKind::SubscriptOutOfRange);
}

} // namespace

GameController::GameController(GameSurface& surface, RandomSource& random)
    : surface_(surface), model_(*this, random) {}

void GameController::load() {
    play([this] { model_.StartFirstGame(); });
}

void GameController::cardClicked(int card) {
    play([this, card] { model_.pCard_Click(static_cast<Int16>(card)); });
}

void GameController::closeTimerTicked() {
    if (model_.closeTickPending())
        play([this] { model_.tClose_Timer(); });
}

void GameController::command(form1::Command command) {
    switch (command) {
    case form1::Command::About:
        mnuabout_Click();
        break;
    case form1::Command::End:
        mnuEnd_Click();
        break;
    case form1::Command::Start:
        mnuStart_Click();
        break;
    case form1::Command::Password:
        mnuOpen_Click();
        break;
    case form1::Command::None:
        break;
    }
}

void GameController::mnuabout_Click() {
    surface_.showAbout();
}

void GameController::mnuEnd_Click() {
    surface_.endProgram();
}

void GameController::mnuStart_Click() {
    play([this] { model_.Shuffle(); });
}

void GameController::mnuOpen_Click() {
    surface_.showPassword();
}

void GameController::accessNumberEntered() {
    play([this] { model_.AllOpen(); });
}

void GameController::redrawCards() {
    for (int card = 0; card < kCardCount; ++card)
        surface_.drawCard(card, shown_.picture(card));
}

void GameController::ShowFace(Int16 card, Int16 picture) {
    checkSlot(card);
    checkPicture(picture);
    surface_.drawCard(card, picture);
    shown_.face(card, picture);
}

void GameController::ShowBack(Int16 card) {
    checkSlot(card);
    surface_.drawCard(card, -1);
    shown_.back(card);
}

void GameController::SetStatus(const std::string& text) {
    surface_.showStatus(text);
}

void GameController::SetCloseTimer(bool on) {
    surface_.runCloseTimer(on);
}

void GameController::SetBoardVisible(bool on) {
    surface_.showBoard(on);
}

void GameController::Beep() {
    surface_.beep();
}

void GameController::showError(const GameError& error) {
    surface_.showError(gameErrorText(error.kind()));
}

// Only a changed name is news: each one set costs a front end a trip to its
// system, and a screen reader announces it.
void GameController::nameCards() {
    for (int card = 0; card < kCardCount; ++card) {
        std::string name = shown_.description(card, model_);
        std::string& named = names_[static_cast<std::size_t>(card)];
        if (name != named) {
            named = std::move(name);
            surface_.nameCard(card, named);
        }
    }
}

} // namespace duomira
