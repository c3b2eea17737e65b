#include "CardArray.h"
#include "Int16.h"

#include <gtest/gtest.h>

namespace duomira {
namespace {

GameErrorKind errorOf(void (*action)()) {
    try {
        action();
    } catch (const GameError& error) {
        return error.kind();
    }
    ADD_FAILURE() << "no error raised";
    return GameErrorKind::Overflow;
}

TEST(CheckedInt16, StaysExactUpToTheLimits) {
    EXPECT_EQ(increment16(32766), 32767);
    EXPECT_EQ(add16(-32767, -1), -32768);
    EXPECT_EQ(mul16(7, 1188), 8316);
    EXPECT_EQ(mul16(-128, 256), -32768);
}

TEST(CheckedInt16, LeavingTheRangeIsAnOverflowNotAWrap) {
    EXPECT_EQ(errorOf([] { increment16(32767); }), GameErrorKind::Overflow);
    EXPECT_EQ(errorOf([] { add16(-32768, -1); }), GameErrorKind::Overflow);
    EXPECT_EQ(errorOf([] { mul16(200, 200); }), GameErrorKind::Overflow);
    EXPECT_EQ(errorOf([] { toInt16(40000); }), GameErrorKind::Overflow);
}

TEST(CardArray, HasTwentyFiveSlotsAndRejectsAnyOther) {
    CardArray cards;
    cards[0] = 3;
    cards[24] = 9;
    EXPECT_EQ(cards[0], 3);
    EXPECT_EQ(cards[24], 9);
    EXPECT_EQ(errorOf([] {
                  CardArray a;
                  a[25] = 1;
              }),
              GameErrorKind::SubscriptOutOfRange);
    EXPECT_EQ(errorOf([] {
                  const CardArray a;
                  (void)a[-1];
              }),
              GameErrorKind::SubscriptOutOfRange);
}

} // namespace
} // namespace duomira
