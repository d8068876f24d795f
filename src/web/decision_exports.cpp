// The section "Decisión multicriterio": what the page asks the study module
// for. The grids and the link arrive as text; everything the page
// shows comes back composed, the program's reply among it byte for byte.
#include <emscripten.h>

#include <cstddef>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

#include "core/steps.h"
#include "study/check/answer_key.h"
#include "study/check/hand_number.h"
#include "study/decision/documents/worked_document.h"
#include "study/decision/documents/worked_solution.h"
#include "study/decision/final_values.h"
#include "study/decision/page_description.h"
#include "study/decision/page_grids.h"
#include "study/decision/page_link.h"
#include "study/decision/problem_reading.h"
#include "study/decision/ranking_sentence.h"
#include "study/decision/reply.h"
#include "text/json_writer.h"
#include "web/returned_text.h"

namespace {

namespace decision = trelvani::decision;
using trelvani::web::Returned;

// The problem last solved, for its documents and for checking hand values.
struct Solved {
    decision::Problem problem;
    decision::Solution solution;
};
std::optional<Solved> g_solved;

// Into the object `json` has open: "solved", "reply": the program's reply
// line; "reason" when it is an error; once solved "sentence",
// "chart": {"caption", "bars": [{"name", "label", "value"}]}, "grids" (to
// fill the section from a link) and "worked" (the worked solution's HTML).
void WriteSolved(trelvani::JsonWriter& json, std::string_view line) {
    g_solved.reset();
    const decision::Answer answer = decision::AnswerProblem(line);
    json.Key("solved").Bool(answer.solved);
    json.Key("reply").String(answer.reply);
    if (!answer.solved) {
        // The reply's own reason, for the page to show as text.
        std::string reason;
        try {
            static_cast<void>(decision::Solve(decision::ReadProblem(line)));
        } catch (const std::exception& error) {
            reason = error.what();
        }
        json.Key("reason").String(reason);
        return;
    }
    Solved solved;
    solved.problem = decision::ReadProblem(line);
    solved.solution = decision::Solve(solved.problem);
    json.Key("sentence").String(decision::RankingSentence(solved.problem, solved.solution));
    const decision::FinalValues final = decision::FinalValuesOf(solved.problem, solved.solution);
    json.Key("chart").BeginObject();
    json.Key("caption").String(final.caption);
    json.Key("bars").BeginArray();
    for (const decision::FinalValue& value : final.values) {
        json.BeginObject();
        json.Key("name").String(value.name);
        json.Key("label").String(value.label);
        json.Key("value").String(trelvani::ShortestText(value.value));
        json.EndObject();
    }
    json.EndArray().EndObject();
    json.Key("grids").Raw(decision::PageGridsJson(decision::GridsOfLine(line)));
    json.Key("worked").String(decision::WorkedHtmlBody(decision::WorkedDocumentOf(solved.problem, solved.solution), 2));
    g_solved = std::move(solved);
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* decision_description() { return Returned(decision::PageDescriptionJson()); }

// The grids (see PageGrids) as {"line": the problem line, "exercise": the
// line for an exercise list, "unread": the cells that cannot be read}, or
// {"error"} when the page sent them malformed.
EMSCRIPTEN_KEEPALIVE const char* decision_grids(const char* json, std::size_t length) {
    try {
        const decision::PageGrids grids = decision::ReadPageGrids(std::string_view(json, length));
        const std::string line = decision::ProblemLineOf(grids);
        std::string exercise;
        trelvani::JsonWriter(exercise).BeginObject().Key("decision").Raw(line).EndObject();
        std::string out;
        trelvani::JsonWriter reply(out);
        reply.BeginObject();
        reply.Key("line").String(line);
        reply.Key("exercise").String(exercise);
        reply.Key("unread").Raw(decision::UnreadCellsJson(decision::UnreadCells(grids)));
        reply.EndObject();
        return Returned(std::move(out));
    } catch (const decision::DecisionError& error) {
        return Returned(decision::ErrorJson(error.what()));
    }
}

// One problem line solved as trelvani-decision solves it (see WriteSolved).
EMSCRIPTEN_KEEPALIVE const char* decision_solve(const char* line, std::size_t length) {
    std::string out;
    trelvani::JsonWriter json(out);
    json.BeginObject();
    WriteSolved(json, std::string_view(line, length));
    json.EndObject();
    return Returned(std::move(out));
}

// What follows "#decision=": {"refused": why} or the problem solved, with
// its "line".
EMSCRIPTEN_KEEPALIVE const char* decision_link(const char* encoded, std::size_t length) {
    g_solved.reset();
    const decision::LinkProblem link = decision::ProblemOfLink(std::string_view(encoded, length));
    std::string out;
    trelvani::JsonWriter json(out);
    json.BeginObject();
    if (!link.refusal.empty()) {
        json.Key("refused").String(link.refusal);
    } else {
        WriteSolved(json, link.line);
        json.Key("line").String(link.line);
    }
    json.EndObject();
    return Returned(std::move(out));
}

// The worked solution of the problem last solved, as `trelvani-decision
// --formato` writes it ("texto", "markdown", "latex", "html"); empty when
// nothing is solved.
EMSCRIPTEN_KEEPALIVE const char* decision_document(const char* formatName, std::size_t length) {
    const auto format = decision::DocumentFormatNamed(std::string_view(formatName, length));
    if (!g_solved || !format) return Returned({});
    return Returned(decision::WorkedSolution(*format, g_solved->problem, g_solved->solution));
}

// A hand value for the final value `index` (in the chart's order), judged
// to the digits written as the calculator's results are: a verdict as
// VerdictJson writes it, its sentence included.
EMSCRIPTEN_KEEPALIVE const char* decision_check(const char* hand, std::size_t length, int index) {
    trelvani::Verdict verdict;
    trelvani::HandNumber written;
    verdict.reading = trelvani::ReadHandNumber(std::string_view(hand, length), written);
    std::string judged;
    if (g_solved && index >= 0) {
        const decision::FinalValues final = decision::FinalValuesOf(g_solved->problem, g_solved->solution);
        if (static_cast<std::size_t>(index) < final.values.size()) {
            judged = final.values[static_cast<std::size_t>(index)].name;
            const double value = final.values[static_cast<std::size_t>(index)].value;
            verdict.value = trelvani::ShortestText(value);
            verdict.agrees = verdict.reading == trelvani::HandReading::Number &&
                             trelvani::AgreesToWrittenDigits(written, trelvani::ExactDecimal(value));
        }
    }
    // The value is not shown: "Ver la solución" shows it.
    return Returned(trelvani::VerdictJson(judged, verdict, trelvani::JudgedAgainst::Exercise));
}

}  // extern "C"
