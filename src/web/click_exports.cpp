// What the sections ask of the clicks: the steps of a click laid out, its
// α-cuts, and every copy and export, from what the page's core hands over as
// bytes. In the study module, compiled after the window is ready, so that
// the first click never waits on it.
#include <emscripten.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "core/steps.h"
#include "web/copy_format.h"
#include "study/cuts/cut_writer.h"
#include "study/history/history.h"
#include "study/procedure/procedure_writer.h"
#include "study/record_bytes.h"
#include "text/json_writer.h"
#include "web/returned_text.h"

namespace {

using trelvani::web::Returned;

void WriteTexts(trelvani::JsonWriter& json, const std::vector<std::string>& texts) {
    json.BeginArray();
    for (const std::string& text : texts) json.String(text);
    json.EndArray();
}

constexpr int kMarkdown = static_cast<int>(trelvani::CopyFormat::Markdown);
constexpr int kLatex = static_cast<int>(trelvani::CopyFormat::Latex);
constexpr int kCsv = static_cast<int>(trelvani::CopyFormat::Csv);
constexpr int kExercises = static_cast<int>(trelvani::CopyFormat::Exercises);

}  // namespace

extern "C" {

// The click's working, to draw: {"lines": [{"text", "note", "error"}],
// "boxTexts": each box it wrote with its text, in a sentence, or ""}; a
// click that computed nothing says so in its one line.
EMSCRIPTEN_KEEPALIVE const char* steps_procedure(const char* bytes, std::size_t size) {
    const trelvani::ClickRecord click = trelvani::ClickFromBytes(std::string_view(bytes, size));
    if (click.button == nullptr) return Returned("");
    const trelvani::Procedure procedure = trelvani::ProcedureOf(click);
    std::string out;
    trelvani::JsonWriter json(out);
    json.BeginObject().Key("lines").BeginArray();
    if (procedure.lines.empty()) {
        json.BeginObject().Key("text").String(trelvani::kNothingComputed).Key("note").String("");
        json.Key("error").Bool(false).EndObject();
    }
    for (const trelvani::ProcedureLine& line : procedure.lines) {
        json.BeginObject().Key("text").String(trelvani::LineText(line)).Key("note").String(line.note);
        json.Key("error").Bool(!line.error.empty()).EndObject();
    }
    std::string boxTexts;
    for (const trelvani::WrittenText& box : procedure.boxes) {
        boxTexts.append(boxTexts.empty() ? "Texto de cada casilla: " : ", ");
        boxTexts.append(box.control).append(" \"").append(box.text).append("\"");
    }
    json.EndArray().Key("boxTexts").String(boxTexts).EndObject();
    return Returned(std::move(out));
}

// The click's working as text, Markdown or LaTeX, to paste.
EMSCRIPTEN_KEEPALIVE const char* steps_copy(const char* bytes, std::size_t size, int format) {
    const trelvani::ClickRecord click = trelvani::ClickFromBytes(std::string_view(bytes, size));
    if (click.button == nullptr) return Returned("");
    const trelvani::Procedure procedure = trelvani::ProcedureOf(click);
    return Returned(format == kMarkdown ? trelvani::ProcedureAsMarkdown(procedure)
                    : format == kLatex  ? trelvani::ProcedureAsLatex(procedure)
                                        : trelvani::ProcedureAsText(procedure));
}

// The α-cuts and conventions, to draw: {"header", "rows", "sentences",
// "conventions": [[name, value, users]], "curve": the exact cut at the 65
// levels as numbers, null where it does not exist, "curveLegend" and
// "curveDescription", what the plot writes of that curve, "alphaUnread"}.
EMSCRIPTEN_KEEPALIVE const char* cuts_table(const char* bytes, std::size_t size) {
    const trelvani::CutSection section = trelvani::CutSectionOf(trelvani::CutInputsFromBytes(std::string_view(bytes, size)));
    std::string out;
    trelvani::JsonWriter json(out);
    json.BeginObject().Key("header");
    WriteTexts(json, trelvani::CutHeader(section));
    json.Key("rows").BeginArray();
    for (const auto& row : trelvani::CutRows(section)) WriteTexts(json, row);
    json.EndArray().Key("sentences");
    WriteTexts(json, trelvani::GapSentences(section));
    json.Key("conventions").BeginArray();
    for (const trelvani::ConventionRow& row : trelvani::ConventionRows(section)) {
        WriteTexts(json, {row.name, row.value, row.users});
    }
    json.EndArray().Key("curve").BeginArray();
    for (const trelvani::Cut& cut : section.report.curve) {
        if (cut.defined()) {
            json.BeginArray().Number(trelvani::ShortestText(cut.left)).Number(trelvani::ShortestText(cut.right));
            json.EndArray();
        } else {
            json.Null();
        }
    }
    json.EndArray().Key("curveLegend").String(trelvani::kExactHeading);
    json.Key("curveDescription").String(trelvani::ExactCurveDescription(section));
    json.Key("alphaUnread").Bool(section.alphaUnread).EndObject();
    return Returned(std::move(out));
}

// The α-cuts and conventions as text, Markdown or LaTeX, to paste.
EMSCRIPTEN_KEEPALIVE const char* cuts_copy(const char* bytes, std::size_t size, int format) {
    const trelvani::CutSection section = trelvani::CutSectionOf(trelvani::CutInputsFromBytes(std::string_view(bytes, size)));
    return Returned(format == kMarkdown ? trelvani::CutsAsMarkdown(section)
                    : format == kLatex  ? trelvani::CutsAsLatex(section)
                                        : trelvani::CutsAsText(section));
}

// The history as text, Markdown, LaTeX or CSV, or as an exercise list.
EMSCRIPTEN_KEEPALIVE const char* history_copy(const char* bytes, std::size_t size, int format) {
    const trelvani::History history = trelvani::HistoryFromBytes(std::string_view(bytes, size));
    return Returned(format == kMarkdown  ? trelvani::HistoryAsMarkdown(history)
                    : format == kLatex     ? trelvani::HistoryAsLatex(history)
                    : format == kCsv       ? trelvani::HistoryAsCsv(history)
                    : format == kExercises ? trelvani::HistoryAsExerciseList(history)
                                           : trelvani::HistoryAsText(history));
}

}  // extern "C"
