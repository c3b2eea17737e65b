// The orchestration every front end runs, through a surface that records
// what it was asked to do, a line each.
#include "GameController.h"
#include "TestRandom.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace duomira::test {
namespace {

struct RecordingSurface : GameSurface, form1::MenuBuilder {
    std::vector<std::string> asked;
    void say(const std::string& line) { asked.push_back(line); }

    void drawCard(int card, int picture) override {
        say("draw " + std::to_string(card) + " " + std::to_string(picture));
    }
    void nameCard(int card, const std::string& name) override {
        say("name " + std::to_string(card) + " " + name);
    }
    void showStatus(const std::string& text) override { say("status " + text); }
    void runCloseTimer(bool on) override { say(on ? "timer on" : "timer off"); }
    void showBoard(bool on) override { say(on ? "board shown" : "board hidden"); }
    void beep() override { say("beep"); }
    void showError(const std::string& message) override { say("error " + message); }
    void showAbout() override { say("about"); }
    void showPassword() override { say("password"); }
    void endProgram() override { say("end"); }

    void addMenu(const char* caption) override { say(std::string("menu ") + caption); }
    void addItem(const char* caption, form1::Command command) override {
        say(std::string("item ") + caption + " " + std::to_string(static_cast<int>(command)));
    }
    void addSeparator() override { say("-"); }
    void addTitle(const char* caption, bool isStatus) override {
        say(std::string(isStatus ? "status title " : "title ") + caption);
    }

    // What was asked since the last look.
    std::vector<std::string> taken() { return std::exchange(asked, {}); }
};

using Lines = std::vector<std::string>;

class Controller : public testing::Test {
protected:
    TestRandom random{identityDeal()}; // card c shows picture c mod 12
    RecordingSurface surface;
    GameController game{surface, random};

    void SetUp() override {
        game.load();
        surface.taken();
    }
};

TEST_F(Controller, TheFirstDealDrawsAndNamesEveryCard) {
    RecordingSurface fresh;
    GameController first(fresh, random);
    first.load();
    const Lines& asked = fresh.asked;
    ASSERT_EQ(asked.size(), 2U * kCardCount + 3); // and the board shown, the status twice
    EXPECT_EQ(asked.front(), "draw 0 -1");
    EXPECT_EQ(asked[kCardCount - 1], "draw 23 -1");
    EXPECT_EQ(asked[kCardCount + 3], "name 0 1행 1열, 뒷면");
    EXPECT_EQ(asked.back(), "name 23 3행 8열, 뒷면");
    EXPECT_EQ(first.cardName(9), "2행 2열, 뒷면");
}

TEST_F(Controller, OnlyTheCardsAnEventChangedAreNamedAgain) {
    game.cardClicked(0);
    EXPECT_EQ(surface.taken(), (Lines{"draw 0 0", "name 0 1행 1열, 사과"}));
    game.cardClicked(12);
    EXPECT_EQ(surface.taken(),
              (Lines{"draw 12 0", "beep", "status 1번째에 1개 그림이 열렸습니다",
                     "name 0 1행 1열, 사과, 짝 맞춤", "name 12 2행 5열, 사과, 짝 맞춤"}));
    game.cardClicked(1);
    game.cardClicked(2);
    EXPECT_EQ(surface.taken(),
              (Lines{"draw 1 1", "name 1 1행 2열, 여우", "draw 2 2", "draw 1 -1", "timer on",
                     "status 2회", "name 1 1행 2열, 뒷면", "name 2 1행 3열, 별"}));
    game.closeTimerTicked();
    EXPECT_EQ(surface.taken(), (Lines{"timer off", "draw 2 -1", "name 2 1행 3열, 뒷면"}));
}

// Only the game starts the close timer: a tick it does not await is no one's.
TEST_F(Controller, ATickTheGameDoesNotAwaitChangesNothing) {
    game.cardClicked(0);
    surface.taken();
    game.closeTimerTicked();
    EXPECT_EQ(surface.taken(), Lines{});
    EXPECT_EQ(game.model().Turned(), 1);
}

TEST_F(Controller, TheGamesErrorsAreShownAndPlayGoesOn) {
    random.failing = true;
    game.command(form1::Command::Start);
    EXPECT_EQ(surface.taken().back(), "error 오버플로가 발생했습니다.");
    random.failing = false;
    // The card arrays' spare element has no slot.
    game.cardClicked(24);
    EXPECT_EQ(surface.taken(), Lines{"error 첨자가 범위를 벗어났습니다."});
    game.cardClicked(-1);
    EXPECT_EQ(surface.taken().back(), "error 첨자가 범위를 벗어났습니다.");
    game.cardClicked(3);
    EXPECT_EQ(game.model().Turned(), 1);
}

TEST_F(Controller, MenuCommandsGoToTheirWindowsOrRestart) {
    game.cardClicked(0);
    surface.taken();
    for (auto [command, line] : {std::pair{form1::Command::About, "about"},
                                 {form1::Command::Password, "password"},
                                 {form1::Command::End, "end"}}) {
        game.command(command);
        EXPECT_EQ(surface.taken(), Lines{line});
    }
    game.command(form1::Command::Start);
    EXPECT_EQ(surface.taken().front(), "draw 0 -1");
    EXPECT_EQ(game.model().Turned(), 0);
    game.accessNumberEntered();
    EXPECT_EQ(surface.taken().back(), "name 23 3행 8열, 양");
}

TEST(MenuBar, EveryFrontEndBuildsTheTableInOrder) {
    RecordingSurface bar;
    form1::buildMenuBar(bar);
    EXPECT_EQ(bar.asked, (Lines{"menu 파일(&F)", "item 대하여..(&A) 1", "-", "item 종료 2",
                                "menu 게임(&G)", "item 다시 시작(&S) 3", "-",
                                "item 패스워드(&O)... 4", "title ", "status title 횟수"}));
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
        const PixelRect got = form1::seenPart(picture, slot, 641, 321, above);
        EXPECT_EQ(std::tuple(got.left, got.top, got.width, got.height),
                  std::tuple(seen.left, seen.top, seen.width, seen.height))
            << slot.left << "," << slot.top;
    }
}

} // namespace
} // namespace duomira::test
