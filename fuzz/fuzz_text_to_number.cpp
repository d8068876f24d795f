// TextToNumber on arbitrary bytes, against a slower reading written
// separately: drop every blank, take the longest valid prefix, convert once.
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "core/runtime_error.h"
#include "core/text_to_number.h"

namespace {

bool Digit(char c) { return c >= '0' && c <= '9'; }

// nullopt stands for the overflow error.
std::optional<double> Reference(std::string_view text) {
    std::string s;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') s.push_back(c);
    }
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    const std::size_t mantissaStart = i;
    std::size_t digits = 0;
    bool period = false;
    for (; i < s.size(); ++i) {
        if (Digit(s[i])) {
            ++digits;
        } else if (s[i] == '.' && !period) {
            period = true;
        } else {
            break;
        }
    }
    if (digits == 0) return 0.0;
    std::string mantissa = s.substr(mantissaStart, i - mantissaStart);
    long long exponent = 0;
    std::string exponentText;
    if (i < s.size() && s[i] != '\0' && std::strchr("EeDd", s[i]) != nullptr) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) negativeExponent = s[j++] == '-';
        const std::size_t exponentStart = j;
        while (j < s.size() && Digit(s[j])) ++j;
        if (j > exponentStart) {
            exponentText = (negativeExponent ? "-" : "") + s.substr(exponentStart, j - exponentStart);
            for (std::size_t k = exponentStart; k < j; ++k) {
                exponent = std::min(exponent * 10 + (s[k] - '0'), 1'000'000'000'000LL);
            }
            if (negativeExponent) exponent = -exponent;
        }
    }
    std::string whole = (negative ? "-" : "") + mantissa + (exponentText.empty() ? "" : "e" + exponentText);
    double value = 0;
    const auto result = std::from_chars(whole.data(), whole.data() + whole.size(), value);
    if (result.ec != std::errc::result_out_of_range) return value;
    // Out of range: huge when the first significant digit stands left of
    // the units place once the exponent is applied.
    const std::size_t point = mantissa.find('.');
    const std::string integer = mantissa.substr(0, point);
    const std::size_t firstNonZero = integer.find_first_not_of('0');
    long long position;
    if (firstNonZero != std::string::npos) {
        position = static_cast<long long>(integer.size() - firstNonZero) - 1;
    } else {
        const std::string fraction = point == std::string::npos ? "" : mantissa.substr(point + 1);
        position = -static_cast<long long>(fraction.find_first_not_of('0')) - 1;
    }
    if (position + exponent > 0) return std::nullopt;
    return negative ? -0.0 : 0.0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::optional<double> actual;
    try {
        actual = trelvani::TextToNumber(text);
    } catch (const trelvani::RuntimeError& error) {
        if (error.code() != 6) std::abort();
    }
    const std::optional<double> expected = Reference(text);
    if (actual.has_value() != expected.has_value()) std::abort();
    if (actual && std::memcmp(&*actual, &*expected, sizeof(double)) != 0) std::abort();
    return 0;
}
