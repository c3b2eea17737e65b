#include "GameController.h"

#include "CardArray.h"
#include "GameError.h"
#include "Messages.h"
#include "NumberReader.h"
#include "SysInfoLauncher.h"

namespace duomira {

GameController::GameController(GameSurface& surface, RandomSource& random,
                               std::unique_ptr<SysInfoPlatform> launcher)
    : surface_(surface), model_(*this, random), launcher_(std::move(launcher)) {
    if (launcher_ == nullptr)
        launcher_ = makeSystemPlatform([this](const std::string& text, const std::string& title) {
            surface_.showMessage(text, title, MessageKind::Plain);
        });
}

void GameController::start() {
    surface_.centreWindow();
    surface_.layOutCards();
    play([this] { model_.StartFirstGame(); });
}

void GameController::unload() {
    if (passwordLoaded_)
        closePassword();
}

void GameController::pCard_Click(int card) {
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

// One password dialog at a time: the command loads it once, and afterwards
// only brings it to the front, with whatever was typed in it.
void GameController::mnuOpen_Click() {
    const bool load = !passwordLoaded_;
    passwordLoaded_ = true;
    surface_.showPassword(load);
}

// OK reveals every card for the access number and closes the dialog in any case.
void GameController::passwordAnswered(const std::string& text) {
    if (isAccessNumber(text))
        play([this] { model_.AllOpen(); });
    closePassword();
}

void GameController::passwordClosed() {
    passwordLoaded_ = false;
}

void GameController::closePassword() {
    passwordLoaded_ = false;
    surface_.closePassword();
}

void GameController::sysInfoClicked() {
    StartSysInfo(*launcher_);
}

void GameController::redrawCards() {
    for (int card = 0; card < kCardCount; ++card)
        surface_.drawCard(card, shown_.picture(card));
}

// The card slots and the picture holders are control arrays of their own: a
// card or a picture without one is the game's subscript error, shown like any other.
void GameController::ShowFace(Int16 card, Int16 picture) {
    subscript(card, kCardCount);
    subscript(picture, kPictureCount);
    surface_.drawCard(card, picture);
    shown_.face(card, picture);
}

void GameController::ShowBack(Int16 card) {
    subscript(card, kCardCount);
    surface_.drawCard(card, -1);
    shown_.back(card);
}

void GameController::SetStatus(const std::string& text) {
    surface_.showStatus(text);
    // A new game's empty status is no news.
    if (!text.empty())
        surface_.tellStatusNews(text);
}

void GameController::SetCloseTimer(bool on) {
    surface_.runCloseTimer(on);
}

// A hidden card cannot hold the focus: it comes back with the board if the
// board had it and nothing else has taken it meanwhile.
void GameController::SetBoardVisible(bool on) {
    if (!on && boardShown_)
        refocusOnShow_ = focusOnBoard_;
    boardShown_ = on;
    surface_.showBoard(on);
    if (on && refocusOnShow_ && surface_.focusIsFree())
        surface_.focusCard(focused_);
    if (on)
        refocusOnShow_ = false;
}

void GameController::Beep() {
    surface_.beep();
}

void GameController::showError(const GameError& error) {
    surface_.showMessage(gameErrorText(error.kind()), kAppTitle, MessageKind::Error);
}

// Only a changed name is news: each one set costs a front end a trip to its
// system. A screen reader hears of the card under the focus at once.
void GameController::nameCards() {
    for (int card = 0; card < kCardCount; ++card) {
        std::string name = shown_.description(card, model_);
        std::string& named = names_[static_cast<std::size_t>(card)];
        if (name == named)
            continue;
        const bool first = named.empty();
        named = std::move(name);
        surface_.nameCard(card, named);
        if (!first && focusOnBoard_ && card == focused_)
            surface_.tellCardNews(named);
    }
}

} // namespace duomira
