#pragma once

#include <string>

namespace duomira {

enum class MessageKind { Plain, Error };

// What a front end does for the game when the controller asks: it draws,
// times, sounds, moves the keyboard focus, opens windows and passes news on
// to assistive technology, and decides nothing itself. Texts are UTF-8.
class GameSurface {
public:
    virtual ~GameSurface() = default;

    // The window's load, before the deal: centred on its screen, then the
    // card slots copied from the designed one.
    virtual void centreWindow() = 0;
    virtual void layOutCards() = 0;

    // A negative picture is the card's back.
    virtual void drawCard(int card, int picture) = 0;
    virtual void showStatus(const std::string& text) = 0;
    virtual void runCloseTimer(bool on) = 0;
    virtual void showBoard(bool on) = 0;
    virtual void beep() = 0;

    virtual void focusCard(int card) = 0;
    // True while the window's keyboard focus rests on none of its controls,
    // as when the card that had it was hidden.
    virtual bool focusIsFree() const = 0;
    virtual void showFocusMark(bool shown) = 0;

    // What a screen reader says of a card when it comes to it.
    virtual void nameCard(int card, const std::string& name) = 0;
    // News a screen reader speaks at once, wherever the player is: the card
    // under the focus that turned (its new name), and the status text. Each
    // kind goes through a channel of its own, so that one never cuts off the
    // other within one event.
    virtual void tellCardNews(const std::string& name) = 0;
    virtual void tellStatusNews(const std::string& text) = 0;

    // A modal message box with the one button "확인".
    virtual void showMessage(const std::string& text, const std::string& title,
                             MessageKind kind) = 0;
    // Modal; returns when About has closed.
    virtual void showAbout() = 0;
    // Brings the password dialog to the front; with load, made anew first,
    // its box empty.
    virtual void showPassword(bool load) = 0;
    virtual void closePassword() = 0;
    // The end command: the program stops at once, no window closing itself.
    virtual void endProgram() = 0;
};

} // namespace duomira
