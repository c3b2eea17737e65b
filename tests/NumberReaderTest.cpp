#include "NumberReader.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

namespace duomira {
namespace {

struct Reading {
    std::string text;
    double value;
};

void expectReadings(const std::vector<Reading>& readings) {
    for (const auto& [text, value] : readings) {
        SCOPED_TRACE("text: \"" + text + "\"");
        EXPECT_EQ(readNumber(text), value);
    }
}

void expectAccess(const std::vector<std::string>& texts, bool access) {
    for (const auto& text : texts) {
        SCOPED_TRACE("text: \"" + text + "\"");
        EXPECT_EQ(isAccessNumber(text), access);
    }
}

const std::string manyZeros(1000, '0');
constexpr double inf = std::numeric_limits<double>::infinity();

TEST(AccessNumber, TypedInAnyAcceptedWay) {
    expectAccess({"-5.82", "-5.820000", "-5.82" + manyZeros, "-0005.82"}, true);
    expectAccess({" -5.82", "- 5 . 8 2", "\t-5.\n82 ", "-5.82 E 0"}, true);
    expectAccess({"-5.82abc", "-5.82XYZ", "-5.82h", "-5.82O", "-5.82,1", "-5.82-", "-5.82\r"},
                 true);
    expectAccess({"-582E-2", "-582e-2", "-0.582D1", "-58.2d-1", "-5820000D-6", "-.582e+1"}, true);
    expectAccess({"-0." + manyZeros + "582e1001", "-582" + manyZeros + "e-1002"}, true);
}

TEST(AccessNumber, LoneExponentLetterAddsNothing) {
    expectAccess({"-5.82E", "-5.82e", "-5.82D", "-5.82d+", "-5.82E-", "-5.82ex", "-5.82D-x"}, true);
}

// -5.82f is -5.820000171661376953125; its neighbours lie 2^-21 away on each
// side and its last mantissa bit is odd, so the midpoints round away from it.
TEST(AccessNumber, EveryTextRoundingToTheSameFloat) {
    expectAccess({"-5.82000017", "-5.8200004", "-5.819999934", "-5.8200004100799"}, true);
    expectAccess({"-5.8200005", "-5.8199999", "-5.8200004100799560546875"}, false);
}

// The reading goes through double first: a text a hair nearer -5.82f than
// a midpoint still lands on the midpoint as a double and then rounds away;
// one more than half a double's step nearer stays on the right side.
TEST(AccessNumber, RoundsThroughDoublePrecision) {
    expectAccess({"-5.81999993324279785157", "-5.819999933242798", "-5.82000041007995605",
                  "-5.8200004100799560546"},
                 false);
    expectAccess({"-5.819999933242799", "-5.820000410079955"}, true);
}

TEST(AccessNumber, WrongNumbers) {
    expectAccess({"", "abc", "0", "5.82", "+5.82", "-5", "-5.8", "-5.821", "-5.82E1", "-5.82d-1"},
                 false);
    expectAccess({"-5,82", "--5.82", "+-5.82", "-+5.82", "- -5.82", "\r-5.82", "x-5.82"}, false);
    expectAccess({"&H-5.82", "-&H5", "&O-5.82"}, false);
}

TEST(AccessNumber, HugeAndTinyNumbersNeverMatch) {
    expectAccess({"-1e39", "-3.4028236e38", "-1e308", "-1e400", "-1D99999999999999999999"}, false);
    expectAccess({"-1" + manyZeros, "&H" + std::string(300, 'F'), "-1e-400", "-1e-50"}, false);
}

TEST(NumberReader, PlainDecimals) {
    expectReadings({{"42", 42},
                    {"+7", 7},
                    {"-3", -3},
                    {"0.25", 0.25},
                    {".5", 0.5},
                    {"5.", 5},
                    {"-.5", -0.5},
                    {"+.125", 0.125},
                    {"007", 7}});
}

TEST(NumberReader, ExponentsInBothLettersAndCases) {
    expectReadings({{"2E3", 2000},
                    {"2e3", 2000},
                    {"2D3", 2000},
                    {"2d3", 2000},
                    {"2d-3", 0.002},
                    {"2E+3", 2000},
                    {".5e1", 5},
                    {"5.E-1", 0.5}});
}

TEST(NumberReader, LoneExponentLetterReadsAsTheNumberBeforeIt) {
    expectReadings({{"1.5E", 1.5},
                    {"1.5e+", 1.5},
                    {"1.5D-", 1.5},
                    {"1.5Ex2", 1.5},
                    {"3e+-5", 3},
                    {"3e--5", 3}});
}

TEST(NumberReader, StopsAtTheFirstCharacterThatCannotContinue) {
    expectReadings({{"1.2.3", 1.2},
                    {"1e2e3", 100},
                    {"12-3", 12},
                    {"1,5", 1},
                    {"1+2", 1},
                    {"8h", 8},
                    {"1&H1", 1},
                    {"9\r9", 9},
                    {"4\xc2\xa0"
                     "4",
                     4}});
}

TEST(NumberReader, BlanksTabsAndLineFeedsCountForNothing) {
    expectReadings({{"1 2 3", 123},
                    {" \t\n", 0},
                    {"- 4", -4},
                    {"1 . 5 e 2", 150},
                    {"1\t2\n3", 123},
                    {"& H 1 0", 16}});
}

TEST(NumberReader, TextsWithoutANumberReadAsZero) {
    expectReadings({{"", 0},
                    {"abc", 0},
                    {".", 0},
                    {"-", 0},
                    {"+", 0},
                    {"E5", 0},
                    {".E5", 0},
                    {"-.e1", 0},
                    {"&", 0},
                    {"&X1", 0},
                    {"-&H1", 0},
                    {"inf", 0},
                    {"nan", 0},
                    {"0x10", 0},
                    {"\xef\xbc\x95", 0}});
}

TEST(NumberReader, HexadecimalAndOctalIntegersAtTheStart) {
    expectReadings({{"&H1F", 31},
                    {"&hff", 255},
                    {"&HfFfF", 65535},
                    {"&O17", 15},
                    {"&o777", 511},
                    {"&O8", 0},
                    {"&O78", 7},
                    {"&H", 0},
                    {"&Hg", 0},
                    {"&H1.5", 1},
                    {"&H1E2", 482},
                    {"&HFFFFFFFFFFFFF", 4503599627370495}});
}

TEST(NumberReader, NumbersBeyondTheRangeOfADouble) {
    expectReadings({{"1e400", inf},
                    {"-1e400", -inf},
                    {"1D99999999999999999999999", inf},
                    {"1" + manyZeros, inf},
                    {"&H" + std::string(300, 'f'), inf},
                    {"0e99999999999999999999", 0},
                    {"1e-400", 0},
                    {"0." + manyZeros + "1e-9", 0}});
    EXPECT_TRUE(std::signbit(readNumber("-1e-400")));
    EXPECT_TRUE(std::signbit(readNumber("-0")));
}

TEST(NumberReader, LongDigitStringsRoundCorrectly) {
    expectReadings({{"0." + manyZeros + "1e1000", 0.1},
                    {"1" + manyZeros + "e-1000", 1},
                    {"0.1000000000000000055511151231257827", 0.1},
                    {"9007199254740993", 9007199254740992.0}});
}

#ifdef DUOMIRA_TEST_LOCALE_DIR
// The decimal point stays a period when the C library's own would be a comma.
// The build writes a German locale next to the test for this (LOCPATH).
TEST(NumberReader, IgnoresTheLocaleDecimalSeparator) {
    ::setenv("LOCPATH", DUOMIRA_TEST_LOCALE_DIR, 1);
    ASSERT_NE(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"), nullptr);
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(readNumber("1.5"), 1.5);
    EXPECT_EQ(readNumber("1,5"), 1);
    EXPECT_TRUE(isAccessNumber("-5.82"));
    EXPECT_FALSE(isAccessNumber("-5,82"));
    std::setlocale(LC_NUMERIC, "C");
}
#endif

} // namespace
} // namespace duomira
