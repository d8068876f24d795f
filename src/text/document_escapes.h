#pragma once

#include <string>
#include <string_view>

namespace trelvani {

// Texts as typed, made safe for the document they go into: nothing in them
// can take a meaning there, and each reads back as it was typed.

// For pdflatex with T1 fonts, with or without Spanish babel (which makes
// `< > "` active). No ligature or smart quote forms; spaces kept one by one;
// α set as the mathematical letter; any other character pdflatex cannot
// set becomes a visible "U+XXXX" mark. A long
// text may break across lines every few characters, and its source lines
// end in '%', so none outgrows TeX's input buffer.
std::string LatexText(std::string_view typed);

// A sentence of the program's own for LaTeX: its specials escaped, its
// spaces left to break and stretch as in any prose.
std::string LatexProse(std::string_view sentence);

// A number as the program writes it, as LaTeX mathematics: "1e+16" is
// 1 \cdot 10^{16}, "-2.5e-07" is -2.5 \cdot 10^{-7}.
std::string LatexNumber(std::string_view number);

// For pandoc's Markdown and GitHub's alike: every ASCII punctuation
// character escaped, so no emphasis, link, entity, math or emoji forms;
// line breaks and tabs become spaces, other control characters U+FFFD.
std::string MarkdownText(std::string_view typed);

// One row of a Markdown pipe table, each cell's text as typed.
template <class Cells>
std::string MarkdownRow(const Cells& cells) {
    std::string row = "|";
    for (const auto& cell : cells) row.append(" ").append(MarkdownText(cell)).append(" |");
    return row.append("\n");
}

// One quoted CSV field that a spreadsheet opens as text, never as a
// formula; a plain number, as the calculator writes numbers, stays a number.
std::string CsvField(std::string_view typed);
void AppendCsvField(std::string& out, std::string_view typed);

}  // namespace trelvani
