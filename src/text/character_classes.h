#pragma once

#include <string_view>

namespace trelvani {

// A decimal digit; only ASCII's, whatever the locale.
constexpr bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// Space, tab and either line break: the blanks around what someone typed,
// and JSON's white space.
constexpr bool IsBlankChar(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// True when `text` holds blanks only, or nothing.
constexpr bool AllBlank(std::string_view text) {
    for (char c : text) {
        if (!IsBlankChar(c)) return false;
    }
    return true;
}

// `text` without the blanks at either end.
constexpr std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlankChar(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlankChar(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace trelvani
