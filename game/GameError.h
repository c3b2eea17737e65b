#pragma once

#include <stdexcept>

namespace duomira {

// The run-time errors of the game itself. The window shows them to the player;
// nothing below the window catches them.
enum class GameErrorKind {
    Overflow,            // a 16-bit counter or sum left -32768..32767
    SubscriptOutOfRange, // a card array was indexed outside 0..24
};

class GameError : public std::runtime_error {
public:
    explicit GameError(GameErrorKind kind);
    GameErrorKind kind() const noexcept { return kind_; }

private:
    GameErrorKind kind_;
};

// Runs the action of one event; a game error abandons it and goes to show,
// which tells the player, and the program goes on.
template <typename Action, typename Show> void guardGameErrors(Action&& action, Show&& show) {
    try {
        action();
    } catch (const GameError& error) {
        show(error);
    }
}

} // namespace duomira
