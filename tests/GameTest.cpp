#include "GameController.h"
#include "TestRandom.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace duomira::test {
namespace {

// The game as a player meets it through the controller every front end runs,
// in one line: the three rows of cards ('.' a back, 'a'..'l' faces 0..11),
// the status text, the timer, a hidden board, the beeps, how many cards a
// screen reader was told anew of, and what else was asked; then the counters.
struct SeenGame : GameSurface {
    void drawCard(int card, int picture) override {
        cards.at(card + card / 8) = picture < 0 ? '.' : static_cast<char>('a' + picture);
    }
    void nameCard(int /*card*/, const std::string& /*name*/) override { ++named; }
    void showStatus(const std::string& text) override { status = text; }
    void runCloseTimer(bool on) override { timer = on; }
    void showBoard(bool on) override { hidden = !on; }
    void beep() override { ++beeps; }
    void showError(const std::string& message) override { asked += " error " + message; }
    void showAbout() override { asked += " about"; }
    void showPassword() override { asked += " password"; }
    void endProgram() override { asked += " end"; }

    std::string cards = "________ ________ ________";
    std::string status, asked;
    bool timer = false, hidden = false;
    int beeps = 0, named = 0;
};

// Plays the identity deal (card c shows picture c mod 12): numbers are
// clicks, "t" a tick, "r" a restart, "a" the access number, "A", "P" and "E"
// the About, password and end commands.
struct Game {
    explicit Game(RandomSource& random) : game(seen, random) { game.load(); }
    SeenGame seen;
    GameController game;

