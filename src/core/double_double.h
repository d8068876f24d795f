#pragma once

// Double-double arithmetic: a value held as the unevaluated sum hi + lo of two
// doubles, |lo| ≤ ulp(hi) / 2, about 106 significant bits. Every operation is
// built from IEEE-754 double + − × ÷ alone (no fused multiply-add), so its
// bits are the same on every processor and in every C library.

namespace trelvani::double_double {

struct DoubleDouble {
    double hi = 0.0;
    double lo = 0.0;
};

// a + b exactly, for |a| ≥ |b| or a == 0: (1, 0x1p-60) → {1, 0x1p-60}.
inline DoubleDouble FastTwoSum(double a, double b) {
    const double hi = a + b;
    return {hi, b - (hi - a)};
}

// a + b exactly, any order (Knuth): (0x1p-60, 1) → {1, 0x1p-60}.
inline DoubleDouble TwoSum(double a, double b) {
    const double hi = a + b;
    const double bVirtual = hi - a;
    const double aVirtual = hi - bVirtual;
    return {hi, (a - aVirtual) + (b - bVirtual)};
}

// a split into two halves of 26 bits each that multiply exactly (Veltkamp).
inline DoubleDouble Split(double a) {
    constexpr double kSplitter = 134217729.0;  // 2^27 + 1
    const double t = kSplitter * a;
    const double hi = t - (t - a);
    return {hi, a - hi};
}

// a · b exactly (Dekker): (1 + 0x1p-30, 1 + 0x1p-30) → {1 + 0x1p-29, 0x1p-60}.
inline DoubleDouble TwoProduct(double a, double b) {
    const double hi = a * b;
    const DoubleDouble as = Split(a);
    const DoubleDouble bs = Split(b);
    const double lo = ((as.hi * bs.hi - hi) + as.hi * bs.lo + as.lo * bs.hi) + as.lo * bs.lo;
    return {hi, lo};
}

// {1, 0x1p-60} + {0x1p-10, 0}
inline DoubleDouble Add(DoubleDouble a, DoubleDouble b) {
    const DoubleDouble high = TwoSum(a.hi, b.hi);
    const DoubleDouble low = TwoSum(a.lo, b.lo);
    DoubleDouble sum = FastTwoSum(high.hi, high.lo + low.hi);
    return FastTwoSum(sum.hi, sum.lo + low.lo);
}

inline DoubleDouble Negate(DoubleDouble a) { return {-a.hi, -a.lo}; }

inline DoubleDouble Subtract(DoubleDouble a, DoubleDouble b) { return Add(a, Negate(b)); }

// {ln 2} · {1/3}
inline DoubleDouble Multiply(DoubleDouble a, DoubleDouble b) {
    const DoubleDouble product = TwoProduct(a.hi, b.hi);
    return FastTwoSum(product.hi, product.lo + (a.hi * b.lo + a.lo * b.hi));
}

// {ln 2} · 3
inline DoubleDouble Multiply(DoubleDouble a, double b) {
    const DoubleDouble product = TwoProduct(a.hi, b);
    return FastTwoSum(product.hi, product.lo + a.lo * b);
}

// {1, 0} / {3, 0} → {1/3} with three quotient digits, each a double.
inline DoubleDouble Divide(DoubleDouble a, DoubleDouble b) {
    const double q1 = a.hi / b.hi;
    DoubleDouble remainder = Subtract(a, Multiply(b, q1));
    const double q2 = remainder.hi / b.hi;
    remainder = Subtract(remainder, Multiply(b, q2));
    const double q3 = remainder.hi / b.hi;
    const DoubleDouble quotient = FastTwoSum(q1, q2);
    return Add(quotient, DoubleDouble{q3, 0.0});
}

// {2^k · hi, 2^k · lo} for a power of two `scale`, exact away from the ends of
// the range.
inline DoubleDouble Scale(DoubleDouble a, double scale) { return {a.hi * scale, a.lo * scale}; }

}  // namespace trelvani::double_double
