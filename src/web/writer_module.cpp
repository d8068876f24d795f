// The page's writer: the steps of a click laid out, and every copy and
// export, from what the page's core hands over as bytes. A module of its own
// with no imports, compiled after the window is ready, so that the first
// click never waits on it.
#include <cstddef>
#include <string>
#include <string_view>

#include "core/steps.h"
#include "study/cuts/cut_writer.h"
#include "study/history/history.h"
#include "study/procedure/procedure_writer.h"
#include "study/record_bytes.h"
#include "text/json_text.h"

namespace {

std::string g_returned;

const char* Returned(std::string text) {
    g_returned = std::move(text);
    return g_returned.c_str();
}

void AppendTexts(std::string& out, const std::vector<std::string>& texts) {
    out += '[';
    for (const std::string& text : texts) {
        if (out.back() != '[') out += ',';
        trelvani::AppendJsonString(out, text);
    }
    out += ']';
}

enum Format { kText = 0, kMarkdown = 1, kLatex = 2, kCsv = 3, kExercises = 4 };

}  // namespace

extern "C" {

__attribute__((export_name("writer_returned_length"))) std::size_t writer_returned_length() { return g_returned.size(); }

// The click's working, to draw: {"lines": [{"text", "note", "error"}],
// "boxes": [[name, text], ...]}; a click that computed nothing says so in
// its one line.
__attribute__((export_name("writer_procedure"))) const char* writer_procedure(const char* bytes, std::size_t size) {
    const trelvani::ClickRecord click = trelvani::ClickFromBytes(std::string_view(bytes, size));
    if (click.button == nullptr) return Returned("");
    const trelvani::Procedure procedure = trelvani::ProcedureOf(click);
    std::string out = "{\"lines\":[";
    if (procedure.lines.empty()) {
        out += "{\"text\":";
        trelvani::AppendJsonString(out, trelvani::kNothingComputed);
        out += ",\"note\":\"\",\"error\":false}";
    }
    for (const trelvani::ProcedureLine& line : procedure.lines) {
        if (out.back() != '[') out += ',';
        out += "{\"text\":";
        trelvani::AppendJsonString(out, trelvani::LineText(line));
        out += ",\"note\":";
        trelvani::AppendJsonString(out, line.note);
        out += line.error.empty() ? ",\"error\":false}" : ",\"error\":true}";
    }
    out += "],\"boxes\":[";
    for (const trelvani::WrittenText& box : procedure.boxes) {
        if (out.back() != '[') out += ',';
        out += '[';
        trelvani::AppendJsonString(out, box.control);
        out += ',';
        trelvani::AppendJsonString(out, box.text);
        out += ']';
    }
    return Returned(out + "]}");
}

// The click's working as text, Markdown or LaTeX, to paste.
__attribute__((export_name("writer_procedure_copy"))) const char* writer_procedure_copy(int format, const char* bytes,
                                                                                         std::size_t size) {
    const trelvani::ClickRecord click = trelvani::ClickFromBytes(std::string_view(bytes, size));
    if (click.button == nullptr) return Returned("");
    const trelvani::Procedure procedure = trelvani::ProcedureOf(click);
    return Returned(format == kMarkdown ? trelvani::ProcedureAsMarkdown(procedure)
                    : format == kLatex  ? trelvani::ProcedureAsLatex(procedure)
                                        : trelvani::ProcedureAsText(procedure));
}

// The α-cuts and conventions, to draw: {"header", "rows", "sentences",
// "conventions": [[name, value, users]], "curve": the exact cut at the 65
// levels as numbers, null where it does not exist, "alphaUnread"}.
__attribute__((export_name("writer_cuts"))) const char* writer_cuts(const char* bytes, std::size_t size) {
    const trelvani::CutSection section = trelvani::CutSectionOf(trelvani::CutInputsFromBytes(std::string_view(bytes, size)));
    std::string out = "{\"header\":";
    AppendTexts(out, trelvani::CutHeader(section));
    out += ",\"rows\":[";
    for (const auto& row : trelvani::CutRows(section)) {
        if (out.back() != '[') out += ',';
        AppendTexts(out, row);
    }
    out += "],\"sentences\":";
    AppendTexts(out, trelvani::GapSentences(section));
    out += ",\"conventions\":[";
    for (const trelvani::ConventionRow& row : trelvani::ConventionRows(section)) {
        if (out.back() != '[') out += ',';
        AppendTexts(out, {row.name, row.value, row.users});
    }
    out += "],\"curve\":[";
    for (const trelvani::Cut& cut : section.report.curve) {
        if (out.back() != '[') out += ',';
        out += cut.defined() ? "[" + trelvani::ShortestText(cut.left) + "," + trelvani::ShortestText(cut.right) + "]"
                             : std::string("null");
    }
    out += section.alphaUnread ? "],\"alphaUnread\":true}" : "],\"alphaUnread\":false}";
    return Returned(out);
}

// The α-cuts and conventions as text, Markdown or LaTeX, to paste.
__attribute__((export_name("writer_cuts_copy"))) const char* writer_cuts_copy(int format, const char* bytes,
                                                                               std::size_t size) {
    const trelvani::CutSection section = trelvani::CutSectionOf(trelvani::CutInputsFromBytes(std::string_view(bytes, size)));
    return Returned(format == kMarkdown ? trelvani::CutsAsMarkdown(section)
                    : format == kLatex  ? trelvani::CutsAsLatex(section)
                                        : trelvani::CutsAsText(section));
}

// The history as text, Markdown, LaTeX or CSV, or as an exercise list.
__attribute__((export_name("writer_history_copy"))) const char* writer_history_copy(int format, const char* bytes,
                                                                                     std::size_t size) {
    const trelvani::History history = trelvani::HistoryFromBytes(std::string_view(bytes, size));
    return Returned(format == kMarkdown  ? trelvani::HistoryAsMarkdown(history)
                    : format == kLatex     ? trelvani::HistoryAsLatex(history)
                    : format == kCsv       ? trelvani::HistoryAsCsv(history)
                    : format == kExercises ? trelvani::HistoryAsExerciseList(history)
                                           : trelvani::HistoryAsText(history));
}

}  // extern "C"
