#pragma once

#include <string>
#include <string_view>

namespace trelvani {

// A teacher's statement with its layout kept in every document: a blank
// line (or one of blanks only) starts a new paragraph, a single line break
// breaks the line; breaks before the first line and after the last go.
// Each line is made safe as LatexText, MarkdownText and HtmlText make a
// text. LaTeX: "\par" and a medium skip between paragraphs, "\\" between
// lines, a tab set as a space. Markdown: a blank line between paragraphs, a
// backslash hard break between lines, which start at their first non-blank
// (indented, a line would open a code block). HTML: each paragraph a <p>,
// its lines broken by <br>.
std::string StatementAsLatex(std::string_view statement);
std::string StatementAsMarkdown(std::string_view statement);
std::string StatementAsHtml(std::string_view statement);

}  // namespace trelvani
