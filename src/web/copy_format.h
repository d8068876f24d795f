#pragma once

#include <array>
#include <string_view>

namespace trelvani {

// The copies the study module writes, numbered as the page asks for them.
enum class CopyFormat { Text = 0, Markdown = 1, Latex = 2, Csv = 3, Exercises = 4 };

struct NamedCopyFormat {
    std::string_view name;  // as the page's scripts call it
    CopyFormat format;
};

inline constexpr std::array<NamedCopyFormat, 5> kCopyFormats = {{
    {"text", CopyFormat::Text},
    {"markdown", CopyFormat::Markdown},
    {"latex", CopyFormat::Latex},
    {"csv", CopyFormat::Csv},
    {"exercises", CopyFormat::Exercises},
}};

}  // namespace trelvani
