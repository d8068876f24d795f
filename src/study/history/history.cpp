#include "study/history/history.h"

#include "text/document_escapes.h"
#include "text/json_writer.h"

namespace trelvani {
namespace {

// The buttons that compute on X and Y, whose clicks make exercises.
bool WorksOnOperands(ButtonId button) {
    switch (button) {
    case ButtonId::Add:
    case ButtonId::Subtract:
    case ButtonId::Multiply:
    case ButtonId::Divide:
    case ButtonId::Maximum:
    case ButtonId::Minimum:
    case ButtonId::Square:
    case ButtonId::SquareRoot:
        return true;
    case ButtonId::Defuzzify:
    case ButtonId::CopyZToX:
    case ButtonId::CopyZToY:
    case ButtonId::ClearOperands:
        return false;
    }
    return false;
}

}  // namespace

HistoryEntry HistoryEntryOf(const ClickRecord& click) { return {click.button->id, click.operands, ResultWords(click)}; }

std::array<std::string, 5> HistoryColumns(const HistoryEntry& entry, std::size_t index) {
    return {std::to_string(index + 1), OperationWords(ButtonOf(entry.button)), FourTexts(&entry.operands[0]),
            FourTexts(&entry.operands[4]), entry.result};
}

std::string HistoryAsText(const History& history) {
    std::string out;
    for (std::size_t i = 0; i < history.size(); ++i) {
        const auto columns = HistoryColumns(history[i], i);
        out += columns[0] + ". " + columns[1] + ": X = " + columns[2] + ", Y = " + columns[3] + " → " + columns[4] + "\n";
    }
    return out;
}

std::string HistoryAsMarkdown(const History& history) {
    std::string out = MarkdownRow(kHistoryHeader) + "|---|---|---|---|---|\n";
    for (std::size_t i = 0; i < history.size(); ++i) out += MarkdownRow(HistoryColumns(history[i], i));
    return out;
}

std::string HistoryAsLatex(const History& history) {
    // Each entry a table of its own with the same columns, so that pages
    // break between entries; the widths share out the line.
    constexpr std::string_view kColumns =
        "{|p{\\dimexpr 0.07\\linewidth-2\\tabcolsep}|p{\\dimexpr 0.19\\linewidth-2\\tabcolsep}"
        "|p{\\dimexpr 0.23\\linewidth-2\\tabcolsep}|p{\\dimexpr 0.23\\linewidth-2\\tabcolsep}"
        "|p{\\dimexpr 0.28\\linewidth-2\\tabcolsep-6\\arrayrulewidth}|}";
    const auto row = [&](const auto& cells, bool first) {
        // Each table right under the one before, so the rules meet.
        std::string line = std::string(first ? "" : "\\nointerlineskip") + "\\noindent\\begin{tabular}" +
                           std::string(kColumns) + (first ? "\\hline" : "") + "\n";
        for (std::size_t i = 0; i < cells.size(); ++i) {
            line += std::string(i == 0 ? "" : " & ") + "\\raggedright " + LatexText(cells[i]);
        }
        return line + " \\tabularnewline\\hline\n\\end{tabular}\\par\n";
    };
    std::string out = "{\\setlength{\\parskip}{0pt}\\small\n" + row(kHistoryHeader, true);
    for (std::size_t i = 0; i < history.size(); ++i) out += row(HistoryColumns(history[i], i), false);
    return out + "}\n";
}

std::string HistoryAsCsv(const History& history) {
    std::string out = "\xEF\xBB\xBF";
    const auto row = [&](auto&&... cells) {
        std::string_view separator;
        ((out.append(separator), AppendCsvField(out, cells), separator = ","), ...);
        out += "\r\n";
    };
    row("#", "Operación", "XI", "XII", "XIII", "XIV", "YI", "YII", "YIII", "YIV", "Resultado");
    for (std::size_t i = 0; i < history.size(); ++i) {
        const HistoryEntry& e = history[i];
        const auto& o = e.operands;
        row(std::to_string(i + 1), OperationWords(ButtonOf(e.button)), o[0], o[1], o[2], o[3], o[4], o[5], o[6], o[7],
            e.result);
    }
    return out;
}

std::string HistoryAsExerciseList(const History& history) {
    std::string out;
    for (const HistoryEntry& entry : history) {
        if (!WorksOnOperands(entry.button)) continue;
        JsonWriter json(out, JsonLayout::Spaced);
        json.BeginObject();
        for (std::size_t i = 0; i < 8; ++i) {
            if (i % 4 == 0) json.Key(i == 0 ? "X" : "Y").BeginArray();
            json.String(entry.operands[i]);
            if (i % 4 == 3) json.EndArray();
        }
        json.Key("botones").BeginArray().String(ButtonOf(entry.button).name).EndArray().EndObject();
        out += '\n';
    }
    return out;
}

}  // namespace trelvani
