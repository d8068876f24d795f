#include "study/decision/documents/worked_document.h"
#include "text/markup_escapes.h"

namespace trelvani::decision {
namespace {

std::string Html(const Line& line) {
    std::string out;
    for (const Piece& piece : line) out += HtmlText(piece.text);
    return out;
}

std::string TableHtml(const Table& table) {
    std::string out = "<table>\n<caption>" + HtmlText(table.title) + "</caption>\n<thead>\n<tr>";
    for (const TableCell& cell : table.header) out += "<th>" + HtmlText(CellText(cell)) + "</th>";
    out += "</tr>\n</thead>\n<tbody>\n";
    for (const auto& cells : table.rows) {
        out += "<tr>";
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const char* tag = i == 0 ? "th" : "td";
            out += std::string("<") + tag + ">" + HtmlText(CellText(cells[i])) + "</" + tag + ">";
        }
        out += "</tr>\n";
    }
    return out + "</tbody>\n</table>\n";
}

}  // namespace

const std::string_view kWorkedHtmlStyle =
    "table { border-collapse: collapse; margin: 0.4em 0 1em; font-size: 9pt; }\n"
    "caption { text-align: left; font-weight: bold; padding-bottom: 0.2em; }\n"
    "th, td { border: 1px solid #999; padding: 0.1em 0.4em; text-align: left; vertical-align: top; }\n"
    "thead th { background: #eee; }\n"
    ".formula { margin: 0.2em 0 0.2em 1.5em; }\n";

std::string WorkedAsHtml(const WorkedDocument& document) {
    const std::string title = HtmlText(document.title);
    // For the browser's own printing: A4, no script, nothing from outside.
    std::string out =
        "<!DOCTYPE html>\n<html lang=\"es\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + title +
        "</title>\n<style>\n@page { size: A4; margin: 2cm; }\n"
        "body { font: 11pt/1.4 serif; max-width: 17cm; margin: 1cm auto; overflow-wrap: anywhere; }\n"
        "h2 { font-size: 13pt; margin: 1.2em 0 0.3em; break-after: avoid; }\n"
        + std::string(kWorkedHtmlStyle) + "@media print { body { margin: 0; } }\n</style>\n</head>\n<body>\n";
    return out + WorkedHtmlBody(document, 0) + "</body>\n</html>\n";
}

std::string WorkedHtmlBody(const WorkedDocument& document, int depth) {
    // Appended, not added: GCC 12 at -O3 takes a literal plus a temporary for
    // an overlapping copy (-Wrestrict).
    const std::string title = std::string("h").append(std::to_string(depth + 1));
    const std::string heading = std::string("h").append(std::to_string(depth + 2));
    std::string out;
    if (!document.title.empty()) out += "<" + title + ">" + HtmlText(document.title) + "</" + title + ">\n";
    for (const Section& section : document.sections) {
        out += "<section>\n<" + heading + ">" + HtmlText(section.heading) + "</" + heading + ">\n";
        for (const Block& block : section.blocks) {
            switch (block.kind) {
            case BlockKind::Paragraph:
                for (const Line& line : block.lines) out += "<p>" + Html(line) + "</p>\n";
                break;
            case BlockKind::Formulas:
                for (const Line& line : block.lines) out += "<p class=\"formula\">" + Html(line) + "</p>\n";
                break;
            case BlockKind::Table: out += TableHtml(block.table); break;
            case BlockKind::Ranking:
                out += "<ol>\n";
                for (const Line& line : block.lines) out += "<li>" + Html(line) + "</li>\n";
                out += "</ol>\n";
                break;
            }
        }
        out += "</section>\n";
    }
    return out;
}

}  // namespace trelvani::decision
