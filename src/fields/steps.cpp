#include "fields/steps.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "fields/json_text.h"

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

void AppendWhole(std::string& out, unsigned __int128 whole) {
    constexpr std::uint64_t kTenTo19 = 10'000'000'000'000'000'000u;
    char digits[24];
    const auto high = static_cast<std::uint64_t>(whole / kTenTo19);
    const auto low = static_cast<std::uint64_t>(whole % kTenTo19);
    if (high > 0) {
        out.append(digits, std::to_chars(digits, digits + sizeof digits, high).ptr);
        const auto end = std::to_chars(digits, digits + sizeof digits, low).ptr;
        out.append(19 - static_cast<std::size_t>(end - digits), '0').append(digits, end);
    } else {
        out.append(digits, std::to_chars(digits, digits + sizeof digits, low).ptr);
    }
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
std::string ShortestText(double value) {
    if (std::isnan(value)) return "nan";
    std::string out = std::signbit(value) ? "-" : "";
    const double magnitude = std::fabs(value);
    if (std::isinf(magnitude)) return out + "inf";
    if (magnitude == 0.0) return out + "0";

    const auto decimal = fmt::detail::dragonbox::to_decimal(magnitude);
    char digits[24];
    const int count = static_cast<int>(std::to_chars(digits, digits + sizeof digits, decimal.significand).ptr - digits);
    const int exponent = decimal.exponent;  // the value is digits × 10^exponent
    const int scientificExponent = exponent + count - 1;
    const int exponentDigits = std::abs(scientificExponent) >= 100 ? 3 : 2;
    const int scientificLength = count + (count > 1 ? 1 : 0) + 2 + exponentDigits;
    const int plainLength = exponent >= 0 ? count + exponent : count + exponent > 0 ? count + 1 : 2 - exponent;

    const std::string_view all(digits, static_cast<std::size_t>(count));
    if (plainLength <= scientificLength) {
        if (exponent >= 0) {
            // A whole number is written with its exact digits, as to_chars
            // does; here it is below 10^23, so it fits in 128 bits.
            AppendWhole(out, static_cast<unsigned __int128>(magnitude));
        } else if (count + exponent > 0) {
            const auto whole = static_cast<std::size_t>(count + exponent);
            out.append(all.substr(0, whole)).append(".").append(all.substr(whole));
        } else {
            out.append("0.").append(static_cast<std::size_t>(-(count + exponent)), '0').append(all);
        }
        return out;
    }
    out += all[0];
    if (count > 1) out.append(".").append(all.substr(1));
    out += scientificExponent < 0 ? "e-" : "e+";
    const int power = std::abs(scientificExponent);
    if (power < 10) out += '0';
    out += std::to_string(power);
    return out;
}

std::string StepsJson(const StepList& steps) {
    std::string out = "[";
    for (const Step& step : steps) {
        if (out.size() > 1) out += ',';
        out += "{\"name\":";
        AppendJsonString(out, step.name);
        out += ",\"formula\":";
        AppendJsonString(out, step.formula);
        if (step.value) {
            out += ",\"value\":";
            AppendJsonString(out, ShortestText(*step.value));
        }
        if (step.unrounded) {
            out += ",\"unrounded\":";
            AppendJsonString(out, ShortestText(*step.unrounded));
        }
        if (step.error) out += ",\"error\":" + std::to_string(*step.error);
        out += '}';
    }
    out += ']';
    return out;
}

}  // namespace trelvani
