#include "study/check/hand_number.h"

#include <algorithm>

#include "core/floating_charconv.h"
#include "text/character_classes.h"

namespace trelvani {
namespace {

constexpr std::int64_t kExponentBound = 1'000'000'000;

void DropLeadingZeros(std::string& digits) {
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
}

// Compares the magnitudes of two numbers whose digits have no leading zeros.
int CompareMagnitudes(const HandNumber& a, const HandNumber& b) {
    if (a.digits.empty() || b.digits.empty()) return !a.digits.empty() - !b.digits.empty();
    const std::int64_t orderA = static_cast<std::int64_t>(a.digits.size()) + a.exponent;
    const std::int64_t orderB = static_cast<std::int64_t>(b.digits.size()) + b.exponent;
    if (orderA != orderB) return orderA < orderB ? -1 : 1;
    const std::size_t length = std::max(a.digits.size(), b.digits.size());
    for (std::size_t i = 0; i < length; ++i) {
        const char digitA = i < a.digits.size() ? a.digits[i] : '0';
        const char digitB = i < b.digits.size() ? b.digits[i] : '0';
        if (digitA != digitB) return digitA < digitB ? -1 : 1;
    }
    return 0;
}

int Compare(const HandNumber& a, const HandNumber& b) {
    const bool negativeA = a.negative && !a.digits.empty();
    const bool negativeB = b.negative && !b.digits.empty();
    if (negativeA != negativeB) return negativeA ? -1 : 1;
    const int magnitude = CompareMagnitudes(a, b);
    return negativeA ? -magnitude : magnitude;
}

// |number| × 10 + 5 or |number| × 10 − 5, one place further right; the
// latter is negative for zero.
HandNumber TenTimesPlusFive(const HandNumber& number, bool plus) {
    HandNumber result{number.negative, number.digits, number.exponent - 1};
    if (plus || !result.digits.empty()) {
        if (!plus) {
            // Subtract one from the digits, then append the 5.
            std::size_t i = result.digits.size();
            while (result.digits[--i] == '0') result.digits[i] = '9';
            --result.digits[i];
            DropLeadingZeros(result.digits);
        }
        result.digits += '5';
    } else {
        result.negative = !number.negative;
        result.digits.assign(1, '5');
    }
    return result;
}

}  // namespace

HandReading ReadHandNumber(std::string_view text, HandNumber& number) {
    number = {};
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && IsBlankChar(text[i])) ++i;
    };
    skipBlanks();
    if (i == text.size()) return HandReading::Empty;

    if (text[i] == '+' || text[i] == '-') {
        number.negative = text[i++] == '-';
    } else if (text.substr(i, 3) == "\u2212") {
        number.negative = true;
        i += 3;
    }
    bool anyDigit = false;
    bool point = false;
    std::int64_t fractionDigits = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (IsAsciiDigit(c)) {
            anyDigit = true;
            number.digits += c;
            fractionDigits += point;
        } else if ((c == '.' || c == ',') && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!anyDigit) return HandReading::NotANumber;

    std::int64_t exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) negativeExponent = text[i++] == '-';
        if (i == text.size() || !IsAsciiDigit(text[i])) return HandReading::NotANumber;
        for (; i < text.size() && IsAsciiDigit(text[i]); ++i) {
            exponent = std::min(exponent * 10 + (text[i] - '0'), kExponentBound);
        }
        if (negativeExponent) exponent = -exponent;
    }
    skipBlanks();
    if (i != text.size()) return HandReading::NotANumber;
    number.exponent = exponent - fractionDigits;
    // Leading zeros say nothing of the precision; trailing ones do.
    DropLeadingZeros(number.digits);
    return HandReading::Number;
}

HandNumber ExactDecimal(double value) {
    // A double's exact expansion has at most 767 significant digits.
    char text[800];
    const auto written = WriteScientific(text, text + sizeof text, value, 767);
    HandNumber number;
    ReadHandNumber(std::string_view(text, static_cast<std::size_t>(written.ptr - text)), number);
    return number;
}

bool AgreesToWrittenDigits(const HandNumber& written, const HandNumber& value) {
    HandNumber hand = written;
    const bool negative = hand.negative = hand.negative && !hand.digits.empty();
    // The bounds are hand ± 5 in the place after its last digit.
    const HandNumber awayFromZero = TenTimesPlusFive(hand, true);
    const HandNumber towardZero = TenTimesPlusFive(hand, false);
    const HandNumber& lower = negative ? awayFromZero : towardZero;
    const HandNumber& upper = negative ? towardZero : awayFromZero;
    return Compare(lower, value) <= 0 && Compare(value, upper) <= 0;
}

}  // namespace trelvani
