#pragma once

#include "BoardView.h"
#include "CardArray.h"
#include "Int16.h"
#include "RandomSource.h"

namespace duomira {

inline constexpr Int16 STATE_IN_PLAY = 7;
inline constexpr Int16 STATE_MATCHED = 6;

inline constexpr int kCardCount = 24;
inline constexpr int kPictureCount = 12;
inline constexpr int kColumns = 8;
inline constexpr int kRows = 3;

// The whole game: deal, turning cards, pairs, counters and the status text.
// It sees neither the toolkit nor the clock; both come in as interfaces.
class BoardModel {
public:
    BoardModel(BoardView& view, RandomSource& random);

    void StartFirstGame();
    void Shuffle();
    void pCard_Click(Int16 Index);
    void tClose_Timer();
    void AllOpen();

    Int16 Turned() const { return Turned_; }
    Int16 CardPic(int card) const { return CardPic_[card]; }
    Int16 CardState(int card) const { return CardState_[card]; }
    Int16 FirstCard() const { return FirstCard_; }
    Int16 LastCard() const { return LastCard_; }
    Int16 TryCount() const { return TryCount_; }
    Int16 PairCount() const { return PairCount_; }
    bool closeTickPending() const { return closeTickPending_; }

private:
    void PairOpen(Int16 Index);
    void drawDistinctNumbers();
    Int16 drawNumber();
    void showFace(Int16 card);
    void setCloseTimer(bool on);

    BoardView& view_;
    RandomSource& random_;

    Int16 Turned_ = 0;
    CardArray CardPic_;
    CardArray CardState_;
    Int16 FirstCard_ = 0;
    Int16 LastCard_ = 0;
    Int16 TryCount_ = 0;
    Int16 PairCount_ = 0;
    // Only the game starts and stops the close timer, so it knows whether a
    // tick is still to come.
    bool closeTickPending_ = false;
};

} // namespace duomira
