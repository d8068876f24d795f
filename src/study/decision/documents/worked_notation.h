#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "study/decision/documents/worked_document.h"

namespace trelvani::decision {

// "₁₂" for 12.
std::string SubscriptDigits(std::size_t number);

// A formula written at once as plain text ("r̃₁₁ = (5 / 9.7, …)") and as
// LaTeX mathematics that may break after its operators and commas.
class Notation {
public:
    // A value as ShortestText writes it; in LaTeX an exponent is × 10^k.
    Notation& Number(double value);
    Notation& Count(std::size_t count);
    // A quantity's symbol: the letter, a tilde over a fuzzy one, its
    // superscript ("*" or "-") and its indices, counted from 1.
    Notation& Symbol(std::string_view letter, bool fuzzy, std::string_view superscript,
                     std::initializer_list<std::size_t> indices);
    // Text the same in both forms, such as "(" or "max".
    Notation& Plain(std::string_view text);
    Notation& Both(std::string_view text, std::string_view latex);

    Notation& Equals();
    // "≈" where the result was rounded to the problem's decimals.
    Notation& Result(bool rounded);
    Notation& Operator(std::string_view text, std::string_view latex);  // " + ", " · ", …
    Notation& Comma();
    // (a, b, c, d)
    Notation& Tuple(const Fuzzy& value);
    // The values joined by an operator, left to right: "5 + 7 + 5".
    Notation& Joined(const std::vector<double>& values, std::string_view text, std::string_view latex);

    Piece Done() const { return {PieceKind::Math, text_, latex_}; }

private:
    std::string text_;
    std::string latex_;
};

}  // namespace trelvani::decision
