#pragma once

#include <string_view>

namespace trelvani {

// Reads the number a box's text begins with. Blanks, tabs and line feeds
// are skipped wherever they stand; then an optional sign, digits with at
// most one period, and an optional exponent (E, e, D or d, optional sign,
// digits). Reading stops at the first character that cannot continue the
// number, and a text with no number reads as 0. The period is the only
// decimal separator, whatever the locale. A value beyond the double range
// raises Overflow; one too small for a double reads as the nearest double.
double TextToNumber(std::string_view text);

// Whether the reading above takes in the whole text, blanks aside: "0,5"
// and "1/2" stop early (and read as 0 and 1), a blank text does not.
bool ReadsWhole(std::string_view text);

}  // namespace trelvani
