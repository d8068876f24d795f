#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace trelvani {

// The text of one number, at most 24 characters, held without allocating.
class NumberText {
public:
    static constexpr std::size_t kCapacity = 24;

    void push_back(char c) { buffer_[size_++] = c; }
    void append(std::string_view part) {
        for (char c : part) push_back(c);
    }
    void append(std::size_t count, char c) {
        while (count-- > 0) push_back(c);
    }

    std::string_view view() const { return {buffer_.data(), size_}; }
    operator std::string_view() const { return view(); }
    std::string str() const { return std::string(view()); }

private:
    std::array<char, kCapacity> buffer_{};
    std::size_t size_ = 0;
};

// The text a box shows for a value: a sign position (a blank, or '-' for a
// negative value), then the value rounded to 15 significant digits for a
// double or 7 for a single, ties away from zero, without trailing zeros and
// without a leading zero before the point. Large and very small magnitudes
// take exponent form (1E+20, 5.6789E-12). The period is always the decimal
// separator, whatever the locale.
NumberText NumberToText(double value);
NumberText NumberToText(float value);

// Precision comes from the argument's type only.
NumberText NumberToText(long double) = delete;
NumberText NumberToText(int) = delete;

}  // namespace trelvani
