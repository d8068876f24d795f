#include <algorithm>

#include "study/decision/documents/worked_document.h"
#include "study/decision/documents/worked_notation.h"
#include "text/document_escapes.h"
#include "text/utf8.h"

namespace trelvani::decision {
namespace {

// The program's own words; the few symbols they use set as mathematics.
std::string LatexWords(std::string_view words) {
    std::string out = LatexProse(words);
    for (const auto& [symbol, latex] : {std::pair<std::string_view, std::string_view>{"⁻", "\\ensuremath{^{-}}"},
                                        {"λ", "\\ensuremath{\\lambda}"}}) {
        for (std::size_t at = out.find(symbol); at != std::string::npos; at = out.find(symbol, at + latex.size())) {
            out.replace(at, symbol.size(), latex);
        }
    }
    return out;
}

std::string Latex(const Line& line) {
    std::string out;
    for (const Piece& piece : line) {
        switch (piece.kind) {
        case PieceKind::Words: out += LatexWords(piece.text); break;
        case PieceKind::Typed: out += LatexText(piece.text); break;
        case PieceKind::Math: out += "$" + piece.latex + "$"; break;
        }
    }
    return out;
}

// A number as mathematics: a minus sign, and an exponent as a power of ten.
// Appended piece by piece: GCC 12 at -O3 takes a literal plus a temporary
// for an overlapping copy (-Wrestrict).
std::string LatexNumberText(const std::string& number) { return std::string("$").append(LatexNumber(number)).append("$"); }

std::string CellLatex(const TableCell& cell) {
    std::string out;
    switch (cell.kind) {
    case CellKind::Words: return LatexWords(cell.parts.empty() ? "" : cell.parts.front());
    case CellKind::Typed: return LatexText(cell.parts.empty() ? "" : cell.parts.front());
    case CellKind::Number: return LatexNumberText(cell.parts.front());
    case CellKind::Fuzzy:
        // A line may break after a comma, never inside a number.
        for (std::size_t i = 0; i < cell.parts.size(); ++i) out += (i > 0 ? ", " : "(") + LatexNumberText(cell.parts[i]);
        return out + ")";
    case CellKind::Entries:
        for (std::size_t i = 0; i < cell.parts.size(); ++i) out += (i > 0 ? "; " : "") + LatexText(cell.parts[i]);
        return out;
    }
    return out;
}

// Widths are reckoned in digits of the tables' \footnotesize (4.25 pt each), on
// a line of 345 pt.
constexpr double kDigit = 4.25;
constexpr double kLine = 345.0;
// Each column's padding (\tabcolsep of 3 pt each side) and rule.
constexpr double kColumnSpace = 6.4;

// Digits a number takes: its minus and its power of ten are wider.
double NumberDigits(std::string_view number) {
    return static_cast<double>(number.size()) + (number.starts_with('-') ? 1.0 : 0.0) +
           (number.find('e') != std::string_view::npos ? 3.0 : 0.0);
}

// The widest piece of a typed text: LatexText lets a line break after every
// eighth character and around a mark for a character the fonts lack.
double TypedLeast(std::string_view typed) {
    double least = 0;
    double run = 0;
    int count = 0;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const auto lead = static_cast<unsigned char>(typed[i]);
        if ((lead & 0xC0) == 0x80) continue;  // inside a character
        if (lead == ' ') {
            run = 0;
            count = 0;
            continue;
        }
        if (lead >= 0xC4) {  // beyond Latin-1: a framed "U+XXXX"
            least = std::max(least, 10.0);
            run = 0;
            count = 0;
            continue;
        }
        run += lead == 'W' || lead == 'M' || lead == 'm' || lead == 'w' ? 2.2 : (lead >= 'A' && lead <= 'Z') || lead >= 0x80 ? 1.8 : 1.3;
        least = std::max(least, run);
        if (++count == 8) {
            run = 0;
            count = 0;
        }
    }
    return least;
}

struct Width {
    double least = 0;    // what it cannot do with less
    double natural = 0;  // on one line
};

Width CellWidth(const TableCell& cell) {
    Width width;
    switch (cell.kind) {
    case CellKind::Words:
        for (const std::string& part : cell.parts) {
            std::size_t start = 0;
            for (std::size_t space = part.find(' '); start <= part.size(); space = part.find(' ', start)) {
                const std::size_t end = space == std::string::npos ? part.size() : space;
                const std::string_view word = std::string_view(part).substr(start, end - start);
                width.least = std::max(width.least, 1.6 * static_cast<double>(Utf8Length(word)) + 1);
                start = end + 1;
            }
            width.natural = std::max(width.natural, 1.35 * static_cast<double>(Utf8Length(part)) + 1);
        }
        break;
    case CellKind::Typed:
    case CellKind::Entries:
        for (const std::string& part : cell.parts) {
            width.least = std::max(width.least, TypedLeast(part));
            width.natural += 1.4 * static_cast<double>(Utf8Length(part)) + 2;
        }
        width.natural = std::max(width.natural, width.least);
        break;
    case CellKind::Number:
    case CellKind::Fuzzy:
        for (const std::string& part : cell.parts) {
            // A fuzzy number's with the bracket and comma beside it.
            width.least = std::max(width.least, NumberDigits(part) + (cell.kind == CellKind::Fuzzy ? 1.5 : 0.5));
            width.natural += NumberDigits(part) + 1.5;
        }
        width.natural += 1;
        break;
    }
    return width;
}

// The columns of each part of a table too wide for the line, the first
// (the rows' names) in every part, and their widths in points.
struct Part {
    std::vector<std::size_t> columns;
    std::vector<double> widths;
};

std::vector<Part> PartsOf(const Table& table) {
    std::vector<Width> columns(table.header.size());
    const auto widen = [&](const std::vector<TableCell>& cells) {
        for (std::size_t i = 0; i < cells.size() && i < columns.size(); ++i) {
            const Width width = CellWidth(cells[i]);
            columns[i].least = std::max(columns[i].least, width.least * kDigit);
            columns[i].natural = std::max(columns[i].natural, width.natural * kDigit);
        }
    };
    widen(table.header);
    for (const auto& row : table.rows) widen(row);
    // The names keep to a sixth of the line, wrapping if longer.
    columns[0].natural = std::max(std::min(columns[0].natural, kLine / 6), columns[0].least);

    const double room = kLine - 2;
    const auto space = [&](const std::vector<std::size_t>& part, bool natural) {
        double sum = 0;
        for (std::size_t column : part) sum += (natural ? columns[column].natural : columns[column].least) + kColumnSpace;
        return sum;
    };
    std::vector<Part> parts;
    for (std::size_t next = 1; next < columns.size();) {
        Part part{{0, next++}, {}};
        while (next < columns.size()) {
            std::vector<std::size_t> wider = part.columns;
            wider.push_back(next);
            if (space(wider, false) > room) break;
            part.columns = std::move(wider);
            ++next;
        }
        parts.push_back(std::move(part));
    }
    // As many parts, as even as they can be: 2 and 2 columns rather than 3 and 1.
    std::vector<Part> even(parts.size());
    const std::size_t data = columns.size() - 1;
    for (std::size_t p = 0, next = 1; p < even.size(); ++p) {
        even[p].columns = {0};
        for (std::size_t k = 0; k < data / even.size() + (p < data % even.size() ? 1 : 0); ++k) even[p].columns.push_back(next++);
    }
    if (std::all_of(even.begin(), even.end(), [&](const Part& part) { return space(part.columns, false) <= room; })) {
        parts = std::move(even);
    }
    for (Part& part : parts) {
        const std::size_t count = part.columns.size();
        std::vector<std::size_t> byWant(count);
        for (std::size_t i = 0; i < count; ++i) {
            byWant[i] = i;
            part.widths.push_back(columns[part.columns[i]].least);
        }
        const auto want = [&](std::size_t i) { return columns[part.columns[i]].natural - columns[part.columns[i]].least; };
        std::stable_sort(byWant.begin(), byWant.end(), [&](std::size_t a, std::size_t b) { return want(a) < want(b); });
        // What the line has beyond the least goes first to the columns that
        // want least more, so that short cells stay on one line.
        double left = std::max(0.0, room - space(part.columns, false));
        for (std::size_t k = 0; k < count; ++k) {
            const double given = std::min(std::max(0.0, want(byWant[k])), left / static_cast<double>(count - k));
            part.widths[byWant[k]] += given;
            left -= given;
        }
    }
    return parts;
}

std::string TableLatex(const Table& table) {
    std::string out;
    const std::vector<Part> parts = PartsOf(table);
    const std::size_t dataColumns = table.header.size() - 1;
    for (const Part& part : parts) {
        std::string title = table.title;
        if (parts.size() > 1) {
            title += " (columnas " + std::to_string(part.columns[1]) + " a " + std::to_string(part.columns.back()) + " de " +
                     std::to_string(dataColumns) + ")";
        }
        out += "\\par\\medskip\\noindent\\textbf{" + LatexWords(title) + "}\\par\\nopagebreak\n{\\footnotesize\n";
        out += "\\begin{longtable}{|";
        for (double width : part.widths) {
            // As ten-thousandths of the line, so the table never outgrows it.
            const auto share = static_cast<long>(width / kLine * 10000);
            out += "p{\\dimexpr\\linewidth*" + std::to_string(share) + "/10000\\relax}|";
        }
        out += "}\n\\hline\n";
        const auto row = [&](const std::vector<TableCell>& cells) {
            for (std::size_t i = 0; i < part.columns.size(); ++i) {
                out += i == 0 ? "\\raggedright " : " & \\raggedright ";
                if (part.columns[i] < cells.size()) out += CellLatex(cells[part.columns[i]]);
            }
            out += " \\tabularnewline\\hline\n";
        };
        row(table.header);
        out += "\\endhead\n";
        for (const auto& cells : table.rows) row(cells);
        out += "\\end{longtable}}\n";
    }
    return out;
}

// The tables' settings: flush left, narrow padding.
constexpr std::string_view kTableSettings =
    "\\setlength{\\LTleft}{0pt}\n\\setlength{\\LTright}{0pt plus 1fill}\n\\setlength{\\tabcolsep}{3pt}\n";

std::string Sections(const WorkedDocument& document, int depth) {
    constexpr std::string_view kHeadings[] = {"section*", "subsection*", "subsubsection*", "paragraph*", "subparagraph*"};
    const auto heading = [&](int level) { return std::string(kHeadings[std::min(level, 4)]); };
    std::string out;
    if (!document.title.empty()) {
        out.append("\\").append(heading(depth)).append("{\\raggedright ").append(LatexWords(document.title)).append("}\n");
    }
    for (const Section& section : document.sections) {
        out.append("\\").append(heading(depth + 1)).append("{\\raggedright ").append(LatexWords(section.heading)).append("}\n");
        for (const Block& block : section.blocks) {
            switch (block.kind) {
            case BlockKind::Paragraph:
                for (const Line& line : block.lines) out += "{\\raggedright " + Latex(line) + "\\par}\n";
                break;
            case BlockKind::Formulas:
                // Ragged right: a long formula breaks after its operators and commas.
                out += "\\begin{list}{}{\\setlength{\\leftmargin}{1.5em}}\\raggedright\n";
                for (const Line& line : block.lines) out += "\\item[] " + Latex(line) + "\n";
                out += "\\end{list}\n";
                break;
            case BlockKind::Table: out += TableLatex(block.table); break;
            case BlockKind::Ranking:
                out += "\\begin{enumerate}\\raggedright\n";
                for (const Line& line : block.lines) out += "\\item " + Latex(line) + "\n";
                out += "\\end{enumerate}\n";
                break;
            }
        }
    }
    return out;
}

}  // namespace

std::string WorkedAsLatex(const WorkedDocument& document) {
    // Only the base and recommended packages: a teacher's TeX Live has them.
    std::string out =
        "\\documentclass[a4paper]{article}\n\\usepackage[T1]{fontenc}\n\\usepackage{lmodern}\n"
        "\\usepackage{amsmath}\n";
    out.append(kWorkedLatexPackage).append(kTableSettings).append("\\begin{document}\n");
    return out + Sections(document, 0) + "\\end{document}\n";
}

std::string WorkedLatexBody(const WorkedDocument& document, int depth) {
    // The settings kept to a group, so the holder's own tables keep theirs.
    return std::string("{").append(kTableSettings).append(Sections(document, depth)).append("}\n");
}

}  // namespace trelvani::decision
