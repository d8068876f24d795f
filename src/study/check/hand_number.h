#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace trelvani {

// A number as a student writes it by hand, kept in decimal: its digits and
// the power of ten of the last one written, which says how precisely it
// was written ("0.30" is to the hundredth).
struct HandNumber {
    bool negative = false;
    std::string digits;         // leading zeros dropped; empty for zero
    std::int64_t exponent = 0;  // the value is digits × 10^exponent
};

enum class HandReading { Empty, NotANumber, Number };

// Reads a hand-written number: blanks around it, an optional sign (a minus
// sign U+2212 too), digits with a decimal point or a decimal comma, and an
// optional exponent (e or E). Blanks alone are Empty; anything else that is
// not such a number is NotANumber. The calculator's own texts (" .345",
// "-1.5E+20") read the same way.
HandReading ReadHandNumber(std::string_view text, HandNumber& number);

// The exact decimal value of a double, every digit of it.
HandNumber ExactDecimal(double value);

// Whether `value` lies within half a unit of the last digit written in
// `hand`, bounds included, compared exactly in decimal.
bool AgreesToWrittenDigits(const HandNumber& hand, const HandNumber& value);

}  // namespace trelvani
