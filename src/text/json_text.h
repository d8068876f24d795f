#pragma once

#include <string>
#include <string_view>

namespace trelvani {

// A UTF-8 text as a JSON string: quotes, backslashes and control
// characters escaped.
inline void AppendJsonString(std::string& out, std::string_view text) {
    out += '"';
    for (char c : text) {
        if (static_cast<unsigned char>(c) < 0x20) {
            constexpr char kHex[] = "0123456789abcdef";
            out += "\\u00";
            out += kHex[(c >> 4) & 0xF];
            out += kHex[c & 0xF];
            continue;
        }
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    out += '"';
}

}  // namespace trelvani
