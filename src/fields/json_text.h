#pragma once

#include <string>
#include <string_view>

namespace trelvani {

// A text of the program's own (a name, a formula, a caption) as a JSON
// string. Such texts hold no control characters, so only quotes and
// backslashes need escaping.
inline void AppendJsonString(std::string& out, std::string_view text) {
    out += '"';
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    out += '"';
}

}  // namespace trelvani
