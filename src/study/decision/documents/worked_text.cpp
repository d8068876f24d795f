#include <algorithm>

#include "study/decision/documents/worked_document.h"
#include "text/utf8.h"

namespace trelvani::decision {
namespace {

// A typed text on a line of its own: line breaks and tabs as spaces, other
// control characters (a terminal's escapes among them) as U+FFFD.
std::string PlainTyped(std::string_view typed) {
    std::string out;
    for (const char c : typed) {
        if (c == '\n' || c == '\r' || c == '\t') {
            out += ' ';
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            out += "\xEF\xBF\xBD";
        } else {
            out += c;
        }
    }
    return out;
}

std::string PieceText(const Piece& piece) { return piece.kind == PieceKind::Typed ? PlainTyped(piece.text) : piece.text; }

std::string Text(const Line& line) {
    std::string out;
    for (const Piece& piece : line) out += PieceText(piece);
    return out;
}

std::string Underlined(const std::string& heading, char rule) {
    return heading + "\n" + std::string(Utf8Length(heading), rule) + "\n";
}

std::string TableText(const Table& table) {
    std::vector<std::vector<std::string>> rows;
    const auto add = [&](const std::vector<TableCell>& cells) {
        rows.emplace_back();
        for (const TableCell& cell : cells) rows.back().push_back(PlainTyped(CellText(cell)));
    };
    add(table.header);
    for (const auto& cells : table.rows) add(cells);
    std::vector<std::size_t> widths(table.header.size(), 0);
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size() && i < widths.size(); ++i) widths[i] = std::max(widths[i], Utf8Length(row[i]));
    }
    std::string out = table.title + "\n";
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            line += (i > 0 ? " | " : "") + row[i];
            if (i + 1 < row.size()) line.append(widths[i] - Utf8Length(row[i]), ' ');
        }
        out += line + "\n";
    }
    return out;
}

}  // namespace

std::string WorkedAsText(const WorkedDocument& document) {
    std::string out = Underlined(document.title, '=');
    for (const Section& section : document.sections) {
        out += '\n';
        out += Underlined(section.heading, '-');
        for (const Block& block : section.blocks) {
            out += "\n";
            switch (block.kind) {
            case BlockKind::Paragraph:
                for (const Line& line : block.lines) out += Text(line) + "\n";
                break;
            case BlockKind::Formulas:
                for (const Line& line : block.lines) out += "  " + Text(line) + "\n";
                break;
            case BlockKind::Table: out += TableText(block.table); break;
            case BlockKind::Ranking:
                for (std::size_t i = 0; i < block.lines.size(); ++i) out += std::to_string(i + 1) + ". " + Text(block.lines[i]) + "\n";
                break;
            }
        }
    }
    return out;
}

}  // namespace trelvani::decision
