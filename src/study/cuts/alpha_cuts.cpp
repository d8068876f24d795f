#include "study/cuts/alpha_cuts.h"

#include <algorithm>
#include <cmath>

#include "core/floating_charconv.h"
#include "core/steps.h"
#include "core/vertex_means.h"
#include "text/character_classes.h"

namespace trelvani {
namespace {

Cut Interval(double left, double right) {
    if (!std::isfinite(left) || !std::isfinite(right)) return {0.0, 0.0, std::string(kOverflows)};
    return {left, right, {}};
}

Cut Undefined(std::string why) { return {0.0, 0.0, std::move(why)}; }

Measure Value(double value) {
    if (!std::isfinite(value)) return {0.0, std::string(kOverflows)};
    return {value, {}};
}

// Ends as computed, either of them possibly beyond the range.
Cut Ends(double left, double right) { return {left, right, {}}; }

// The least and the greatest of four candidates.
Cut Hull(double a, double b, double c, double d) { return Ends(std::min({a, b, c, d}), std::max({a, b, c, d})); }

// The exact cut with its ends as computed; undefined only where the
// operation has no cut at this level.
Cut ExactEnds(ExactRule rule, const Cut& x, const Cut& y) {
    if (!x.defined()) return x;
    const bool unary = rule == ExactRule::Square || rule == ExactRule::Root;
    if (!unary && !y.defined()) return y;
    const double xL = x.left, xR = x.right, yL = y.left, yR = y.right;
    switch (rule) {
    case ExactRule::Sum:
        return Ends(xL + yL, xR + yR);
    case ExactRule::Difference:
        return Ends(xL - yR, xR - yL);
    case ExactRule::Product:
        return Hull(xL * yL, xL * yR, xR * yL, xR * yR);
    case ExactRule::Quotient:
        if (yL <= 0.0 && 0.0 <= yR) return Undefined("el corte de Y contiene el 0");
        return Hull(xL / yL, xL / yR, xR / yL, xR / yR);
    case ExactRule::Square:
        if (xL >= 0.0) return Ends(xL * xL, xR * xR);
        if (xR <= 0.0) return Ends(xR * xR, xL * xL);
        return Ends(0.0, std::max(xL * xL, xR * xR));
    case ExactRule::Root:
        if (xL < 0.0) return Undefined("el corte de X tiene valores negativos");
        return Ends(std::sqrt(xL), std::sqrt(xR));
    case ExactRule::Maximum:
        return Ends(std::max(xL, yL), std::max(xR, yR));
    case ExactRule::Minimum:
        return Ends(std::min(xL, yL), std::min(xR, yR));
    case ExactRule::None:
        break;
    }
    return Undefined("este botón no tiene resultado exacto");
}

}  // namespace

Cut CutAt(const TrapezoidalNumber& number, double alpha) {
    const double a4 = static_cast<double>(number.c4);
    return Interval((1.0 - alpha) * number.c1 + alpha * number.c2, (1.0 - alpha) * a4 + alpha * number.c3);
}

std::string CutProblem(const OperandReading& reading, char row) {
    if (reading.overflows) return std::string(1, row).append(" ").append(kOverflows);
    const TrapezoidalNumber& number = reading.number;
    const double values[4] = {number.c1, number.c2, number.c3, static_cast<double>(number.c4)};
    const char lower = static_cast<char>(row - 'A' + 'a');
    std::string pairs;
    for (int i = 0; i < 3; ++i) {
        if (values[i] <= values[i + 1]) continue;
        pairs += pairs.empty() ? ": " : ", ";
        pairs.append(1, lower).append(1, static_cast<char>('1' + i)).append(" = ").append(ShortestText(values[i]));
        pairs.append(" > ").append(1, lower).append(1, static_cast<char>('2' + i)).append(" = ");
        pairs.append(ShortestText(values[i + 1]));
    }
    if (pairs.empty()) return {};
    return std::string(1, row).append(" no está ordenado").append(pairs);
}

ExactRule ExactRuleOf(ButtonId button) {
    switch (button) {
    case ButtonId::Add: return ExactRule::Sum;
    case ButtonId::Subtract: return ExactRule::Difference;
    case ButtonId::Multiply: return ExactRule::Product;
    case ButtonId::Divide: return ExactRule::Quotient;
    case ButtonId::Square: return ExactRule::Square;
    case ButtonId::SquareRoot: return ExactRule::Root;
    case ButtonId::Maximum: return ExactRule::Maximum;
    case ButtonId::Minimum: return ExactRule::Minimum;
    case ButtonId::Defuzzify:
    case ButtonId::CopyZToX:
    case ButtonId::CopyZToY:
    case ButtonId::ClearOperands: return ExactRule::None;
    }
    return ExactRule::None;
}

bool CurvesOutOfTrapezoid(ExactRule rule) {
    return rule == ExactRule::Product || rule == ExactRule::Quotient || rule == ExactRule::Square ||
           rule == ExactRule::Root;
}

Cut ExactCut(ExactRule rule, const Cut& x, const Cut& y) {
    const Cut ends = ExactEnds(rule, x, y);
    return ends.defined() ? Interval(ends.left, ends.right) : ends;
}

double LevelAlpha(int k) { return static_cast<double>(k) / 64.0; }

Gap LargestGap(const std::vector<Cut>& exact, const std::vector<Cut>& z) {
    Gap gap;
    std::string why;
    bool any = false;
    for (std::size_t k = 0; k < exact.size() && k < z.size(); ++k) {
        if (!z[k].defined()) {
            why = z[k].undefined;
            any = false;
            break;
        }
        if (!exact[k].defined()) {
            if (why.empty()) why = exact[k].undefined;
            continue;
        }
        const double alpha = LevelAlpha(static_cast<int>(k));
        const double left = std::fabs(exact[k].left - z[k].left);
        const double right = std::fabs(exact[k].right - z[k].right);
        if (!std::isfinite(left) || !std::isfinite(right)) {
            why = kOverflows;
            any = false;
            break;
        }
        if (!any || left > gap.left.value) gap.left.value = left, gap.leftAlpha = alpha;
        if (!any || right > gap.right.value) gap.right.value = right, gap.rightAlpha = alpha;
        any = true;
    }
    if (!any) {
        if (why.empty()) why = "no hay niveles que comparar";
        gap.left = {0.0, why};
        gap.right = {0.0, why};
        gap.leftAlpha = gap.rightAlpha = 0.0;
    }
    return gap;
}

std::array<Measure, 4> AlphaTrapezoid(ExactRule rule, const OperandCuts& atZero, const OperandCuts& atOne) {
    const Cut zero = ExactEnds(rule, atZero.x, atZero.y);
    const Cut one = ExactEnds(rule, atOne.x, atOne.y);
    const auto end = [](const Cut& cut, double value) {
        return cut.defined() ? Value(value) : Measure{0.0, cut.undefined};
    };
    return {end(zero, zero.left), end(one, one.left), end(one, one.right), end(zero, zero.right)};
}

Measure VertexMean(const TrapezoidalNumber& z) {
    return Value(MeanOfVertices(z.c1, z.c2, z.c3, z.c4));
}

Measure GradedMean(const TrapezoidalNumber& z) {
    return Value(GradedMeanOf(z.c1, z.c2, z.c3, z.c4));
}

bool ReadAlpha(std::string_view typed, double& alpha) {
    typed = TrimBlanks(typed);
    if (typed.empty() || typed.size() > 64) return false;
    std::string text(typed);
    std::replace(text.begin(), text.end(), ',', '.');
    // Only a plain decimal: no "inf", "nan" or hexadecimal forms.
    for (char c : text) {
        if (!(IsAsciiDigit(c) || c == '.' || c == '+' || c == '-' || c == 'e' || c == 'E')) return false;
    }
    const char* first = text.data();
    if (*first == '+') ++first;
    double value = 0.0;
    const auto [end, error] = ReadDouble(first, text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return false;
    if (!(value >= 0.0 && value <= 1.0)) return false;
    alpha = value + 0.0;
    return true;
}

}  // namespace trelvani
