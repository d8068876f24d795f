#include "study/decision/documents/worked_document.h"
#include "text/document_escapes.h"

namespace trelvani::decision {
namespace {

std::string Markdown(const Line& line) {
    std::string out;
    for (const Piece& piece : line) out += MarkdownText(piece.text);
    return out;
}

std::string TableMarkdown(const Table& table) {
    std::string out = "**" + MarkdownText(table.title) + "**\n\n";
    const auto row = [](const std::vector<TableCell>& cells) {
        std::vector<std::string> texts;
        for (const TableCell& cell : cells) texts.push_back(CellText(cell));
        return MarkdownRow(texts);
    };
    out += row(table.header) + "|";
    for (std::size_t i = 0; i < table.header.size(); ++i) out += "---|";
    out += "\n";
    for (const auto& cells : table.rows) out += row(cells);
    return out;
}

}  // namespace

std::string WorkedAsMarkdown(const WorkedDocument& document) { return WorkedMarkdownBody(document, 0); }

std::string WorkedMarkdownBody(const WorkedDocument& document, int depth) {
    const std::string marks(static_cast<std::size_t>(depth) + 1, '#');
    std::string out = document.title.empty() ? "" : marks + " " + MarkdownText(document.title) + "\n";
    for (const Section& section : document.sections) {
        out += "\n" + marks + "# " + MarkdownText(section.heading) + "\n";
        for (const Block& block : section.blocks) {
            out += "\n";
            switch (block.kind) {
            case BlockKind::Paragraph:
                for (const Line& line : block.lines) out += Markdown(line) + "\n";
                break;
            case BlockKind::Formulas:
                // One formula to a line: a backslash at the end breaks it.
                for (std::size_t i = 0; i < block.lines.size(); ++i) {
                    out += Markdown(block.lines[i]) + (i + 1 < block.lines.size() ? "\\\n" : "\n");
                }
                break;
            case BlockKind::Table: out += TableMarkdown(block.table); break;
            case BlockKind::Ranking:
                for (std::size_t i = 0; i < block.lines.size(); ++i) out += std::to_string(i + 1) + ". " + Markdown(block.lines[i]) + "\n";
                break;
            }
        }
    }
    return out;
}

}  // namespace trelvani::decision
