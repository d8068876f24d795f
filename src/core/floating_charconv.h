#pragma once

#include <charconv>

namespace trelvani {

// The two floating-point conversions the box texts are built on, with
// std::from_chars / std::to_chars semantics: correctly rounded and
// locale-free. Where the standard library lacks them (WebAssembly), well-kept
// equivalents stand in with the same results.

// Reads a double as std::from_chars does, out-of-range results included
// (result_out_of_range, value left untouched).
std::from_chars_result ReadDouble(const char* first, const char* last, double& value);

// Writes `value` in scientific form with `precision` digits after the point,
// ties to even, as std::to_chars(..., std::chars_format::scientific, precision).
std::to_chars_result WriteScientific(char* first, char* last, double value, int precision);
std::to_chars_result WriteScientific(char* first, char* last, float value, int precision);

}  // namespace trelvani
