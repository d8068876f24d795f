#include "text/statement_layout.h"

#include <algorithm>
#include <vector>

#include "text/document_escapes.h"
#include "text/markup_escapes.h"

namespace trelvani {
namespace {

constexpr std::string_view kBlanks = " \t";

// The statement's paragraphs, each the lines it holds.
using Lines = std::vector<std::string_view>;
std::vector<Lines> StatementParagraphs(std::string_view statement) {
    std::vector<Lines> paragraphs(1);
    for (std::size_t at = 0;;) {
        const std::size_t end = std::min(statement.find_first_of("\r\n", at), statement.size());
        std::string_view line = statement.substr(at, end - at);
        const bool last = end == statement.size();
        // Blanks before a break would only push the line out.
        if (!last) line = line.substr(0, line.find_last_not_of(kBlanks) + 1);
        if (line.find_first_not_of(kBlanks) == std::string_view::npos) {
            if (!paragraphs.back().empty()) paragraphs.emplace_back();
        } else {
            paragraphs.back().push_back(line);
        }
        if (last) break;
        at = end + (statement.substr(end, 2) == "\r\n" ? 2 : 1);
    }
    if (paragraphs.back().empty()) paragraphs.pop_back();
    return paragraphs;
}

template <class Line>
std::string Joined(std::string_view statement, std::string_view lineBreak, std::string_view paragraphBreak, Line line) {
    std::string out;
    for (const Lines& paragraph : StatementParagraphs(statement)) {
        if (!out.empty()) out += paragraphBreak;
        for (std::size_t i = 0; i < paragraph.size(); ++i) {
            if (i > 0) out += lineBreak;
            out += line(paragraph[i]);
        }
    }
    return out;
}

}  // namespace

std::string StatementAsLatex(std::string_view statement) {
    // "{}" keeps a line that starts with '*' or '[' from reading as the
    // break's argument; ragged text has no indent, so a paragraph shows by
    // the space before it.
    return Joined(statement, "\\\\{}\n", "\\par\\medskip\n", [](std::string_view line) {
        std::string spaced(line);
        std::replace(spaced.begin(), spaced.end(), '\t', ' ');
        return LatexText(spaced);
    });
}

std::string StatementAsMarkdown(std::string_view statement) {
    return Joined(statement, "\\\n", "\n\n", [](std::string_view line) {
        return MarkdownText(line.substr(std::min(line.find_first_not_of(kBlanks), line.size())));
    });
}

std::string StatementAsHtml(std::string_view statement) {
    const std::string body = Joined(statement, "<br>\n", "</p>\n<p>", [](std::string_view line) { return HtmlText(line); });
    return body.empty() ? body : "<p>" + body + "</p>\n";
}

}  // namespace trelvani
