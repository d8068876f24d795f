#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "study/decision/solution.h"

namespace trelvani::decision {

// A worked solution before it is written in a format: what every format
// shows, in the same order and the same words.

// A run of a line: the program's own words, a name or entry as typed, or
// notation with its plain form (Unicode sub- and superscripts) and its LaTeX
// mathematics.
enum class PieceKind { Words, Typed, Math };
struct Piece {
    PieceKind kind = PieceKind::Words;
    std::string text;
    std::string latex;  // Math only
};
using Line = std::vector<Piece>;

// A table's cell: words of the program's own, a typed name, one number, a
// fuzzy number's four components, or a cell's entries as typed, one per
// decision maker.
enum class CellKind { Words, Typed, Number, Fuzzy, Entries };
struct TableCell {
    CellKind kind = CellKind::Words;
    std::vector<std::string> parts;
};
// The first column names the rows; every row has as many cells as the header.
struct Table {
    std::string title;
    std::vector<TableCell> header;
    std::vector<std::vector<TableCell>> rows;
};

// A paragraph, a worked formula (each on a line of its own), a table, or
// the ranking (one line per place, best first).
enum class BlockKind { Paragraph, Formulas, Table, Ranking };
struct Block {
    BlockKind kind = BlockKind::Paragraph;
    std::vector<Line> lines;
    Table table;
};
struct Section {
    std::string heading;
    std::vector<Block> blocks;
};
struct WorkedDocument {
    std::string title;
    std::vector<Section> sections;
};

WorkedDocument WorkedDocumentOf(const Problem& problem, const Solution& solution);
// What a student is given before solving: the data as typed and the
// conventions in words, the worked solution's first two sections; no title.
WorkedDocument ProblemDocumentOf(const Problem& problem);

// A cell as one text: "(0.5, 0.7, 0.7, 0.9)", "MDB; B; (1, 2, 3)".
std::string CellText(const TableCell& cell);
// A line's plain text, its notation in Unicode.
std::string LineText(const Line& line);

std::string WorkedAsText(const WorkedDocument& document);
std::string WorkedAsMarkdown(const WorkedDocument& document);
std::string WorkedAsLatex(const WorkedDocument& document);
std::string WorkedAsHtml(const WorkedDocument& document);

// The same inside a document of another's, its title (if any) one heading
// level below `depth` levels of the holder's: depth 0 is the document's own.
// The holder loads the LaTeX package, and in HTML the style, given here.
inline constexpr std::string_view kWorkedLatexPackage = "\\usepackage{longtable}\n";
extern const std::string_view kWorkedHtmlStyle;
std::string WorkedLatexBody(const WorkedDocument& document, int depth);
std::string WorkedMarkdownBody(const WorkedDocument& document, int depth);
std::string WorkedHtmlBody(const WorkedDocument& document, int depth);

}  // namespace trelvani::decision
