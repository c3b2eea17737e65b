// libFuzzer target for the password box's number reader. Besides running it
// under the sanitizers, it checks the reading against glibc's strtod (in the
// "C" locale, which a fuzzer process keeps) on the part of the text strtod
// understands the same way, and checks the rules that hold for any text.
#include "NumberReader.h"

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
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

std::string withoutBlanks(std::string_view text) {
    std::string kept;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            kept += c;
    return kept;
}

// Puts a blank, a tab or a line feed after every character, chosen by the text.
std::string spreadOut(std::string_view text) {
    static constexpr char blanks[] = {' ', '\t', '\n'};
    std::string spread;
    for (char c : text) {
        spread += c;
        spread += blanks[static_cast<unsigned char>(c) % 3];
    }
    return spread;
}

// The reading strtod would give: only characters of a decimal number, with D
// as E. A text strtod reads differently ("0x", "inf", "nan", leading '&')
// never reaches it, because those letters are not passed on.
double strtodReading(const std::string& kept) {
    std::string decimal;
    for (char c : kept) {
        if (c == 'd' || c == 'D')
            c = 'e';
        if (std::strchr("0123456789+-.eE", c) == nullptr || c == '\0')
            break;
        decimal += c;
    }
    return std::strtod(decimal.c_str(), nullptr);
}

void checkAgainstStrtod(const std::string& kept, double reading) {
    if (!kept.empty() && kept.front() == '&')
        return;
    double expected = strtodReading(kept);
    if (std::fabs(expected) < DBL_MIN) {
        // strtod keeps subnormals; the reader may flush what its library
        // calls out of range to a zero of the right sign.
        check(std::fabs(reading) < DBL_MIN && std::signbit(reading) == std::signbit(expected),
              "tiny numbers stay tiny");
        return;
    }
    check(sameBits(reading, expected), "reading equals strtod's");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    double reading = duomira::readNumber(text);
    bool access = duomira::isAccessNumber(text);

    check(!std::isnan(reading), "never NaN");
    std::string kept = withoutBlanks(text);
    check(sameBits(reading, duomira::readNumber(kept)), "blanks change nothing (removed)");
    check(sameBits(reading, duomira::readNumber(spreadOut(text))), "blanks change nothing (added)");
    check(sameBits(reading, duomira::readNumber(std::string(text) + ",9")),
          "a comma ends the reading");
    check(access == duomira::isAccessNumber(spreadOut(text)), "blanks change no verdict");

    if (kept.size() >= 2 && kept[0] == '&' && std::strchr("HhOo", kept[1]) != nullptr)
        check(reading >= 0 && reading == std::floor(reading), "&H and &O give whole numbers");
    if (access) {
        check(reading > -5.8200006 && reading < -5.8199997, "access readings lie near -5.82");
        check(kept.front() != '&', "no radix integer is the access number");
    }
    checkAgainstStrtod(kept, reading);
    return 0;
}
