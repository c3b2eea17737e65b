// libFuzzer target for the password box's number reader. Besides running it
// under the sanitizers, it checks every reading against glibc's strtod (in the
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

// strtod's reading of the characters a decimal number may hold, blanks left
// out and D read as E; "0x", "inf", "nan" never reach it, their letters end it.
double strtodReading(std::string_view text) {
    std::string decimal;
    for (char c : text) {
        if (c == 'd' || c == 'D')
            c = 'e';
        if (c == '\0' || std::strchr(" \t\n0123456789+-.eE", c) == nullptr)
            break;
        if (c != ' ' && c != '\t' && c != '\n')
            decimal += c;
    }
    return std::strtod(decimal.c_str(), nullptr);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double reading = duomira::readNumber(text);
    const bool access = duomira::isAccessNumber(text);
    const std::size_t first = text.find_first_not_of(" \t\n");
    if (first != std::string_view::npos && text[first] == '&') {
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
        check(std::bit_cast<std::uint64_t>(reading) == std::bit_cast<std::uint64_t>(expected),
              "reading equals strtod's");
    check(access == (std::fabs(expected) <= FLT_MAX && static_cast<float>(expected) == -5.82F),
          "access exactly when the reading rounds to -5.82");
    return 0;
}
