#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace trelvani {

// The numbers of a JSON line as written, in order: the lexer hands them on
// only as values, and "2.50" must stay "2.50", "-0" stay negative.
inline std::vector<std::string> NumberTexts(std::string_view line) {
    std::vector<std::string> numbers;
    for (std::size_t i = 0; i < line.size();) {
        const char c = line[i];
        if (c == '"') {
            for (++i; i < line.size() && line[i] != '"'; ++i) {
                if (line[i] == '\\') ++i;
            }
            ++i;
        } else if (c == '-' || (c >= '0' && c <= '9')) {
            const std::size_t start = i;
            while (i < line.size() && (std::string_view("0123456789+-.eE").find(line[i]) != std::string_view::npos)) ++i;
            numbers.emplace_back(line.substr(start, i - start));
        } else {
            ++i;
        }
    }
    return numbers;
}

}  // namespace trelvani
