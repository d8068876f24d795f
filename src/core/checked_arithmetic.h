#pragma once

// Value arithmetic as the calculator performs it: every result is a finite
// double, or the operation raises its runtime error instead.
namespace trelvani {

double Add(double left, double right);
double Subtract(double left, double right);
double Multiply(double left, double right);
// A non-zero value over zero is DivisionByZero; 0 / 0 is Overflow.
double Divide(double left, double right);
// A negative argument is InvalidArgument (-0 is not negative).
double SquareRoot(double value);

// Rounds to nearest single, ties to even. A magnitude above the largest
// single raises Overflow rather than producing an infinity.
float RoundToSingle(double value);

}  // namespace trelvani
