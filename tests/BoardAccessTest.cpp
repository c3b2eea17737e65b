#include "BoardAccess.h"
#include "GameError.h"
#include "MainForm.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

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

// Slots are 84 pixels wide with a 2-pixel border, 79 apart; the frame is 641 x 321.
TEST(SlotGeometry, WhatShowsOfAPictureIsCutByTheNextSlotAndTheFrame) {
    const PixelRect picture{2, 2, 80, 80};
    const PixelRect next{86, 16, 84, 84};
    // clang-format off
    const struct { PixelRect slot; const PixelRect* above; PixelRect seen; } cases[] = {
        {{7, 16, 84, 84}, &next, {2, 2, 77, 80}},       // the next slot over the right edge
        {{7, 16, 84, 84}, nullptr, {2, 2, 80, 80}},     // the last visible slot
        {{7, 200, 84, 84}, &next, {2, 2, 80, 80}},      // a next slot in another row
        {{561, 219, 84, 84}, nullptr, {2, 2, 78, 80}},  // the frame cuts the last column
        {{561, 250, 84, 84}, nullptr, {2, 2, 78, 69}},  // and a row below its bottom
    };
    // clang-format on
    for (const auto& [slot, above, seen] : cases) {
        const PixelRect got = seenPart(picture, slot, 641, 321, above);
        EXPECT_EQ(std::tuple(got.left, got.top, got.width, got.height),
                  std::tuple(seen.left, seen.top, seen.width, seen.height))
            << slot.left << "," << slot.top;
    }
}

} // namespace
} // namespace duomira::form1
