// The exercise lists on the page: the same reader, runs and documents as
// trelvani-ejercicios, and the form that reads a list's lines into fields.
// In the study module, which the page loads after the window is ready.
#include <emscripten.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "study/exercises/exercise_documents.h"
#include "study/exercises/exercise_form_json.h"
#include "study/exercises/exercise_link.h"
#include "study/record_bytes.h"
#include "text/json_writer.h"
#include "web/returned_text.h"

namespace {

using trelvani::web::Returned;

// The exercise a link opened, run on controls of its own.
std::optional<trelvani::Exercise> g_exercise;

void WriteTexts(trelvani::JsonWriter& json, const std::optional<std::array<std::string, 4>>& texts) {
    if (!texts) {
        json.Null();
        return;
    }
    json.BeginArray();
    for (const std::string& text : *texts) json.String(text);
    json.EndArray();
}

// {"document": the text, or null when it could not be written, "messages":
// the list's error, or its warnings, one a line}.
const char* Written(const std::optional<std::string>& document, std::string_view messages) {
    std::string out;
    trelvani::JsonWriter json(out);
    json.BeginObject().Key("document");
    if (document) {
        json.String(*document);
    } else {
        json.Null();
    }
    json.Key("messages").String(messages).EndObject();
    return Returned(std::move(out));
}

}  // namespace

extern "C" {

// The document for the list in the format named (latex, markdown, html,
// moodle, gift, json), to the decimals typed, with the key or without: see
// Written.
EMSCRIPTEN_KEEPALIVE const char* exercises_write(const char* list, std::size_t length, const char* formatName,
                                                 std::size_t formatLength, const char* decimalsText,
                                                 std::size_t decimalsLength, int key) {
    const auto format = trelvani::ExerciseFormatNamed(std::string_view(formatName, formatLength));
    if (!format) return Written(std::nullopt, "");
    const auto decimals = trelvani::ReadDecimals(std::string_view(decimalsText, decimalsLength));
    if (!decimals) return Written(std::nullopt, trelvani::DecimalsLimitSentence());
    auto lines = trelvani::ReadExerciseList(std::string_view(list, length));
    if (auto* reason = std::get_if<std::string>(&lines)) return Written(std::nullopt, *reason);
    auto run = trelvani::RunExerciseList(std::get<0>(lines));
    if (auto* reason = std::get_if<std::string>(&run)) return Written(std::nullopt, *reason);
    const trelvani::ExerciseSet& set = std::get<trelvani::ExerciseSet>(run);
    std::string messages;
    for (const std::string& warning : set.warnings) messages.append("Aviso: ").append(warning).append("\n");
    return Written(trelvani::ExerciseDocument(*format, set, {key != 0, *decimals, {}}), messages);
}

// The link in the address, `length` bytes after its '#': {"exercise": false}
// for an ordinary anchor; otherwise {"exercise": true, "problem", "X", "Y",
// "statement", "solution"}, with "problem" empty when it was read whole and
// otherwise the sentence that says why not.
// An exercise with buttons is run here, for the hand results to be judged.
EMSCRIPTEN_KEEPALIVE const char* exercises_fragment(const char* fragment, std::size_t length) {
    g_exercise.reset();
    const trelvani::FragmentReading reading = trelvani::ReadExerciseFragment(std::string_view(fragment, length));
    if (!reading.isExercise) return Returned("{\"exercise\":false}");
    std::string problem = reading.problem;
    if (problem.empty() && !reading.exercise.buttons.empty()) {
        const auto lines = trelvani::ReadExerciseList(trelvani::ExerciseListLine(reading.exercise));
        auto run = trelvani::RunExerciseList(std::get<0>(lines));
        if (auto* set = std::get_if<trelvani::ExerciseSet>(&run)) {
            g_exercise = std::move(set->exercises.front());
        } else {
            problem = std::get<std::string>(run);
        }
    }
    std::string out;
    trelvani::JsonWriter json(out);
    json.BeginObject().Key("exercise").Bool(true);
    json.Key("problem").String(problem.empty() ? "" : "No se pudo abrir el ejercicio del enlace: " + problem + ".");
    if (problem.empty()) {
        json.Key("X");
        WriteTexts(json, reading.exercise.x);
        json.Key("Y");
        WriteTexts(json, reading.exercise.y);
        if (g_exercise) {
            json.Key("statement").String(g_exercise->statement).Key("solution").BeginArray();
            for (const std::string& line : trelvani::ResultLines(*g_exercise)) json.String(line);
            json.EndArray();
        }
    }
    json.EndObject();
    return Returned(std::move(out));
}

// A hand result judged against the exercise's last results, as the page's
// core judges a click's: {"reading", "agrees", "value", "slip", "sentence"}.
EMSCRIPTEN_KEEPALIVE const char* exercises_check(const char* hand, std::size_t length, int result) {
    if (!g_exercise || result < 0 || static_cast<std::size_t>(result) >= trelvani::kCheckedResults) return Returned("");
    const auto checked = static_cast<std::size_t>(result);
    return Returned(trelvani::VerdictJson(checked, g_exercise->key.Judge(checked, std::string_view(hand, length)),
                                          trelvani::JudgedAgainst::Exercise));
}

// The exercise's last click as bytes, for its steps to be laid out.
EMSCRIPTEN_KEEPALIVE const char* exercises_last_click() {
    if (!g_exercise || g_exercise->clicks.empty()) return Returned("");
    return Returned(trelvani::ClickBytes(g_exercise->clicks.back().record));
}

// The fragment for what the window holds, from the core's bytes of it
// (WindowTextsBytes), with the last click's button when `withButton`.
EMSCRIPTEN_KEEPALIVE const char* exercises_link(const char* window, std::size_t length, int withButton) {
    const trelvani::WindowTexts texts = trelvani::WindowTextsFromBytes(std::string_view(window, length));
    trelvani::LinkedExercise linked;
    linked.x = texts.x;
    linked.y = texts.y;
    if (withButton != 0 && texts.lastButton != nullptr) linked.buttons.emplace_back(texts.lastButton->name);
    return Returned(trelvani::ExerciseFragment(linked));
}

// The list of `length` bytes as the form's rows (see exercise_form_json.h).
EMSCRIPTEN_KEEPALIVE const char* exercises_form_read(const char* list, std::size_t length) {
    return Returned(trelvani::FormRowsJson(trelvani::ReadFormRows(std::string_view(list, length))));
}

// One row of the form, as JSON, written as a line: {"line", "reason"}, or
// "" for JSON the form cannot have sent.
EMSCRIPTEN_KEEPALIVE const char* exercises_form_line(const char* row, std::size_t length) {
    const auto read = trelvani::FormRowFromJson(std::string_view(row, length));
    return Returned(read ? trelvani::FormLineJson(*read) : std::string());
}

// The buttons a row may press, with their names and captions.
EMSCRIPTEN_KEEPALIVE const char* exercises_form_buttons() { return Returned(trelvani::FormButtonsJson()); }

}  // extern "C"
