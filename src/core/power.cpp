#include "core/power.h"

#include <array>
#include <cmath>
#include <limits>

#include "core/double_double.h"

// x^y as exp(y · ln x), both stages in double-double, rounded once at the end.
namespace trelvani {
namespace {

using double_double::Add;
using double_double::Divide;
using double_double::DoubleDouble;
using double_double::Multiply;
using double_double::Scale;
using double_double::TwoProduct;
using double_double::TwoSum;

constexpr DoubleDouble kLn2 = {0x1.62e42fefa39efp-1, 0x1.abc9e3b39803fp-56};
constexpr double kInverseLn2 = 0x1.71547652b82fep+0;
// Adding and subtracting it rounds a double below 2^51 in magnitude to an
// integer, ties to even, with + − alone.
constexpr double kRoundingShift = 0x1.8p52;
// ln m is reduced to ln c for c = 1 + j / kTableSteps, the table running over
// j = kFirstStep … kLastStep to cover m in [sqrt(1/2), sqrt(2)].
constexpr int kTableSteps = 128;
constexpr int kFirstStep = -38;
constexpr int kLastStep = 54;
// exp r is 2^(j/kExpSteps) from a table times exp of a remainder below
// ln 2 / 128; the table itself comes from (exp(r / 2^kHalvings))^(2^kHalvings).
constexpr int kExpSteps = 64;
constexpr int kHalvings = 6;

// 2.4 → 2, 2.5 → 2, -3.5 → -4
double NearestInteger(double x) { return (x + kRoundingShift) - kRoundingShift; }

// {1} / {3} for the series coefficients: 3 → {1/3}.
DoubleDouble Reciprocal(double n) { return Divide({1.0, 0.0}, {n, 0.0}); }

// 2·atanh(s) = 2·(s + s³/3 + s⁵/5 + …) summed until the terms no longer count,
// for |s| ≤ 1/3: s = 1/3 → ln 2.
DoubleDouble TwiceAtanhLong(DoubleDouble s) {
    const DoubleDouble square = Multiply(s, s);
    DoubleDouble power = s;
    DoubleDouble sum = s;
    for (int k = 1; k <= 40; ++k) {
        power = Multiply(power, square);
        sum = Add(sum, Multiply(power, Reciprocal(2.0 * k + 1.0)));
    }
    return Scale(sum, 2.0);
}

// ln(1 + j/128) for j = −38 … 54, from 2·atanh(j / (256 + j)): j = 0 → 0.
const std::array<DoubleDouble, kLastStep - kFirstStep + 1>& LogTable() {
    static const auto table = [] {
        std::array<DoubleDouble, kLastStep - kFirstStep + 1> logs{};
        for (int j = kFirstStep; j <= kLastStep; ++j) {
            const double step = static_cast<double>(j);
            logs[static_cast<std::size_t>(j - kFirstStep)] =
                TwiceAtanhLong(Divide({step, 0.0}, {2.0 * kTableSteps + step, 0.0}));
        }
        return logs;
    }();
    return table;
}

struct SeriesCoefficients {
    DoubleDouble third, fifth;                   // 1/3, 1/5 for the logarithm
    std::array<DoubleDouble, 7> inverseFactorial;  // 1/n! for n = 0 … 6
};

const SeriesCoefficients& Coefficients() {
    static const SeriesCoefficients coefficients = [] {
        SeriesCoefficients c{};
        c.third = Reciprocal(3.0);
        c.fifth = Reciprocal(5.0);
        double factorial = 1.0;
        for (std::size_t n = 0; n < c.inverseFactorial.size(); ++n) {
            if (n > 0) factorial *= static_cast<double>(n);
            c.inverseFactorial[n] = Reciprocal(factorial);
        }
        return c;
    }();
    return coefficients;
}

// 2·atanh(s) for |s| ≤ 2^-9, where s⁷ and later terms need a double only:
// 2·s·(1 + s²/3 + s⁴/5 + s⁶·(1/7 + s²/9 + s⁴/11 + s⁶/13)).
DoubleDouble TwiceAtanhShort(DoubleDouble s) {
    const SeriesCoefficients& c = Coefficients();
    const DoubleDouble square = Multiply(s, s);
    const double q = 1.0 / 7.0 + square.hi * (1.0 / 9.0 + square.hi * (1.0 / 11.0 + square.hi / 13.0));
    DoubleDouble sum = Add(c.fifth, Multiply(square, q));
    sum = Add(c.third, Multiply(square, sum));
    sum = Add({1.0, 0.0}, Multiply(square, sum));
    return Scale(Multiply(s, sum), 2.0);
}

// ln x = exponent · ln 2 + ln mantissa, the exponent kept apart so that it
// costs no precision: 8 → {3, 0}, 0.75 → {0, ln 0.75}.
struct Logarithm {
    double exponent;
    DoubleDouble logMantissa;  // |ln mantissa| ≤ ln 2 / 2
};

// ln x for a finite x > 0, from x = 2^e · m, m in [sqrt(1/2), sqrt(2)] so
// that x near 1 has e = 0, and m = c·(1 + s)/(1 − s) with c from the table.
Logarithm Log(double x) {
    constexpr double kSqrtHalf = 0x1.6a09e667f3bcdp-1;
    int exponent = 0;
    double mantissa = std::frexp(x, &exponent);  // in [0.5, 1)
    if (mantissa < kSqrtHalf) {
        mantissa *= 2.0;
        --exponent;
    }
    const double step = NearestInteger((mantissa - 1.0) * kTableSteps);  // exact product
    const double center = 1.0 + step / kTableSteps;
    // mantissa − center is exact (Sterbenz); the sum takes two doubles.
    const DoubleDouble s = Divide({mantissa - center, 0.0}, TwoSum(mantissa, center));
    const DoubleDouble logCenter = LogTable()[static_cast<std::size_t>(static_cast<int>(step) - kFirstStep)];
    return {static_cast<double>(exponent), Add(logCenter, TwiceAtanhShort(s))};
}

// exp(r) − 1 for |r| ≤ 2^-7: r + r²/2! + … + r¹¹/11!, the terms from r⁷ on
// in a double.
DoubleDouble ExpMinusOneShort(DoubleDouble r) {
    const SeriesCoefficients& c = Coefficients();
    const double x = r.hi;
    const double tail = 1.0 / 5040.0 + x * (1.0 / 40320.0 + x * (1.0 / 362880.0 + x * (1.0 / 3628800.0 + x / 39916800.0)));
    DoubleDouble sum = Add(c.inverseFactorial[6], Multiply(r, tail));
    for (std::size_t n = 5; n >= 1; --n) sum = Add(c.inverseFactorial[n], Multiply(r, sum));
    return Multiply(r, sum);
}

// exp(r) − 1 for |r| ≤ ln 2 / 2, squaring back what was halved with
// (1 + e)² − 1 = 2e + e²; for the table only, being slower.
DoubleDouble ExpMinusOne(DoubleDouble r) {
    DoubleDouble e = ExpMinusOneShort(Scale(r, 1.0 / (1 << kHalvings)));
    for (int i = 0; i < kHalvings; ++i) e = Add(Scale(e, 2.0), Multiply(e, e));
    return e;
}

// a + b.hi + b.lo with hi the correctly rounded sum of all three terms and
// lo the rest, for |a| > |b|: (1, {0x1p-53, 0x1p-106}) → {1 + 0x1p-52,
// -0x1p-53}, where adding in turn would make a tie of 1 + 0x1p-53 and round
// it down to 1.
DoubleDouble RoundedSum(double a, DoubleDouble b) {
    const DoubleDouble head = TwoSum(a, b.hi);
    const DoubleDouble tail = TwoSum(head.lo, b.lo);
    DoubleDouble sum = TwoSum(head.hi, tail.hi);  // exact, hi nearest
    // hi + lo is a tie exactly when hi + 2·lo is the neighbouring double;
    // then the last term says on which side of the tie the value lies.
    const bool tie = sum.lo != 0.0 && (sum.hi + 2.0 * sum.lo) - sum.hi == 2.0 * sum.lo;
    if (tie && tail.lo != 0.0 && (tail.lo > 0.0) == (sum.lo > 0.0)) {
        sum.hi += 2.0 * sum.lo;
        sum.lo = -sum.lo;
    }
    return {sum.hi, sum.lo + tail.lo};
}

// 2^(j/64) for j = 0 … 63, each from exp of j·ln 2 / 64 − ln 2 for j > 32 so
// that the argument stays within ln 2 / 2: [32] → sqrt 2.
const std::array<DoubleDouble, kExpSteps>& ExpTable() {
    static const auto table = [] {
        std::array<DoubleDouble, kExpSteps> powers{};
        for (int j = 0; j < kExpSteps; ++j) {
            const bool above = j > kExpSteps / 2;
            const double step = static_cast<double>(above ? j - kExpSteps : j) / kExpSteps;
            const DoubleDouble value = RoundedSum(1.0, ExpMinusOne(Multiply(kLn2, step)));
            powers[static_cast<std::size_t>(j)] = above ? Scale(value, 2.0) : value;
        }
        return powers;
    }();
    return table;
}

// (hi + lo) · 2^k rounded once to a double, for hi already hi + lo rounded;
// ties to even, subnormals and overflow included: ({1, 0}, -1075) → 0,
// ({1, 0x1p-60}, -1075) → 2^-1074.
double RoundScaled(DoubleDouble value, int k) {
    constexpr int kLeastExponent = -1074;  // 2^-1074 is the least subnormal
    constexpr double kSubnormalUnits = 0x1p52;  // 2^-1022 in units of 2^-1074
    // Scaling into the normal range is exact; ldexp gives +inf past the top.
    if (k > -1000) return std::ldexp(value.hi, k);
    const double units = std::ldexp(value.hi, k - kLeastExponent);
    if (units >= kSubnormalUnits) return std::ldexp(value.hi, k);
    // A subnormal result is an integer number of units below 2^52; adding
    // 2^52 rounds to it, ties to even, and the low part settles a tie.
    double rounded = (units + kSubnormalUnits) - kSubnormalUnits;
    const double remainder = units - rounded;  // exact
    const double low = value.lo;
    if (remainder == 0.5 && low > 0.0) rounded += 1.0;
    if (remainder == -0.5 && low < 0.0) rounded -= 1.0;
    return std::ldexp(rounded, kLeastExponent);
}

// exp(y · ln x) = 2^k · 2^(j/64) · exp(r), r = (y·e − k − j/64)·ln 2 + y·ln m,
// where y·e is exact and k + j/64 the nearest to y · log2 x.
double ExpOfProduct(const Logarithm& log, double y) {
    const DoubleDouble exponentPart = TwoProduct(y, log.exponent);
    const DoubleDouble mantissaPart = Multiply(log.logMantissa, y);
    const double log2Result = exponentPart.hi + mantissaPart.hi * kInverseLn2;
    if (log2Result > 1025.0) return std::numeric_limits<double>::infinity();
    if (log2Result < -1077.0) return 0.0;
    const double steps = NearestInteger(log2Result * kExpSteps);
    const double k = std::floor(steps / kExpSteps);
    const double j = steps - k * kExpSteps;
    const DoubleDouble fraction = Add(TwoSum(exponentPart.hi, -steps / kExpSteps), {exponentPart.lo, 0.0});
    const DoubleDouble r = Add(Multiply(fraction, kLn2), mantissaPart);
    const DoubleDouble power = ExpTable()[static_cast<std::size_t>(j)];
    // 2^(j/64) · (1 + e) = 2^(j/64) + 2^(j/64) · e
    const DoubleDouble rest = Add({power.lo, 0.0}, Multiply(power, ExpMinusOneShort(r)));
    return RoundScaled(RoundedSum(power.hi, rest), static_cast<int>(k));
}

}  // namespace

double Power(double base, double exponent) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    if (!std::isfinite(base) || !std::isfinite(exponent) || base < 0.0) return kNaN;
    if (exponent == 0.0 || base == 1.0) return 1.0;
    if (base == 0.0) return exponent > 0.0 ? 0.0 : std::numeric_limits<double>::infinity();
    const Logarithm log = Log(base);
    // |y · log2 x| beyond 1e4 is far out of range either way; it also keeps
    // the exact products that follow from overflowing.
    const double estimate = exponent * (log.exponent + log.logMantissa.hi * kInverseLn2);
    if (estimate > 1e4) return std::numeric_limits<double>::infinity();
    if (estimate < -1e4) return 0.0;
    return ExpOfProduct(log, exponent);
}

}  // namespace trelvani
