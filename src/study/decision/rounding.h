#pragma once

#include <optional>

#include "study/decision/problem.h"

namespace trelvani::decision {

// The value as a book's table prints it with `decimals` decimals (0 to 6):
// the double's exact value rounded to the nearest, exact ties away from
// zero, and the decimal read back as the nearest double. A negative value
// that rounds to zero gives −0.
double RoundAsBook(double value, int decimals);

// As above where rounding is asked for; the value itself otherwise.
double Rounded(double value, std::optional<int> decimals);
Fuzzy Rounded(const Fuzzy& value, std::optional<int> decimals);

}  // namespace trelvani::decision
