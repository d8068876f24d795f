#include "study/decision/rounding.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "core/floating_charconv.h"

namespace trelvani::decision {

// The double is mantissa · 2^exponent exactly, so its value times 10^N is
// mantissa · 10^N / 2^shift: the integer quotient and the remainder against
// half the divisor say exactly which way it rounds, a tie included. Only the
// decimal that results is converted back, by the correctly rounded reader.
double RoundAsBook(double value, int decimals) {
    const double magnitude = std::fabs(value);
    // From 2^52 on every double is whole.
    if (!(magnitude > 0) || !(magnitude < 0x1p52)) return value;
    int exponent = 0;
    const double fraction = std::frexp(magnitude, &exponent);
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    const int shift = 53 - exponent;  // at least 1 below 2^52

    std::uint64_t powerOfTen = 1;
    for (int i = 0; i < decimals; ++i) powerOfTen *= 10;
    // Below 2^73 with mantissa < 2^53 and 10^6 < 2^20.
    const unsigned __int128 scaled = static_cast<unsigned __int128>(mantissa) * powerOfTen;
    unsigned __int128 units = 0;
    if (shift < 100) {
        const unsigned __int128 one = 1;
        units = scaled >> shift;
        const unsigned __int128 remainder = scaled & ((one << shift) - 1);
        if (remainder >= (one << (shift - 1))) ++units;
    }
    if (units == 0) return std::signbit(value) ? -0.0 : 0.0;

    // units / 10^N as a decimal: whole part, point, N digits.
    std::array<char, 48> text{};
    char* at = text.data();
    if (value < 0) *at++ = '-';
    const auto whole = static_cast<std::uint64_t>(units / powerOfTen);
    auto part = static_cast<std::uint64_t>(units % powerOfTen);
    at = std::to_chars(at, text.data() + 24, whole).ptr;
    if (decimals > 0) {
        *at++ = '.';
        for (int i = decimals - 1; i >= 0; --i) {
            at[i] = static_cast<char>('0' + part % 10);
            part /= 10;
        }
        at += decimals;
    }
    double rounded = 0.0;
    ReadDouble(text.data(), at, rounded);
    return rounded;
}

double Rounded(double value, std::optional<int> decimals) { return decimals ? RoundAsBook(value, *decimals) : value; }

Fuzzy Rounded(const Fuzzy& value, std::optional<int> decimals) {
    if (!decimals) return value;
    return {RoundAsBook(value[0], *decimals), RoundAsBook(value[1], *decimals), RoundAsBook(value[2], *decimals),
            RoundAsBook(value[3], *decimals)};
}

}  // namespace trelvani::decision
