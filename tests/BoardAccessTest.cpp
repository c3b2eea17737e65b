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

// What every front end makes of the menu table, a line a step.
struct RecordedMenu : MenuBuilder {
    std::string steps;
    void addMenu(const char* caption) override { steps += std::string("[") + caption; }
    void addItem(const char* caption, Command command) override {
        steps += std::string(" ") + caption + "=" + std::to_string(static_cast<int>(command));
    }
    void addSeparator() override { steps += " -"; }
    void addTitle(const char* caption, bool isStatus) override {
        steps += std::string(isStatus ? " status " : " title ") + caption;
    }
};

TEST(MenuBar, EveryFrontEndBuildsTheTableInOrder) {
    RecordedMenu bar;
    buildMenuBar(bar);
    EXPECT_EQ(bar.steps, "[파일(&F) 대하여..(&A)=1 - 종료=2[게임(&G) 다시 시작(&S)=3 - "
                         "패스워드(&O)...=4 title  status 횟수");
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
