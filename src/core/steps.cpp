#include "core/steps.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

// Dragonbox from {fmt}, header-only: the shortest digits of a double, the
// same in every edition. Emscripten's library has no floating-point
// std::to_chars, and the rest of {fmt} would triple the page's core.
#define FMT_HEADER_ONLY
#include <fmt/format.h>

namespace trelvani {
namespace {

// Runs `compute`; a runtime error it raises is listed as the failing step.
template <class Compute>
auto Listed(StepList& listing, std::string_view name, std::string_view formula, const Compute& compute) {
    try {
        return compute();
    } catch (const RuntimeError& error) {
        listing.push_back({name, formula, std::nullopt, std::nullopt, error.code()});
        throw;
    }
}

// Writes `whole` at `at`; returns where it ends.
char* WriteWhole(char* at, unsigned __int128 whole) {
    constexpr std::uint64_t kTenTo19 = 10'000'000'000'000'000'000u;
    const auto high = static_cast<std::uint64_t>(whole / kTenTo19);
    const auto low = static_cast<std::uint64_t>(whole % kTenTo19);
    if (high == 0) return std::to_chars(at, at + 20, low).ptr;
    at = std::to_chars(at, at + 20, high).ptr;
    char digits[20];
    const auto end = std::to_chars(digits, digits + sizeof digits, low).ptr;
    const auto count = static_cast<std::size_t>(end - digits);
    std::memset(at, '0', 19 - count);
    std::memcpy(at + 19 - count, digits, count);
    return at + 19;
}

}  // namespace

double Steps::RecordDouble(std::string_view name, std::string_view formula, Computation compute) {
    if (listing_ == nullptr) return compute();
    const double value = Listed(*listing_, name, formula, compute);
    listing_->push_back({name, formula, value, std::nullopt, std::nullopt});
    return value;
}

float Steps::RecordSingle(std::string_view name, std::string_view formula, Computation compute) {
    if (listing_ == nullptr) return RoundToSingle(compute());
    const double unrounded = Listed(*listing_, name, formula, compute);
    const float value = Listed(*listing_, name, formula, [unrounded] { return RoundToSingle(unrounded); });
    listing_->push_back({name, formula, static_cast<double>(value), unrounded, std::nullopt});
    return value;
}

void Steps::Outcome(std::string_view name, std::string_view formula) {
    if (listing_ != nullptr) listing_->push_back({name, formula, std::nullopt, std::nullopt, std::nullopt});
}

// Laid out as std::to_chars lays out the shortest digits: plain or
// exponent form, whichever is shorter, plain on a tie.
void AppendShortest(std::string& out, double value) {
    // Built in place and appended once: the longest text is "-" and 17
    // digits with a point, or a whole number below 10^23.
    char text[48];
    char* at = text;
    const auto put = [&](const char* from, int length) {
        std::memcpy(at, from, static_cast<std::size_t>(length));
        at += length;
    };
    if (std::isnan(value)) {
        out += "nan";
        return;
    }
    if (std::signbit(value)) *at++ = '-';
    const double magnitude = std::fabs(value);
    if (std::isinf(magnitude) || magnitude == 0.0) {
        put(std::isinf(magnitude) ? "inf" : "0", std::isinf(magnitude) ? 3 : 1);
        out.append(text, at);
        return;
    }

    const auto decimal = fmt::detail::dragonbox::to_decimal(magnitude);
    char digits[24];
    const int count = static_cast<int>(std::to_chars(digits, digits + sizeof digits, decimal.significand).ptr - digits);
    const int exponent = decimal.exponent;  // the value is digits × 10^exponent
    const int scientificExponent = exponent + count - 1;
    const int exponentDigits = std::abs(scientificExponent) >= 100 ? 3 : 2;
    const int scientificLength = count + (count > 1 ? 1 : 0) + 2 + exponentDigits;
    const int plainLength = exponent >= 0 ? count + exponent : count + exponent > 0 ? count + 1 : 2 - exponent;

    if (plainLength <= scientificLength) {
        if (exponent >= 0) {
            // A whole number is written with its exact digits, as to_chars
            // does; here it is below 10^23, so it fits in 128 bits.
            at = WriteWhole(at, static_cast<unsigned __int128>(magnitude));
        } else if (count + exponent > 0) {
            const int whole = count + exponent;
            put(digits, whole);
            *at++ = '.';
            put(digits + whole, count - whole);
        } else {
            put("0.", 2);
            const int zeros = -(count + exponent);
            std::memset(at, '0', static_cast<std::size_t>(zeros));
            at += zeros;
            put(digits, count);
        }
    } else {
        *at++ = digits[0];
        if (count > 1) {
            *at++ = '.';
            put(digits + 1, count - 1);
        }
        put(scientificExponent < 0 ? "e-" : "e+", 2);
        const int power = std::abs(scientificExponent);
        if (power < 10) *at++ = '0';
        at = std::to_chars(at, at + 4, power).ptr;
    }
    out.append(text, at);
}

std::string ShortestText(double value) {
    std::string out;
    AppendShortest(out, value);
    return out;
}

}  // namespace trelvani
