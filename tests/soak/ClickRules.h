#pragma once

#include "BoardModel.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace duomira {
class MainWindow;
}

namespace duomira::soak {

// The game as it stood before an event.
struct GameSnapshot {
    Int16 turned = 0;
    Int16 firstCard = 0;
    Int16 lastCard = 0;
    Int16 tryCount = 0;
    Int16 pairCount = 0;
    std::array<Int16, kCardCount> state{};
    std::array<Int16, kCardCount> picture{};

    static GameSnapshot of(const BoardModel& model);
    bool operator==(const GameSnapshot&) const = default;
};

// What a click on a card is to the game, judged before the click.
enum class ClickKind { OnMatchedCard, FirstCard, FailedAttempt, PairFound, LastPairFound };

ClickKind predictClick(const GameSnapshot& before, int card);
const char* nameOf(ClickKind kind);

// The status text the click leaves, or nullopt when it leaves the text alone.
std::optional<QString> statusAfter(ClickKind kind, const BoardModel& after);

// Where the game moved otherwise than such a click moves it.
QStringList wrongMoves(const GameSnapshot& before, int card, ClickKind kind,
                       const MainWindow& after);

// The other card with the same picture.
int partnerOf(const BoardModel& model, int card);

} // namespace duomira::soak
