#include "core/text_to_number.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>

#include "core/floating_charconv.h"
#include "core/runtime_error.h"
#include "text/character_classes.h"

namespace trelvani {
namespace {

bool IsSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// Walks the text, skipping blanks, and collects the number it begins with
// in the form std::from_chars takes.
class NumberScanner {
public:
    explicit NumberScanner(std::string_view text) : text_(text) {}

    void Scan() {
        SkipBlanks();
        if (At('+') || At('-')) {
            negative_ = Peek() == '-';
            Advance();
        }
        if (negative_) compact_.push_back('-');
        ScanMantissa();
        if (significantDigits_ + leadingZeros_ == 0) return;
        if (At('E') || At('e') || At('D') || At('d')) ScanExponent();
    }

    bool HasNumber() const { return significantDigits_ + leadingZeros_ > 0; }
    // Whether nothing but blanks follows what was read.
    bool ReadToTheEnd() const {
        std::size_t at = readEnd_;
        while (at < text_.size() && IsSkipped(text_[at])) ++at;
        return at == text_.size();
    }
    bool Negative() const { return negative_; }
    const std::string& Compact() const { return compact_; }

    // Decimal exponent of the first non-zero digit, saturated well past
    // the double range; only its sign is needed to tell overflow from
    // underflow.
    std::int64_t LeadingExponent() const { return leadingPosition_ + exponent_; }

private:
    void ScanMantissa() {
        bool seenPeriod = false;
        for (SkipBlanks(); position_ < text_.size(); SkipBlanks()) {
            const char c = Peek();
            if (c == '.' && !seenPeriod) {
                seenPeriod = true;
                compact_.push_back('.');
            } else if (IsAsciiDigit(c)) {
                if (c == '0' && significantDigits_ == 0) {
                    ++leadingZeros_;
                    if (seenPeriod) --leadingPosition_;
                } else {
                    if (seenPeriod ? significantDigits_ == 0 : significantDigits_ > 0) {
                        leadingPosition_ += seenPeriod ? -1 : 1;
                    }
                    ++significantDigits_;
                }
                compact_.push_back(c);
            } else {
                break;
            }
            Advance();
        }
        // A lone period, or a sign with nothing after it, is no number.
        if (significantDigits_ + leadingZeros_ == 0) {
            compact_.clear();
        } else {
            readEnd_ = position_;
        }
    }

    void ScanExponent() {
        const std::size_t mantissaEnd = compact_.size();
        Advance();
        SkipBlanks();
        bool negativeExponent = false;
        if (At('+') || At('-')) {
            negativeExponent = Peek() == '-';
            Advance();
            SkipBlanks();
        }
        std::string digits;
        std::int64_t value = 0;
        for (; position_ < text_.size() && IsAsciiDigit(Peek()); Advance(), SkipBlanks()) {
            digits.push_back(Peek());
            if (value < kExponentCap) value = value * 10 + (Peek() - '0');
        }
        if (digits.empty()) {
            // A letter with no digits after it is ignored.
            compact_.resize(mantissaEnd);
            return;
        }
        compact_.push_back('e');
        if (negativeExponent) compact_.push_back('-');
        compact_ += digits;
        exponent_ = negativeExponent ? -value : value;
        readEnd_ = position_;
    }

    void SkipBlanks() {
        while (position_ < text_.size() && IsSkipped(text_[position_])) ++position_;
    }
    bool At(char c) const { return position_ < text_.size() && text_[position_] == c; }
    char Peek() const { return text_[position_]; }
    void Advance() { ++position_; }

    static constexpr std::int64_t kExponentCap = 1'000'000'000;

    std::string_view text_;
    std::size_t position_ = 0;
    std::size_t readEnd_ = 0;
    std::string compact_;
    bool negative_ = false;
    std::size_t significantDigits_ = 0;
    std::size_t leadingZeros_ = 0;
    std::int64_t leadingPosition_ = 0;
    std::int64_t exponent_ = 0;
};

constexpr std::array<bool, 256> kNeedsScanner = [] {
    std::array<bool, 256> table{};
    for (char c : {' ', '\t', '\n', 'D', 'd'}) table[static_cast<unsigned char>(c)] = true;
    return table;
}();

// Most texts are plain numbers, often after a sign blank (" 6", "-2.5",
// "1e-3"): from_chars reads those whole by the same rules, so the scanner is
// only needed for blanks inside, a '+' sign, a D exponent, or a value out
// of range.
std::optional<double> ReadPlain(std::string_view text) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) return std::nullopt;
    text.remove_prefix(start);
    const std::size_t first = text.front() == '-' ? 1 : 0;
    if (first >= text.size() || !(IsAsciiDigit(text[first]) || text[first] == '.')) return std::nullopt;
    for (char c : text) {
        if (kNeedsScanner[static_cast<unsigned char>(c)]) return std::nullopt;
    }
    double value = 0.0;
    if (ReadDouble(text.data(), text.data() + text.size(), value).ec != std::errc{}) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

double TextToNumber(std::string_view text) {
    if (const auto plain = ReadPlain(text)) return *plain;
    NumberScanner scanner(text);
    scanner.Scan();
    if (!scanner.HasNumber()) return 0.0;

    const std::string& compact = scanner.Compact();
    double value = 0.0;
    const auto [end, error] =
        ReadDouble(compact.data(), compact.data() + compact.size(), value);
    if (error == std::errc::result_out_of_range) {
        // from_chars leaves the value unset for both directions.
        if (scanner.LeadingExponent() > 0) Raise(ErrorNumber::Overflow);
        return scanner.Negative() ? -0.0 : 0.0;
    }
    // The scanner builds only texts that from_chars accepts whole.
    (void)end;
    return value;
}

bool ReadsWhole(std::string_view text) {
    NumberScanner scanner(text);
    scanner.Scan();
    return scanner.ReadToTheEnd();
}

}  // namespace trelvani
