#include "BoardAccess.h"
#include "GameError.h"

#include <gtest/gtest.h>

namespace duomira::form1 {
namespace {

TEST(BoardAccess, ACardSaysWhereItIsAndWhatItShows) {
    EXPECT_EQ(cardDescription(2, -1, false), "1행 3열, 뒷면");
    EXPECT_EQ(cardDescription(8, 0, false), "2행 1열, 사과");
    EXPECT_EQ(cardDescription(23, 11, true), "3행 8열, 양, 짝 맞춤");
    EXPECT_THROW(cardDescription(24, -1, false), GameError);
    EXPECT_THROW(cardDescription(0, 12, false), GameError);
}

} // namespace
} // namespace duomira::form1
