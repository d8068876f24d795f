// NumberToText on arbitrary bit patterns of doubles and floats: the text
// keeps to the box grammar, and reads back as the value rounded to 15 (or 7)
// significant digits, ties away from zero.
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "core/number_to_text.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

bool Digits(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

struct Rounded {
    std::string digits;  // no trailing zeros
    int exponent;        // of the first digit
};

// The exact expansion rounded half away from zero, done on the full text.
Rounded RoundedReference(double value, int significant) {
    std::array<char, 900> exact{};
    const auto end = std::to_chars(exact.data(), exact.data() + exact.size(), std::fabs(value),
                                   std::chars_format::scientific, 800).ptr;
    const std::string_view text(exact.data(), static_cast<std::size_t>(end - exact.data()));
    std::string digits(1, text[0]);
    digits.append(text.substr(2, static_cast<std::size_t>(significant - 1)));
    int exponent = std::atoi(text.data() + text.find('e') + 1);
    if (text[static_cast<std::size_t>(significant) + 1] >= '5') {
        int i = significant - 1;
        while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') digits[static_cast<std::size_t>(i--)] = '0';
        if (i < 0) {
            digits.insert(digits.begin(), '1');
            ++exponent;
        } else {
            ++digits[static_cast<std::size_t>(i)];
        }
    }
    digits.erase(digits.find_last_not_of('0') + 1);
    return {digits, exponent};
}

void CheckText(double value, const std::string& text, int significant) {
    Check(text.size() >= 2);
    Check(text[0] == (std::signbit(value) && value != 0 ? '-' : ' '));
    const std::string_view body = std::string_view(text).substr(1);
    if (value == 0) {
        Check(body == "0");
        return;
    }
    int kept = 0;
    int firstExponent = 0;
    std::string shownDigits;
    const std::size_t e = body.find('E');
    if (e != std::string_view::npos) {
        const std::string_view mantissa = body.substr(0, e);
        const std::string_view exponent = body.substr(e + 1);
        Check(exponent.size() >= 3 && (exponent[0] == '+' || exponent[0] == '-') && Digits(exponent.substr(1)));
        Check(mantissa.size() == 1 || (mantissa.size() >= 3 && mantissa[1] == '.'));
        Check(Digits(mantissa.substr(0, 1)) && mantissa[0] != '0');
        if (mantissa.size() > 1) Check(Digits(mantissa.substr(2)) && mantissa.back() != '0');
        kept = static_cast<int>(mantissa.size() == 1 ? 1 : mantissa.size() - 1);
        shownDigits = std::string(1, mantissa[0]) + std::string(mantissa.size() > 1 ? mantissa.substr(2) : "");
        firstExponent = std::atoi(std::string(exponent).c_str());
        const bool allowed = firstExponent >= significant ||
                             (firstExponent < -4 && -firstExponent + std::max(kept - 2, 0) >= significant);
        Check(allowed);
    } else {
        const std::size_t point = body.find('.');
        const std::string_view integer = body.substr(0, point);
        const std::string_view fraction = point == std::string_view::npos ? "" : body.substr(point + 1);
        Check(integer.empty() || (Digits(integer) && integer[0] != '0'));
        if (point != std::string_view::npos) Check(Digits(fraction) && fraction.back() != '0');
        std::string all = std::string(integer) + std::string(fraction);
        const std::size_t lead = all.find_first_not_of('0');
        Check(lead != std::string::npos);
        std::size_t last = all.find_last_not_of('0');
        kept = static_cast<int>(last - lead + 1);
        shownDigits = all.substr(lead, last - lead + 1);
        firstExponent = integer.empty() ? -static_cast<int>(lead) - 1 : static_cast<int>(integer.size()) - 1;
        const bool allowed = (firstExponent >= -4 && firstExponent < significant) ||
                             (firstExponent < -4 && -firstExponent + std::max(kept - 2, 0) < significant);
        Check(allowed);
    }
    Check(kept >= 1 && kept <= significant);
    const Rounded expected = RoundedReference(value, significant);
    Check(shownDigits == expected.digits);
    Check(firstExponent == expected.exponent);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        const std::string text = trelvani::NumberToText(value).str();
        if (std::isfinite(value)) CheckText(value, text, 15);
    }
    if (size >= sizeof(float)) {
        float value;
        std::memcpy(&value, data + (size >= 12 ? 8 : 0), sizeof value);
        const std::string text = trelvani::NumberToText(value).str();
        if (std::isfinite(value)) CheckText(static_cast<double>(value), text, 7);
    }
    return 0;
}
