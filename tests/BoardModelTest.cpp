#include "BoardModel.h"
#include "RecordingBoardView.h"
#include "ScriptedRandom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

namespace duomira::test {
namespace {

std::vector<float> twoDeals() {
    std::vector<float> values = identityDeal();
    const auto second = identityDeal();
    values.insert(values.end(), second.begin(), second.end());
    return values;
}

// A dealt board with number n on card n: card c shows picture c mod 12, so
// the partner of card c (c < 12) is card c + 12.
struct DealtGame {
    RecordingBoardView view;
    ScriptedRandom random{twoDeals()};
    BoardModel model{view, random};
    DealtGame() { model.StartFirstGame(); }

    void click(int card) { model.pCard_Click(static_cast<Int16>(card)); }
    void failAttempt() {
        click(0);
        click(1);
    }
    void findPair(int picture) {
        click(picture);
        click(picture + 12);
    }
};

std::array<int, kPictureCount> pictureCounts(const BoardModel& model) {
    std::array<int, kPictureCount> counts{};
    for (int c = 0; c < kCardCount; ++c) {
        ++counts.at(static_cast<std::size_t>(model.CardPic(c)));
    }
    return counts;
}

// --- the deal ------------------------------------------------------------

TEST(Deal, NumbersBecomePicturesModuloTwelve) {
    DealtGame game;
    for (int c = 0; c < kCardCount; ++c) {
        EXPECT_EQ(game.model.CardPic(c), c % 12) << "card " << c;
        EXPECT_EQ(game.model.CardState(c), STATE_IN_PLAY);
        EXPECT_EQ(game.view.shown.at(c), RecordingBoardView::kBack);
    }
    EXPECT_EQ(game.model.TryCount(), 1);
    EXPECT_EQ(game.model.PairCount(), 1);
    EXPECT_EQ(game.view.status, "");
    EXPECT_EQ(game.random.seeds, 1);
}

TEST(Deal, DrawsAgainUntilTheNumberIsNew) {
    // 5 for card 0, then 5 again and 5 once more before 7 is accepted.
    std::vector<float> values{drawFor(5), drawFor(5), drawFor(5), drawFor(7)};
    for (int n = 0; n < 24; ++n) {
        if (n != 5 && n != 7) {
            values.push_back(drawFor(n));
        }
    }
    ScriptedRandom random(values);
    RecordingBoardView view;
    BoardModel model(view, random);
    model.Shuffle();
    EXPECT_EQ(random.drawn(), values.size());
    EXPECT_EQ(model.CardPic(0), 5);
    EXPECT_EQ(model.CardPic(1), 7);
    EXPECT_EQ(model.CardPic(2), 0);
}

TEST(Deal, ScalesByTwentyThreePointNine) {
    // Just below 1 still draws 23; 23/23.9 draws 23 but 22.9/23.9 only 22.
    std::vector<float> values{0.99999994F, 22.9F / 23.9F, 0.0F};
    for (int n = 1; n < 22; ++n) {
        values.push_back(drawFor(n));
    }
    ScriptedRandom random(values);
    RecordingBoardView view;
    BoardModel model(view, random);
    model.Shuffle();
    EXPECT_EQ(model.CardPic(0), 23 % 12);
    EXPECT_EQ(model.CardPic(1), 22 % 12);
    EXPECT_EQ(model.CardPic(2), 0);
}

TEST(Deal, EveryPictureLiesOnExactlyTwoCardsOverManySeeds) {
    for (unsigned seed = 0; seed < 500; ++seed) {
        SeededRandom random(seed);
        RecordingBoardView view;
        BoardModel model(view, random);
        model.Shuffle();
        const auto counts = pictureCounts(model);
        EXPECT_TRUE(std::all_of(counts.begin(), counts.end(), [](int n) { return n == 2; }))
            << "seed " << seed;
        EXPECT_TRUE(std::all_of(view.shown.begin(), view.shown.end(),
                                [](int p) { return p == RecordingBoardView::kBack; }))
            << "seed " << seed;
    }
}

TEST(Deal, SameRandomValuesGiveTheSameDeal) {
    SeededRandom first(42);
    SeededRandom second(42);
    RecordingBoardView view;
    BoardModel a(view, first);
    BoardModel b(view, second);
    a.Shuffle();
    b.Shuffle();
    for (int c = 0; c < kCardCount; ++c) {
        EXPECT_EQ(a.CardPic(c), b.CardPic(c));
    }
}

TEST(Deal, LighterDrawOfTwentyThreePutsPictureElevenLater) {
    constexpr int kDeals = 20000;
    std::array<double, kPictureCount> slotSum{};
    SeededRandom random(7);
    RecordingBoardView view;
    BoardModel model(view, random);
    for (int deal = 0; deal < kDeals; ++deal) {
        model.Shuffle();
        for (int c = 0; c < kCardCount; ++c) {
            slotSum.at(static_cast<std::size_t>(model.CardPic(c))) += c;
        }
    }
    const double eleven = slotSum[11] / (2.0 * kDeals);
    for (int p = 0; p < 11; ++p) {
        EXPECT_GT(eleven, slotSum.at(p) / (2.0 * kDeals) + 0.15) << "picture " << p;
    }
}

TEST(Deal, RestartResetsCountersAndStatusAndShowsBacks) {
    DealtGame game;
    game.failAttempt();
    game.findPair(3);
    game.model.Shuffle();
    EXPECT_EQ(game.model.TryCount(), 1);
    EXPECT_EQ(game.model.PairCount(), 1);
    EXPECT_EQ(game.view.status, "");
    EXPECT_EQ(game.model.CardState(3), STATE_IN_PLAY);
    EXPECT_EQ(game.view.shown.at(15), RecordingBoardView::kBack);
    EXPECT_EQ(game.random.seeds, 1) << "a restart must not reseed";
}

// --- turning cards ---------------------------------------------------------

TEST(Play, FirstClickShowsTheFaceAndWaitsForTheSecond) {
    DealtGame game;
    game.click(5);
    EXPECT_EQ(game.view.shown.at(5), 5);
    EXPECT_EQ(game.model.Turned(), 1);
    EXPECT_EQ(game.model.FirstCard(), 5);
    EXPECT_EQ(game.model.LastCard(), 5);
    EXPECT_EQ(game.model.TryCount(), 1);
}

TEST(Play, FailedAttemptTurnsTheFirstBackAtOnceAndTheSecondOnTheTick) {
    DealtGame game;
    game.click(17);
    game.click(4);
    EXPECT_EQ(game.view.shown.at(17), RecordingBoardView::kBack);
    EXPECT_EQ(game.view.shown.at(4), 4);
    EXPECT_TRUE(game.view.timerOn);
    EXPECT_EQ(game.view.status, "1회");
    EXPECT_EQ(game.model.TryCount(), 2);
    EXPECT_EQ(game.model.Turned(), 0);

    game.model.tClose_Timer();
    EXPECT_FALSE(game.view.timerOn);
    EXPECT_EQ(game.view.shown.at(4), RecordingBoardView::kBack);
}

TEST(Play, StatusCountsFailedAttempts) {
    DealtGame game;
    for (int attempt = 1; attempt <= 3; ++attempt) {
        game.failAttempt();
        game.model.tClose_Timer();
        EXPECT_EQ(game.view.status, std::to_string(attempt) + "회");
    }
}

TEST(Play, SameCardTwiceIsAFailedAttempt) {
    DealtGame game;
    game.click(4);
    game.click(4);
    EXPECT_EQ(game.view.shown.at(4), RecordingBoardView::kBack);
    EXPECT_EQ(game.view.status, "1회");
    EXPECT_EQ(game.model.TryCount(), 2);
    EXPECT_EQ(game.model.Turned(), 0);
    EXPECT_EQ(game.model.CardState(4), STATE_IN_PLAY);
    EXPECT_EQ(game.view.beeps, 0);
}

TEST(Play, PairStaysOpenBeepsAndIsCounted) {
    DealtGame game;
    game.failAttempt();
    game.model.tClose_Timer();
    game.findPair(2);
    EXPECT_EQ(game.view.shown.at(2), 2);
    EXPECT_EQ(game.view.shown.at(14), 2);
    EXPECT_EQ(game.model.CardState(2), STATE_MATCHED);
    EXPECT_EQ(game.model.CardState(14), STATE_MATCHED);
    EXPECT_EQ(game.view.beeps, 1);
    EXPECT_FALSE(game.view.timerOn);
    EXPECT_EQ(game.view.status, "2번째에 1개 그림이 열렸습니다");
    EXPECT_EQ(game.model.PairCount(), 2);
    EXPECT_EQ(game.model.TryCount(), 3);
}

TEST(Play, ClickOnAMatchedCardOnlyMovesLastCard) {
    DealtGame game;
    game.findPair(0);
    game.click(6);
    game.click(12); // matched, while card 6 waits for its partner
    EXPECT_EQ(game.model.LastCard(), 12);
    EXPECT_EQ(game.model.Turned(), 1);
    EXPECT_EQ(game.model.FirstCard(), 6);
    EXPECT_EQ(game.model.TryCount(), 2);
    EXPECT_EQ(game.view.shown.at(12), 0);
    game.click(18);
    EXPECT_EQ(game.view.status, "2번째에 2개 그림이 열렸습니다");
}

TEST(Play, PerfectGameEndsWithTheBlinkAndTheCongratulation) {
    DealtGame game;
    for (int p = 0; p < 11; ++p) {
        game.findPair(p);
        EXPECT_TRUE(game.view.boardVisible);
    }
    game.findPair(11);
    EXPECT_EQ(game.view.status, "12번째에 12개 성공했네요");
    EXPECT_EQ(game.model.TryCount(), 13);
    EXPECT_EQ(game.model.PairCount(), 13);
    EXPECT_FALSE(game.view.boardVisible);
    EXPECT_TRUE(game.view.timerOn);

    game.model.tClose_Timer();
    EXPECT_TRUE(game.view.boardVisible);
    EXPECT_FALSE(game.view.timerOn);
    for (int c = 0; c < kCardCount; ++c) {
        EXPECT_EQ(game.view.shown.at(c), c % 12) << "card " << c;
    }
    EXPECT_EQ(game.view.beeps, 12);
}

TEST(Play, GameWithMissesCountsEveryAttempt) {
    DealtGame game;
    for (int p = 0; p < 12; ++p) {
        game.click(p);
        game.click(p); // the same card twice is a miss
        game.model.tClose_Timer();
        game.findPair(p);
    }
    EXPECT_EQ(game.view.status, "24번째에 12개 성공했네요");
}

TEST(Play, AllOpenShowsEveryFaceAndChangesNoState) {
    DealtGame game;
    game.findPair(1);
    game.click(7);
    game.model.AllOpen();
    for (int c = 0; c < kCardCount; ++c) {
        EXPECT_EQ(game.view.shown.at(c), c % 12);
    }
    EXPECT_EQ(game.model.Turned(), 1);
    EXPECT_EQ(game.model.FirstCard(), 7);
    EXPECT_EQ(game.model.TryCount(), 2);
    EXPECT_EQ(game.model.PairCount(), 2);
    EXPECT_EQ(game.model.CardState(5), STATE_IN_PLAY);
    // The game goes on: a miss still turns its cards back.
    game.click(8);
    EXPECT_EQ(game.view.shown.at(7), RecordingBoardView::kBack);
    game.model.tClose_Timer();
    EXPECT_EQ(game.view.shown.at(8), RecordingBoardView::kBack);
}

TEST(Play, CardIndexOutsideTheArraysIsASubscriptError) {
    DealtGame game;
    try {
        game.click(25);
        FAIL() << "no error";
    } catch (const GameError& error) {
        EXPECT_EQ(error.kind(), GameErrorKind::SubscriptOutOfRange);
    }
    EXPECT_THROW(game.click(-1), GameError);
}

TEST(Play, AttemptCounterOverflowsInsteadOfWrapping) {
    DealtGame game;
    while (game.model.TryCount() < 32767) {
        game.failAttempt();
    }
    game.click(0);
    try {
        game.click(1);
        FAIL() << "no overflow";
    } catch (const GameError& error) {
        EXPECT_EQ(error.kind(), GameErrorKind::Overflow);
    }
    // The error abandons the click before the attempt is closed.
    EXPECT_EQ(game.view.status, "32767회");
    EXPECT_EQ(game.model.TryCount(), 32767);
    EXPECT_EQ(game.model.Turned(), 1);
}

// --- what a player does quickly, or at awkward moments -------------------

TEST(QuickPlayer, ClickBeforeTheTickTurnsBackTheMissedCardNotTheNewOne) {
    DealtGame game;
    game.click(0);
    game.click(1); // miss: card 1 waits for the tick
    game.click(2); // before the tick
    EXPECT_EQ(game.view.shown.at(1), RecordingBoardView::kBack);
    EXPECT_EQ(game.view.shown.at(2), 2);
    EXPECT_FALSE(game.view.timerOn);
    game.click(14);
    EXPECT_EQ(game.view.status, "2번째에 1개 그림이 열렸습니다");
}

TEST(QuickPlayer, ClickOnAMatchedCardBeforeTheTickLeavesItFaceUp) {
    DealtGame game;
    game.findPair(3);
    game.failAttempt();
    game.click(15); // matched
    EXPECT_EQ(game.view.shown.at(15), 3);
    EXPECT_EQ(game.view.shown.at(1), RecordingBoardView::kBack);
    game.model.tClose_Timer(); // a stray late tick only stops the timer
    EXPECT_FALSE(game.view.timerOn);
}

TEST(Restart, DuringTheEndOfGameBlinkShowsTheBoard) {
    DealtGame game;
    for (int p = 0; p < 12; ++p) {
        game.findPair(p);
    }
    ASSERT_FALSE(game.view.boardVisible);
    game.model.Shuffle();
    EXPECT_TRUE(game.view.boardVisible);
}

TEST(Restart, WithOneCardUpStartsWithNoCardUp) {
    DealtGame game;
    BoardModel& model = game.model;
    RecordingBoardView& view = game.view;
    model.pCard_Click(4);
    model.Shuffle();
    EXPECT_EQ(model.Turned(), 0);
    model.pCard_Click(9);
    EXPECT_EQ(view.status, "");
    EXPECT_EQ(model.TryCount(), 1);
    EXPECT_EQ(model.Turned(), 1);
    EXPECT_EQ(model.CardState(4), STATE_IN_PLAY);
}

TEST(Restart, PendingEndOfGameTickAfterARestartTurnsBackLastCard) {
    DealtGame game;
    BoardModel& model = game.model;
    RecordingBoardView& view = game.view;
    for (int p = 0; p < 12; ++p) {
        model.pCard_Click(static_cast<Int16>(p));
        model.pCard_Click(static_cast<Int16>(p + 12));
    }
    model.Shuffle();
    model.tClose_Timer();
    EXPECT_TRUE(view.boardVisible);
    EXPECT_EQ(view.shown.at(23), RecordingBoardView::kBack);
    EXPECT_FALSE(view.timerOn);
}

} // namespace
} // namespace duomira::test