    std::string play(const std::string& moves) {
        seen.named = 0;
        seen.asked.clear();
        std::istringstream in(moves);
        for (std::string move; in >> move;) {
            if (move == "t")
                game.closeTimerTicked();
            else if (move == "r")
                game.command(form1::Command::Start);
            else if (move == "a")
                game.accessNumberEntered();
            else if (move == "A" || move == "P" || move == "E")
                game.command(move == "A"   ? form1::Command::About
                             : move == "P" ? form1::Command::Password
                                           : form1::Command::End);
            else
                game.cardClicked(std::stoi(move));
        }
        const BoardModel& model = game.model();
        std::ostringstream line;
        line << seen.cards << " \"" << seen.status << '"' << (seen.timer ? " timer" : "")
             << (seen.hidden ? " hidden" : "") << " beeps " << seen.beeps << " named " << seen.named
             << seen.asked << " | turned " << model.Turned() << " first " << model.FirstCard()
             << " last " << model.LastCard() << " try " << model.TryCount() << " pair "
             << model.PairCount();
        return line.str();
    }
};

// Each row continues the game of the row before it.
void expectPlay(const std::vector<std::pair<std::string, std::string>>& rows) {
    TestRandom random(identityDeal());
    Game game(random);
    for (const auto& [moves, seen] : rows)
        EXPECT_EQ(game.play(moves), seen) << "after " << moves;
}

const std::string kAllPairs = "0 12 1 13 2 14 3 15 4 16 5 17 6 18 7 19 8 20 9 21 10 22 11 23";

TEST(Play, FirstCardThenAMissOrAPair) {
    expectPlay({
        {"",
         R"(........ ........ ........ "" beeps 0 named 0 | turned 0 first 0 last 0 try 1 pair 1)"},
        // a tick the game does not await is no one's
        {"17 t",
         R"(........ ........ .f...... "" beeps 0 named 1 | turned 1 first 17 last 17 try 1 pair 1)"},
        {"4",
         R"(....e... ........ ........ "1회" timer beeps 0 named 2 | turned 0 first 17 last 4 try 2 pair 1)"},
        {"t",
         R"(........ ........ ........ "1회" beeps 0 named 1 | turned 0 first 17 last 4 try 2 pair 1)"},
        {"9 9",
         R"(........ ........ ........ "2회" timer beeps 0 named 2 | turned 0 first 9 last 9 try 3 pair 1)"},
        {"t 2 14",
         R"(..c..... ......c. ........ "3번째에 1개 그림이 열렸습니다" beeps 1 named 3 | turned 0 first 2 last 14 try 4 pair 2)"},
        // a matched card only shows its face and becomes the last card
        {"6 14 18",
         R"(..c...g. ......c. ..g..... "4번째에 2개 그림이 열렸습니다" beeps 2 named 3 | turned 0 first 6 last 18 try 5 pair 3)"},
        // a click before the tick has the tick turn back its card first
        {"0 1 5",
         R"(..c..fg. ......c. ..g..... "5회" beeps 2 named 5 | turned 1 first 5 last 5 try 6 pair 3)"},
        {"17",
         R"(..c..fg. ......c. .fg..... "6번째에 3개 그림이 열렸습니다" beeps 3 named 2 | turned 0 first 5 last 17 try 7 pair 4)"},
        {"0 1 14",
         R"(..c..fg. ......c. .fg..... "7회" beeps 3 named 4 | turned 0 first 0 last 14 try 8 pair 4)"},
    });
}

TEST(Play, TheTwelfthPairBlinksTheBoardARestartDealsAfreshARevealChangesNothing) {
    expectPlay({
        {kAllPairs,
         R"(abcdefgh ijklabcd efghijkl "12번째에 12개 성공했네요" timer hidden beeps 12 named 36 | turned 0 first 11 last 23 try 13 pair 13)"},
        {"t 5",
         R"(abcdefgh ijklabcd efghijkl "12번째에 12개 성공했네요" beeps 12 named 0 | turned 0 first 11 last 5 try 13 pair 13)"},
    });
    // A restart during the blink, and with a card up, deals afresh with no card up
    // and the board shown.
    expectPlay(
        {{kAllPairs + " r 4 r",
          R"(........ ........ ........ "" beeps 12 named 62 | turned 0 first 4 last 4 try 1 pair 1)"}});
    // The reveal of every face in the middle of an attempt changes nothing else.
    expectPlay({
        {"7 a",
         R"(abcdefgh ijklabcd efghijkl "" beeps 0 named 24 | turned 1 first 7 last 7 try 1 pair 1)"},
        {"8",
         R"(abcdefg. ijklabcd efghijkl "1회" timer beeps 0 named 1 | turned 0 first 7 last 8 try 2 pair 1)"},
    });
}

// The game's errors are shown, and play goes on; the menu's other commands
// go to their windows.
TEST(Play, CounterOverflowAndStrayCardsAreShownTheCommandsOpenTheirWindows) {
    TestRandom random(identityDeal());
    Game game(random);
    while (game.game.model().TryCount() < 32767)
        game.play("0 1");
    // the error comes after the status text and before the attempt closes
    EXPECT_EQ(
        game.play("0 1"),
        R"(.b...... ........ ........ "32767회" timer beeps 0 named 4 error 오버플로가 발생했습니다. | turned 1 first 0 last 1 try 32767 pair 1)");
    // the arrays' spare element has no slot; the others are no cards at all
    EXPECT_EQ(CardArray()[24], 0);
    EXPECT_EQ(
        game.play("t 24 25 -1 A P E"),
        R"(........ ........ ........ "32767회" beeps 0 named 1 error 첨자가 범위를 벗어났습니다. error 첨자가 범위를 벗어났습니다. error 첨자가 범위를 벗어났습니다. about password end | turned 1 first 0 last 1 try 32767 pair 1)");
}

TEST(Deal, DrawsScaledInDoublePrecisionAndDrawsAgainUntilTheNumberIsNew) {
    // 0x1.56c2f2p-5 draws 0 in double precision but 1 in single; 0x1.ecb83cp-1
    // is the least value that draws 23, and 0.96 draws 22, where 24 would draw 23.
    std::vector<float> values{0x1.56c2f2p-5F, 0x1.ecb83cp-1F, 0.96F,
                              drawFor(5),     drawFor(5),     drawFor(22)};
    for (int n : {1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21})
        values.push_back(drawFor(n));
    TestRandom random(values);
    EXPECT_EQ(Game(random).play("r a").substr(0, 26), "alkfbcde ghijklab cdefghij");
    EXPECT_EQ(random.drawn, 2 * values.size()) << "more draws than needed";
    EXPECT_EQ(random.seeds, 1) << "seeded once, at the start, not at a restart";
}

} // namespace
} // namespace duomira::test
