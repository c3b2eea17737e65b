#include "NumberReader.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace duomira {
namespace {

const std::string kZeros(1000, '0');
constexpr double kInf = std::numeric_limits<double>::infinity();

// Under a German locale where the build compiles one: its decimal separator
// is a comma, and the reader's must stay the period.
TEST(NumberReader, ReadsTheLongestNumberAtTheStart) {
#ifdef DUOMIRA_TEST_LOCALE_DIR
    ::setenv("LOCPATH", DUOMIRA_TEST_LOCALE_DIR, 1);
    ASSERT_STREQ(std::setlocale(LC_NUMERIC, "de_DE.UTF-8") ? std::localeconv()->decimal_point : "",
                 ",");
#endif
    // clang-format off
    const std::vector<std::pair<std::string, double>> readings{
        {"42", 42}, {"+7", 7}, {"-.5", -0.5}, {"5.", 5}, {"007", 7},            // signs, periods
        {"2E3", 2000}, {"2e3", 2000}, {"2D3", 2000}, {"2d-3", 0.002},          // exponents
        {"1.5E", 1.5}, {"1.5d-", 1.5}, {"3e+-5", 3},                           // lone letters
        {"1.2.3", 1.2}, {"1e2e3", 100}, {"12-3", 12}, {"1,5", 1}, {"8h", 8},   // the end
        {"9\r9", 9}, {"1 2\t3\n4", 1234}, {"- 4", -4}, {"1 . 5 e 2", 150},     // blanks
        {"", 0}, {"abc", 0}, {".", 0}, {"-", 0}, {"E5", 0}, {"inf", 0}, {"0x10", 0},
        {"&H1F", 31}, {"&hff", 255}, {"&o777", 511}, {"&O78", 7}, {"&H1.5", 1}, {"& H 1 0", 16},
        {"&H1E2", 482}, {"&X1", 0}, {"-&H1", 0},
        {"1e400", kInf}, {"-1e400", -kInf}, {"1" + kZeros, kInf}, {"1e-400", 0},
        {"0." + kZeros + "1e1000", 0.1}, {"9007199254740993", 9007199254740992.0}};
    // clang-format on
    for (const auto& [text, value] : readings)
        EXPECT_EQ(readNumber(text), value) << "text \"" << text << "\"";
    EXPECT_TRUE(isAccessNumber("-5.82"));
    std::setlocale(LC_NUMERIC, "C");
}

// -5.82f is -5.820000171661376953125 with neighbours 2^-21 away; the texts go
// through double precision first and are then rounded to single.
TEST(NumberReader, AccessNumberIsEveryTextThatRoundsToMinus582) {
    // clang-format off
    const std::vector<std::string> access{
        "-5.82", "-5.82" + kZeros, " - 5 . 8 2", "\t-5.\n82 ", "-5.82abc", "-5.82E", "-5.82d+",
        "-5.82h", "-5.82,1", "-582E-2", "-0.582D1", "-58.2d-1", "-.582e+1", "-5.82000017",
        "-5.819999934", "-5.819999933242799", "-5.820000410079955"};
    const std::vector<std::string> wrong{
        "", "0", "5.82", "-5,82", "--5.82", "-5.8", "-5.821", "-5.82E1", "&H-5.82", "-5.8200005",
        "-5.8199999", "-5.819999933242798", "-5.8200004100799560546", "-1e39", "-1e400",
        "-1D99999999999999999999", "-1e-400"};
    // clang-format on
    for (const auto& [texts, reveals] : {std::pair{access, true}, {wrong, false}})
        for (const auto& text : texts)
            EXPECT_EQ(isAccessNumber(text), reveals) << "text \"" << text << "\"";
}

} // namespace
} // namespace duomira
