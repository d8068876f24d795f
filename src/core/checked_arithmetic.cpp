#include "core/checked_arithmetic.h"

#include <cmath>
#include <limits>

#include "core/runtime_error.h"

namespace trelvani {
namespace {

double Finite(double result) {
    if (!std::isfinite(result)) Raise(ErrorNumber::Overflow);
    return result;
}

}  // namespace

double Add(double left, double right) { return Finite(left + right); }

double Subtract(double left, double right) { return Finite(left - right); }

double Multiply(double left, double right) { return Finite(left * right); }

double Divide(double left, double right) {
    if (right == 0.0) {
        Raise(left == 0.0 ? ErrorNumber::Overflow : ErrorNumber::DivisionByZero);
    }
    return Finite(left / right);
}

double SquareRoot(double value) {
    if (value < 0.0) Raise(ErrorNumber::InvalidArgument);
    return Finite(std::sqrt(value));
}

float RoundToSingle(double value) {
    // Checked first: narrowing a double beyond float's range is undefined.
    constexpr double kLargestSingle = std::numeric_limits<float>::max();
    if (!(std::fabs(value) <= kLargestSingle)) Raise(ErrorNumber::Overflow);
    return static_cast<float>(value);
}

}  // namespace trelvani
