#include "random_texts.h"

#include <array>
#include <string_view>

namespace trelvani::testing {
namespace {

constexpr std::array<std::string_view, 18> kPieces = {
    " ", "\t", "\n", "+", "-", ".", ",", "e", "E", "d", "D", "&H", "x", "0,5", "ñ", "1e39", "\r", "--",
};

}  // namespace

std::string RandomTexts::Number() {
    std::string text;
    if (Below(3) == 0) text.push_back(Below(2) == 0 ? '-' : '+');
    const auto digits = 1 + Below(Below(8) == 0 ? 30 : 5);
    for (std::uint64_t i = 0; i < digits; ++i) text.push_back(static_cast<char>('0' + Below(10)));
    if (Below(2) == 0) {
        text.push_back('.');
        for (auto i = Below(6); i > 0; --i) text.push_back(static_cast<char>('0' + Below(10)));
    }
    if (Below(3) == 0) {
        text.push_back("EeDd"[Below(4)]);
        if (Below(2) == 0) text.push_back(Below(2) == 0 ? '-' : '+');
        // Mostly small exponents, sometimes near or past either range.
        const auto exponent = Below(4) == 0 ? 30 + Below(300) : Below(12);
        text += std::to_string(exponent);
    }
    return text;
}

std::string RandomTexts::Next() {
    switch (Below(8)) {
    case 0:
        return "";
    case 1:
        return std::string(kPieces[Below(kPieces.size())]);
    case 2: {
        std::string mixed;
        for (auto i = 1 + Below(5); i > 0; --i) {
            mixed += Below(2) == 0 ? Number() : std::string(kPieces[Below(kPieces.size())]);
        }
        return mixed;
    }
    default:
        return Number();
    }
}

}  // namespace trelvani::testing
