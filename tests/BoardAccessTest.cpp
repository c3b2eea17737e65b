#include "BoardAccess.h"
#include "GameError.h"

#include <gtest/gtest.h>

namespace duomira::form1 {
namespace {

TEST(BoardAccess, ACardSaysWhereItIsAndWhatItShows) {
    EXPECT_EQ(cardDescription(2, -1, false), "1행 3열, 뒷면");
    EXPECT_EQ(cardDescription(13, 9, false), "2행 6열, 펭귄");
    EXPECT_EQ(cardDescription(23, 11, true), "3행 8열, 양, 짝 맞춤");
    // What each face shows, in picture order, as the faces were drawn.
    const char* const names[] = {"사과", "여우",   "별",     "소나무", "물고기", "우산",
                                 "돼지", "달팽이", "자동차", "펭귄",   "코끼리", "양"};
    for (int picture = 0; picture < kPictureCount; ++picture)
        EXPECT_EQ(cardDescription(0, picture, false), std::string("1행 1열, ") + names[picture]);
    EXPECT_THROW(cardDescription(24, -1, false), GameError);
    EXPECT_THROW(cardDescription(0, 12, false), GameError);
}

TEST(BoardAccess, ArrowsStopAtTheGridsEdgesTabWrapsAround) {
    // clang-format off
    const struct { int from; CardKey key; int to; } moves[] = {
        {9, CardKey::Left, 8},    {8, CardKey::Left, 8},    {9, CardKey::Right, 10},
        {7, CardKey::Right, 7},   {15, CardKey::Right, 15}, {9, CardKey::Up, 1},
        {3, CardKey::Up, 3},      {9, CardKey::Down, 17},   {19, CardKey::Down, 19},
        {20, CardKey::Home, 16},  {20, CardKey::End, 23},   {5, CardKey::Next, 6},
        {23, CardKey::Next, 0},   {5, CardKey::Previous, 4}, {0, CardKey::Previous, 23}};
    // clang-format on
    for (const auto& [from, key, to] : moves)
        EXPECT_EQ(cardAfterKey(from, key), to) << "from " << from << ", key " << int(key);
}

} // namespace
} // namespace duomira::form1
