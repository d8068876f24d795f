#include "core/floating_charconv.h"

#if defined(__EMSCRIPTEN__)
#include <cmath>
#include <cstdio>
#include <system_error>

#include <fast_float/fast_float.h>
#endif

namespace trelvani {

#if !defined(__EMSCRIPTEN__)

std::from_chars_result ReadDouble(const char* first, const char* last, double& value) {
    return std::from_chars(first, last, value);
}

std::to_chars_result WriteScientific(char* first, char* last, double value, int precision) {
    return std::to_chars(first, last, value, std::chars_format::scientific, precision);
}

std::to_chars_result WriteScientific(char* first, char* last, float value, int precision) {
    return std::to_chars(first, last, value, std::chars_format::scientific, precision);
}

#else

namespace {

bool HasNonZeroDigit(const char* first, const char* last) {
    for (; first != last && *first != 'e' && *first != 'E'; ++first) {
        if (*first >= '1' && *first <= '9') return true;
    }
    return false;
}

// musl's printf expands the exact binary value and rounds it to nearest,
// ties to even, as to_chars does; Emscripten's C library has only the "C"
// locale, so the point is always a period.
std::to_chars_result Scientific(char* first, char* last, double value, int precision) {
    const auto room = static_cast<std::size_t>(last - first);
    const int written = std::snprintf(first, room, "%.*e", precision, value);
    if (written < 0 || static_cast<std::size_t>(written) >= room) return {last, std::errc::value_too_large};
    return {first + written, std::errc{}};
}

}  // namespace

std::from_chars_result ReadDouble(const char* first, const char* last, double& value) {
    double parsed = 0.0;
    const auto result = fast_float::from_chars(first, last, parsed);
    if (result.ec != std::errc{}) return {result.ptr, result.ec};
    // fast_float rounds to infinity or zero where libstdc++ reports the range
    // and leaves the value alone.
    const char* digits = first != last && *first == '-' ? first + 1 : first;
    const bool named = digits != last && (*digits == 'i' || *digits == 'I' || *digits == 'n' || *digits == 'N');
    if (!named && (std::isinf(parsed) || (parsed == 0.0 && HasNonZeroDigit(digits, result.ptr)))) {
        return {result.ptr, std::errc::result_out_of_range};
    }
    value = parsed;
    return {result.ptr, std::errc{}};
}

std::to_chars_result WriteScientific(char* first, char* last, double value, int precision) {
    return Scientific(first, last, value, precision);
}

std::to_chars_result WriteScientific(char* first, char* last, float value, int precision) {
    return Scientific(first, last, static_cast<double>(value), precision);
}

#endif

}  // namespace trelvani
