#include "core/number_to_text.h"

#include "core/floating_charconv.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace trelvani {
namespace {

constexpr int kDoubleDigits = 15;
constexpr int kSingleDigits = 7;

// Enough digits to hold the exact decimal expansion of any double.
constexpr int kExactPrecision = 780;
constexpr int kExtraDigits = 21;

// At most 16 digits: the 15 of a double and one guard digit.
struct Decimal {
    std::array<char, 16> digitBuffer{};
    std::size_t count = 0;
    int exponent = 0;  // decimal exponent of the first digit

    std::string_view digits() const { return {digitBuffer.data(), count}; }
    char& back() { return digitBuffer[count - 1]; }
};

// Splits to_chars scientific output with `count` digits ("d.ddde+XX", or
// "de+XX" for one digit) into digits and exponent.
Decimal ParseScientific(std::string_view text, std::size_t count) {
    Decimal decimal;
    decimal.count = count;
    decimal.digitBuffer[0] = text[0];
    if (count > 1) text.copy(decimal.digitBuffer.data() + 1, count - 1, 2);
    std::size_t exponentAt = count > 1 ? count + 2 : 2;  // past the 'e'
    if (text[exponentAt] == '+') ++exponentAt;
    std::from_chars(text.data() + exponentAt, text.data() + text.size(), decimal.exponent);
    return decimal;
}

template <typename Floating, std::size_t N>
std::string_view Scientific(Floating magnitude, int significant, std::array<char, N>& buffer) {
    const auto result = WriteScientific(buffer.data(), buffer.data() + buffer.size(), magnitude, significant - 1);
    return {buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())};
}

// Rounds a positive finite value to `significant` digits, ties away from
// zero. to_chars rounds the exact binary value correctly but breaks ties to
// even, so one digit more is asked for first: unless that digit is a 5 the
// rounding can be finished on the text. A 5 may be an exact tie, which only
// the full expansion can tell.
template <typename Floating>
Decimal RoundSignificant(Floating magnitude, int significant) {
    std::array<char, 32> buffer{};
    const auto count = static_cast<std::size_t>(significant) + 1;
    Decimal decimal = ParseScientific(Scientific(magnitude, significant + 1, buffer), count);
    const char guard = decimal.back();
    bool roundUp = guard > '5';
    if (guard == '5') {
        // The guard may have been rounded up from a 4. Twenty more digits
        // settle it unless they all round to zero; only an exact tie (or
        // a near one) needs the full expansion. Digit i stands at i + 1.
        std::array<char, 64> longer{};
        std::string_view expansion = Scientific(magnitude, significant + kExtraDigits, longer);
        std::array<char, kExactPrecision + 16> exact;
        const std::size_t guardAt = static_cast<std::size_t>(significant) + 1;
        if (expansion.find_first_not_of('0', guardAt + 1) == expansion.find('e')) {
            expansion = Scientific(magnitude, kExactPrecision, exact);
        }
        roundUp = expansion[guardAt] >= '5';
    }
    --decimal.count;
    if (roundUp) {
        std::size_t i = decimal.count;
        while (i > 0 && decimal.digitBuffer[i - 1] == '9') decimal.digitBuffer[--i] = '0';
        if (i == 0) {
            // All nines: 99.9 becomes 100, one decimal place up.
            decimal.digitBuffer[0] = '1';
            ++decimal.exponent;
        } else {
            ++decimal.digitBuffer[i - 1];
        }
    }
    while (decimal.count > 1 && decimal.back() == '0') --decimal.count;
    return decimal;
}

bool UsesExponentForm(const Decimal& decimal, int significant) {
    const int exponent = decimal.exponent;
    if (exponent >= significant) return true;
    if (exponent >= -4) return false;
    const int kept = static_cast<int>(decimal.count);
    return -exponent + std::max(kept - 2, 0) >= significant;
}

void AppendExponentForm(NumberText& text, const Decimal& decimal) {
    const std::string_view digits = decimal.digits();
    text.push_back(digits.front());
    if (digits.size() > 1) {
        text.push_back('.');
        text.append(digits.substr(1));
    }
    text.push_back('E');
    text.push_back(decimal.exponent < 0 ? '-' : '+');
    const int magnitude = std::abs(decimal.exponent);
    if (magnitude < 10) text.push_back('0');
    std::array<char, 8> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude);
    text.append(std::string_view(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())));
}

void AppendPlainForm(NumberText& text, const Decimal& decimal) {
    const std::string_view digits = decimal.digits();
    if (decimal.exponent < 0) {
        text.push_back('.');
        text.append(static_cast<std::size_t>(-decimal.exponent - 1), '0');
        text.append(digits);
        return;
    }
    const std::size_t integerDigits = static_cast<std::size_t>(decimal.exponent) + 1;
    if (digits.size() <= integerDigits) {
        text.append(digits);
        text.append(integerDigits - digits.size(), '0');
        return;
    }
    text.append(digits.substr(0, integerDigits));
    text.push_back('.');
    text.append(digits.substr(integerDigits));
}

template <typename Floating>
NumberText Format(Floating value, int significant) {
    NumberText text;
    text.push_back(std::signbit(value) && value != 0 ? '-' : ' ');
    if (value == 0) {
        text.push_back('0');
        return text;
    }
    if (!std::isfinite(value)) {
        // Operations never write a non-finite value; this keeps the text
        // well-defined for any caller all the same.
        text.append(std::isnan(value) ? "NaN" : "Inf");
        return text;
    }
    const Decimal decimal = RoundSignificant(std::fabs(value), significant);
    if (UsesExponentForm(decimal, significant)) {
        AppendExponentForm(text, decimal);
    } else {
        AppendPlainForm(text, decimal);
    }
    return text;
}

}  // namespace

NumberText NumberToText(double value) { return Format(value, kDoubleDigits); }

NumberText NumberToText(float value) { return Format(value, kSingleDigits); }

}  // namespace trelvani
