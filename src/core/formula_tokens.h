#pragma once

#include <cstddef>
#include <string_view>

#include "text/character_classes.h"

// A step's formula read token by token: the one reading of the handlers'
// formulas, for laying them out and for putting values in them. It also
// reads a formula whose names were replaced by values ("1e+16", "(-0.5)").
// Header-only, so that it compiles as each caller does (with or without
// exceptions in WebAssembly).
namespace trelvani {

enum class FormulaPart {
    Name,    // a letter, then letters and digits: "x1", "wXY", "M"
    Number,  // digits and points, then perhaps an exponent: "0.5", "1e+16"
    Root,    // "√", applied to the name or number right after it
    Symbol,  // any other byte: operators, parentheses, blanks
};

struct FormulaToken {
    FormulaPart part;
    std::string_view text;
};

inline constexpr std::string_view kRootSign = "\u221a";

constexpr bool IsFormulaLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The token that starts at `at`, which is inside `formula`.
constexpr FormulaToken FormulaTokenAt(std::string_view formula, std::size_t at) {
    const auto c = [&](std::size_t k) { return k < formula.size() ? formula[k] : '\0'; };
    std::size_t end = at;
    FormulaPart part = FormulaPart::Symbol;
    if (formula.substr(at, kRootSign.size()) == kRootSign) {
        part = FormulaPart::Root;
        end += kRootSign.size();
    } else if (IsFormulaLetter(c(at))) {
        part = FormulaPart::Name;
        while (IsFormulaLetter(c(end)) || IsAsciiDigit(c(end))) ++end;
    } else if (IsAsciiDigit(c(at)) || c(at) == '.') {
        part = FormulaPart::Number;
        while (IsAsciiDigit(c(end)) || c(end) == '.') ++end;
        if (c(end) == 'e') {
            end += c(end + 1) == '-' || c(end + 1) == '+' ? 2 : 1;
            while (IsAsciiDigit(c(end))) ++end;
        }
    } else {
        ++end;
    }
    return {part, formula.substr(at, end - at)};
}

}  // namespace trelvani
