#pragma once

#include <string>

namespace trelvani {

// The text a box shows for a value: a sign position (a blank, or '-' for a
// negative value), then the value rounded to 15 significant digits for a
// double or 7 for a single, ties away from zero, without trailing zeros and
// without a leading zero before the point. Large and very small magnitudes
// take exponent form (1E+20, 5.6789E-12). The period is always the decimal
// separator, whatever the locale.
std::string NumberToText(double value);
std::string NumberToText(float value);

// Precision comes from the argument's type only.
std::string NumberToText(long double) = delete;
std::string NumberToText(int) = delete;

}  // namespace trelvani
