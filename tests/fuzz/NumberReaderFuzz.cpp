// libFuzzer target for the password box's number reader. Besides running it
// under the sanitizers, it checks the reading against glibc's strtod (in the
// "C" locale, which a fuzzer process keeps) and judges the access verdict both
// ways: every text whose reading rounds to -5.82 in single precision reveals,
// no other does.
#include "NumberReader.h"

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

void check(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

// Bit for bit, so that -0 and +0 count as different readings.
bool sameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// The reading strtod gives the characters a decimal number may hold, with D
// as E; "0x", "inf", "nan" never reach it, as their letters stop the copy.
double strtodReading(std::string_view text) {
    std::string decimal;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n')
            continue;
        if (c == 'd' || c == 'D')
            c = 'e';
        if (c == '\0' || std::strchr("0123456789+-.eE", c) == nullptr)
            break;
        decimal += c;
    }
    return std::strtod(decimal.c_str(), nullptr);
}

bool roundsToTheAccessNumber(double reading) {
    return std::fabs(reading) <= FLT_MAX && static_cast<float>(reading) == -5.82F;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double reading = duomira::readNumber(text);
    const bool access = duomira::isAccessNumber(text);
    const std::size_t first = text.find_first_not_of(" \t\n");
    const bool radix = first != std::string_view::npos && text[first] == '&';

    check(!std::isnan(reading), "never NaN");
    check(sameBits(reading, duomira::readNumber(std::string(text) + ",9")),
          "a comma ends the reading");
    if (radix) {
        check(reading >= 0 && reading == std::floor(reading), "&H and &O give whole numbers");
        check(!access, "no radix integer is the access number");
        return 0;
    }
    const double expected = strtodReading(text);
    // strtod keeps subnormals; the reader may flush them to a zero of their sign.
    if (std::fabs(expected) < DBL_MIN)
        check(std::fabs(reading) < DBL_MIN && std::signbit(reading) == std::signbit(expected),
              "tiny numbers stay tiny");
    else
        check(sameBits(reading, expected), "reading equals strtod's");
    check(access == roundsToTheAccessNumber(expected), "access exactly when it rounds to -5.82");
    return 0;
}
