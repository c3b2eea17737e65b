#include "NumberReader.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <limits>
#include <optional>
#include <string>

namespace duomira {
namespace {

// Never shown, never saved: only compared with what the player types.
constexpr float kAccessNumber = -5.82f;

bool isIgnored(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// The <cctype> functions follow the locale; the reading must not.
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
char toUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string withoutBlanks(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(kept),
                 [](char c) { return !isIgnored(c); });
    return kept;
}

// Walks the text from the front; every take consumes only what it matched.
class Scanner {
public:
    explicit Scanner(std::string_view text) : rest_(text) {}

    bool take(char wanted) {
        if (rest_.empty() || toUpper(rest_.front()) != wanted)
            return false;
        rest_.remove_prefix(1);
        return true;
    }

    std::optional<char> takeOneOf(std::string_view wanted) {
        if (rest_.empty() || wanted.find(toUpper(rest_.front())) == std::string_view::npos)
            return std::nullopt;
        char taken = toUpper(rest_.front());
        rest_.remove_prefix(1);
        return taken;
    }

    std::string_view takeDigits() {
        auto count = std::find_if_not(rest_.begin(), rest_.end(), isDigit) - rest_.begin();
        std::string_view digits = rest_.substr(0, static_cast<std::size_t>(count));
        rest_.remove_prefix(digits.size());
        return digits;
    }

    std::string_view rest() const { return rest_; }

private:
    std::string_view rest_;
};

int digitValue(char c) {
    if (isDigit(c))
        return c - '0';
    char upper = toUpper(c);
    return upper >= 'A' && upper <= 'F' ? upper - 'A' + 10 : -1;
}

// "&H1F", "&O17": whole numbers only. Past 2^53 they lose their last digits,
// which no caller can notice: they are never fractional.
double readRadixInteger(std::string_view digits, int radix) {
    double value = 0;
    for (char c : digits) {
        int digit = digitValue(c);
        if (digit < 0 || digit >= radix)
            break;
        value = value * radix + digit;
    }
    return value;
}

struct DecimalParts {
    bool negative = false;
    std::string_view whole;
    std::string_view fraction;
    bool exponentNegative = false;
    std::string_view exponent;
};

std::optional<DecimalParts> scanDecimal(std::string_view text) {
    Scanner scanner(text);
    DecimalParts parts;
    if (auto sign = scanner.takeOneOf("+-"))
        parts.negative = *sign == '-';
    parts.whole = scanner.takeDigits();
    if (scanner.take('.'))
        parts.fraction = scanner.takeDigits();
    if (parts.whole.empty() && parts.fraction.empty())
        return std::nullopt;
    if (scanner.takeOneOf("ED")) {
        if (auto sign = scanner.takeOneOf("+-"))
            parts.exponentNegative = *sign == '-';
        parts.exponent = scanner.takeDigits();
    }
    return parts;
}

// Reads an exponent of any length; beyond a trillion its size no longer
// changes whether the number is huge or tiny.
long long saturatedExponent(const DecimalParts& parts) {
    constexpr long long cap = 1'000'000'000'000;
    long long value = 0;
    for (char c : parts.exponent)
        if (value < cap)
            value = value * 10 + (c - '0');
    return parts.exponentNegative ? -value : value;
}

// For a number outside the range of a double: whether it is too large rather
// than too small, from where its first significant digit stands.
bool isTooLarge(const DecimalParts& parts) {
    long long position = 0;
    if (auto first = parts.whole.find_first_not_of('0'); first != std::string_view::npos) {
        position = static_cast<long long>(parts.whole.size() - first);
    } else if (auto firstInFraction = parts.fraction.find_first_not_of('0');
               firstInFraction != std::string_view::npos) {
        position = -static_cast<long long>(firstInFraction);
    } else {
        return false;
    }
    return position + saturatedExponent(parts) > 0;
}

double outOfRange(const DecimalParts& parts) {
    double magnitude = isTooLarge(parts) ? std::numeric_limits<double>::infinity() : 0.0;
    return parts.negative ? -magnitude : magnitude;
}

#if __cpp_lib_to_chars >= 201611L
double parseNormalised(const std::string& normalised, const DecimalParts& parts) {
    double value = 0;
    auto result = std::from_chars(normalised.data(), normalised.data() + normalised.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return outOfRange(parts);
    return value;
}
#else
// The browser's older C++ library reads no floating-point numbers with
// from_chars; its C library's strtod is just as exact, and knows no locale
// but the "C" one there.
double parseNormalised(const std::string& normalised, const DecimalParts& parts) {
    errno = 0;
    const double value = std::strtod(normalised.c_str(), nullptr);
    return errno == ERANGE ? outOfRange(parts) : value;
}
#endif

// std::from_chars is locale-independent and correctly rounded; it only needs
// the parts written out in the one form it accepts.
double toDouble(const DecimalParts& parts) {
    std::string normalised;
    normalised.reserve(parts.whole.size() + parts.fraction.size() + parts.exponent.size() + 5);
    if (parts.negative)
        normalised += '-';
    normalised += parts.whole.empty() ? std::string_view("0") : parts.whole;
    if (!parts.fraction.empty()) {
        normalised += '.';
        normalised += parts.fraction;
    }
    if (!parts.exponent.empty()) {
        normalised += parts.exponentNegative ? "e-" : "e";
        normalised += parts.exponent;
    }
    return parseNormalised(normalised, parts);
}

} // namespace

double readNumber(std::string_view text) {
    std::string kept = withoutBlanks(text);
    Scanner scanner(kept);
    if (scanner.take('&')) {
        if (scanner.take('H'))
            return readRadixInteger(scanner.rest(), 16);
        if (scanner.take('O'))
            return readRadixInteger(scanner.rest(), 8);
        return 0;
    }
    auto parts = scanDecimal(kept);
    return parts ? toDouble(*parts) : 0;
}

bool isAccessNumber(std::string_view text) {
    double reading = readNumber(text);
    // Converting a double beyond the float range to float is undefined, and
    // such a number is never the access number anyway.
    if (!(std::fabs(reading) <= std::numeric_limits<float>::max()))
        return false;
    return static_cast<float>(reading) == kAccessNumber;
}

} // namespace duomira
