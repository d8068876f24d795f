#pragma once

#include <cstddef>
#include <string_view>

namespace trelvani {

// One UTF-8 character as read at a place in a text. A byte that does not
// start a well-formed character (an overlong form, a surrogate, past
// U+10FFFF, or cut short) reads as U+FFFD, one byte long.
struct Utf8Character {
    char32_t code = 0xFFFD;
    std::size_t length = 1;
    bool wellFormed = false;
};

// The character starting at `at`, which is inside `text`.
Utf8Character Utf8CharacterAt(std::string_view text, std::size_t at);

// True when every byte belongs to a well-formed character.
bool IsUtf8(std::string_view text);

// How many characters a text shows: its bytes that start one ("ñ" is one).
std::size_t Utf8Length(std::string_view text);

}  // namespace trelvani
