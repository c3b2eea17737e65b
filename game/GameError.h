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

} // namespace duomira
