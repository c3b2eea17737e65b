#include "BoardAccess.h"
#include "GameError.h"

#include <gtest/gtest.h>

namespace duomira::form1 {
namespace {

struct Move {
    int from;
    CardKey key;
    int to;
};

TEST(BoardAccess, KeysMoveWithinTheGridAndStopAtItsEdges) {
    const Move moves[] = {
        {9, CardKey::Right, 10}, {7, CardKey::Right, 7},  {8, CardKey::Left, 8},
        {9, CardKey::Left, 8},   {3, CardKey::Up, 3},     {11, CardKey::Up, 3},
        {3, CardKey::Down, 11},  {19, CardKey::Down, 19}, {13, CardKey::Home, 8},
        {13, CardKey::End, 15},  {23, CardKey::Next, 0},  {0, CardKey::Previous, 23},
    };
    for (const Move& move : moves) {
        EXPECT_EQ(cardAfterKey(move.from, move.key), move.to)
            << "from " << move.from << " by key " << static_cast<int>(move.key);
    }
}

TEST(BoardAccess, ACardSaysWhereItIsAndWhatItShows) {
    EXPECT_EQ(cardDescription(2, -1, false), "1행 3열, 뒷면");
    EXPECT_EQ(cardDescription(8, 0, false), "2행 1열, 사과");
    EXPECT_EQ(cardDescription(23, 11, true), "3행 8열, 양, 짝 맞춤");
    EXPECT_THROW(cardDescription(24, -1, false), GameError);
    EXPECT_THROW(cardDescription(0, 12, false), GameError);
}

} // namespace
} // namespace duomira::form1
