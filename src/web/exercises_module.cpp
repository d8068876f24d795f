// The exercise lists on the page: the same reader, runs and documents as
// trelvani-ejercicios, and the form that reads a list's lines into fields,
// in a module the page loads after its sections, so the window never waits
// on it.
#include <emscripten.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "study/exercises/exercise_documents.h"
#include "study/exercises/exercise_form_json.h"
#include "study/exercises/exercise_link.h"
#include "study/record_bytes.h"
#include "text/json_writer.h"

namespace {

std::string g_document;
std::string g_messages;
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

const char* Document(std::string text) {
    g_document = std::move(text);
    return g_document.data();
}

}  // namespace

extern "C" {

// Writes the document for the list of `length` bytes in the format named
// (latex, markdown, html, moodle, gift, json); 0 when it was written, 1 for
// the list's error. The messages are the error, or the warnings, one a line.
EMSCRIPTEN_KEEPALIVE int exercises_write(const char* list, std::size_t length, const char* formatName, int key,
                                         int decimals) {
    g_document.clear();
    g_messages.clear();
    const auto format = trelvani::ExerciseFormatNamed(formatName);
    if (!format) return 1;
    if (decimals < 0 || decimals > trelvani::kMostDecimals) {
        g_messages = trelvani::DecimalsLimitSentence();
        return 1;
    }
    auto lines = trelvani::ReadExerciseList(std::string_view(list, length));
    if (auto* reason = std::get_if<std::string>(&lines)) {
        g_messages = *reason;
        return 1;
    }
    auto run = trelvani::RunExerciseList(std::get<0>(lines));
    if (auto* reason = std::get_if<std::string>(&run)) {
        g_messages = *reason;
        return 1;
    }
    const trelvani::ExerciseSet& set = std::get<trelvani::ExerciseSet>(run);
    for (const std::string& warning : set.warnings) g_messages.append("Aviso: ").append(warning).append("\n");
    g_document = trelvani::ExerciseDocument(*format, set, {key != 0, decimals, {}});
    return 0;
}

// The link in the address, `length` bytes after its '#': {"exercise": false}
// for an ordinary anchor; otherwise {"exercise": true, "problem", "X", "Y",
// "statement", "solution"}, with "problem" empty when it was read whole.
// An exercise with buttons is run here, for the hand results to be judged.
EMSCRIPTEN_KEEPALIVE const char* exercises_fragment(const char* fragment, std::size_t length) {
    g_exercise.reset();
    const trelvani::FragmentReading reading = trelvani::ReadExerciseFragment(std::string_view(fragment, length));
    if (!reading.isExercise) return Document("{\"exercise\":false}");
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
    json.BeginObject().Key("exercise").Bool(true).Key("problem").String(problem);
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
    return Document(std::move(out));
}

// A hand result judged against the exercise's last results, as the page's
// core judges a click's: {"reading", "agrees", "value", "slip", "sentence"}.
EMSCRIPTEN_KEEPALIVE const char* exercises_check(const char* hand, std::size_t length, int result) {
    if (!g_exercise || result < 0 || static_cast<std::size_t>(result) >= trelvani::kCheckedResults) return Document("");
    const auto checked = static_cast<std::size_t>(result);
    return Document(trelvani::VerdictJson(checked, g_exercise->key.Judge(checked, std::string_view(hand, length)),
                                          trelvani::JudgedAgainst::Exercise));
}

// The exercise's last click as bytes, for the writer to lay out its steps.
EMSCRIPTEN_KEEPALIVE const char* exercises_last_click() {
    if (!g_exercise || g_exercise->clicks.empty()) return Document("");
    return Document(trelvani::ClickBytes(g_exercise->clicks.back().record));
}

// The fragment for what the window holds: X's and Y's texts, each after its
// length as 4 bytes, then, with `withButton`, the last click's button from
// its bytes (`click`, `clickLength`).
EMSCRIPTEN_KEEPALIVE const char* exercises_link(const char* texts, std::size_t length, const char* click,
                                               std::size_t clickLength, int withButton) {
    trelvani::LinkedExercise linked;
    std::array<std::string, 8> boxes;
    std::string_view rest(texts, length);
    for (std::string& box : boxes) {
        std::uint32_t size = 0;
        if (rest.size() < 4) break;
        std::memcpy(&size, rest.data(), 4);
        rest.remove_prefix(4);
        box = std::string(rest.substr(0, size));
        rest.remove_prefix(std::min<std::size_t>(size, rest.size()));
    }
    linked.x = std::array<std::string, 4>{boxes[0], boxes[1], boxes[2], boxes[3]};
    linked.y = std::array<std::string, 4>{boxes[4], boxes[5], boxes[6], boxes[7]};
    if (withButton != 0) {
        const trelvani::ClickRecord last = trelvani::ClickFromBytes(std::string_view(click, clickLength));
        if (last.button != nullptr) linked.buttons.emplace_back(last.button->name);
    }
    return Document(trelvani::ExerciseFragment(linked));
}

// The list of `length` bytes as the form's rows (see exercise_form_json.h).
EMSCRIPTEN_KEEPALIVE const char* exercises_form_read(const char* list, std::size_t length) {
    return Document(trelvani::FormRowsJson(trelvani::ReadFormRows(std::string_view(list, length))));
}

// One row of the form, as JSON, written as a line: {"line", "reason"}, or
// "" for JSON the form cannot have sent.
EMSCRIPTEN_KEEPALIVE const char* exercises_form_line(const char* row, std::size_t length) {
    const auto read = trelvani::FormRowFromJson(std::string_view(row, length));
    return Document(read ? trelvani::FormLineJson(*read) : std::string());
}

// The buttons a row may press, with their names and captions.
EMSCRIPTEN_KEEPALIVE const char* exercises_form_buttons() { return Document(trelvani::FormButtonsJson()); }

EMSCRIPTEN_KEEPALIVE const char* exercises_document() { return g_document.data(); }
EMSCRIPTEN_KEEPALIVE std::size_t exercises_document_length() { return g_document.size(); }
EMSCRIPTEN_KEEPALIVE const char* exercises_messages() { return g_messages.data(); }
EMSCRIPTEN_KEEPALIVE std::size_t exercises_messages_length() { return g_messages.size(); }

}  // extern "C"
