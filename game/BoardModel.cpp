#include "BoardModel.h"

#include <cmath>
#include <string>

namespace duomira {

namespace {
// 23.9 rather than 24: every number 0..23 can come up, 23 a little less often.
constexpr double kDrawFactor = 23.9;

std::string decimal(Int16 value) {
    return std::to_string(value);
}
} // namespace

BoardModel::BoardModel(BoardView& view, RandomSource& random) : view_(view), random_(random) {}

void BoardModel::StartFirstGame() {
    random_.seedFromClock();
    // The deal also clears Turned and empties the status text.
    Shuffle();
}

void BoardModel::Shuffle() {
    drawDistinctNumbers();
    for (int Pos = 0; Pos < kCardCount; ++Pos) {
        // k and k + 12 become the same picture: that makes the pairs.
        CardPic_[Pos] = static_cast<Int16>(CardPic_[Pos] % kPictureCount);
        view_.ShowBack(static_cast<Int16>(Pos));
    }
    TryCount_ = 1;
    PairCount_ = 1;
    // A new game starts with no card up and the board on screen, even when
    // the player restarts with one card open or during the end-of-game blink.
    Turned_ = 0;
    view_.SetBoardVisible(true);
    view_.SetStatus("");
}

Int16 BoardModel::drawNumber() {
    return static_cast<Int16>(std::floor(static_cast<double>(random_.next()) * kDrawFactor));
}

void BoardModel::drawDistinctNumbers() {
    CardPic_[0] = drawNumber();
    CardState_[0] = STATE_IN_PLAY;
    for (int Pos = 1; Pos < kCardCount; ++Pos) {
        bool taken = true;
        Int16 r = 0;
        while (taken) {
            r = drawNumber();
            taken = false;
            for (int earlier = 0; earlier < Pos && !taken; ++earlier) {
                taken = CardPic_[earlier] == r;
            }
        }
        CardPic_[Pos] = r;
        CardState_[Pos] = STATE_IN_PLAY;
    }
}

void BoardModel::pCard_Click(Int16 Index) {
    // A quick click must not wait for the pending tick: do its work first, so
    // the tick turns back the card it was meant for and not this one.
    if (closeTickPending_) {
        tClose_Timer();
    }
    showFace(Index);
    LastCard_ = Index;
    if (CardState_[Index] != STATE_IN_PLAY) {
        return;
    }
    if (Turned_ == 0) {
        FirstCard_ = Index;
    } else {
        if (CardPic_[FirstCard_] != CardPic_[Index] || FirstCard_ == Index) {
            view_.ShowBack(FirstCard_);
            setCloseTimer(true);
            view_.SetStatus(decimal(TryCount_) + "회");
        } else {
            PairOpen(Index);
        }
        TryCount_ = increment16(TryCount_);
    }
    Turned_ = static_cast<Int16>((Turned_ + 1) % 2);
}

void BoardModel::PairOpen(Int16 Index) {
    view_.Beep();
    CardState_[Index] = STATE_MATCHED;
    CardState_[FirstCard_] = STATE_MATCHED;
    std::string message = "개 그림이 열렸습니다";
    if (PairCount_ == kPictureCount) {
        view_.SetBoardVisible(false);
        setCloseTimer(true);
        message = "개 성공했네요";
    }
    view_.SetStatus(decimal(TryCount_) + "번째에 " + decimal(PairCount_) + message);
    PairCount_ = increment16(PairCount_);
}

void BoardModel::tClose_Timer() {
    setCloseTimer(false);
    if (PairCount_ >= kPictureCount) {
        view_.SetBoardVisible(true);
    } else {
        view_.ShowBack(LastCard_);
    }
}

void BoardModel::AllOpen() {
    for (int Pos = 0; Pos < kCardCount; ++Pos) {
        showFace(static_cast<Int16>(Pos));
    }
}

void BoardModel::showFace(Int16 card) {
    view_.ShowFace(card, CardPic_[card]);
}

void BoardModel::setCloseTimer(bool on) {
    closeTickPending_ = on;
    view_.SetCloseTimer(on);
}

} // namespace duomira
