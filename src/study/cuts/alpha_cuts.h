#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/buttons.h"
#include "core/trapezoidal_number.h"

namespace trelvani {

// An interval [left, right], or why there is none (`undefined`, in Spanish).
struct Cut {
    double left = 0.0;
    double right = 0.0;
    std::string undefined;
    bool defined() const { return undefined.empty(); }
};

// A value, or why there is none.
struct Measure {
    double value = 0.0;
    std::string undefined;
    bool defined() const { return undefined.empty(); }
};

inline constexpr std::string_view kOverflows = "desborda";

// An operand as the calculator reads it from its boxes; `overflows` when a
// text is beyond the range its component is read in.
struct OperandReading {
    TrapezoidalNumber number;
    bool overflows = false;
};

// Why an operand has no α-cuts: "X desborda", or its components out of
// order ("X no está ordenado: x3 = 0.7 > x4 = …", each pair out of order
// named with the values as read); "" when it has them.
std::string CutProblem(const OperandReading& reading, char row);

// The α-cut of an ordered trapezoid: L = (1 − α)·a1 + α·a2, R = (1 − α)·a4 + α·a3.
Cut CutAt(const TrapezoidalNumber& number, double alpha);

// The operation whose exact result, by the extension principle, a button's
// result can be set against.
enum class ExactRule { None, Sum, Difference, Product, Quotient, Square, Root, Maximum, Minimum };
ExactRule ExactRuleOf(ButtonId button);
// Product, quotient, square and root: their α-cut trapezoid is worth showing.
bool CurvesOutOfTrapezoid(ExactRule rule);

// The exact cut at one level, from the operands' cuts at that level.
Cut ExactCut(ExactRule rule, const Cut& x, const Cut& y);

// The largest |exact − Z| on each side over α = k/64, with the first α
// where it is reached; levels without an exact cut are passed over.
inline constexpr int kLevels = 65;
double LevelAlpha(int k);
struct Gap {
    Measure left, right;
    double leftAlpha = 0.0;
    double rightAlpha = 0.0;
};
Gap LargestGap(const std::vector<Cut>& exact, const std::vector<Cut>& z);

// (L(0), L(1), R(1), R(0)) of the exact result, each end on its own: a
// divisor whose support holds 0 but whose core does not still gives L(1)
// and R(1), and one end beyond the range does not take the other with it.
struct OperandCuts {
    Cut x, y;
};
std::array<Measure, 4> AlphaTrapezoid(ExactRule rule, const OperandCuts& atZero, const OperandCuts& atOne);

// (((z1 + z2) + z3) + z4) / 4 and (((z1 + 2·z2) + 2·z3) + z4) / 6.
Measure VertexMean(const TrapezoidalNumber& z);
Measure GradedMean(const TrapezoidalNumber& z);

// An α as typed in the page's box, with a point or a comma: nothing but the
// number and blanks around it, in [0, 1].
bool ReadAlpha(std::string_view typed, double& alpha);

}  // namespace trelvani
