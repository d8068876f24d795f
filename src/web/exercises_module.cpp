// The exercise lists on the page: the same reader, runs and documents as
// trelvani-ejercicios, in a module the page loads only when a teacher asks
// for a document, so the window never waits on it.
#include <emscripten.h>

#include <string>
#include <string_view>

#include "study/exercise_documents.h"

namespace {

std::string g_document;
std::string g_messages;

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
    g_document = trelvani::ExerciseDocument(*format, set, {key != 0, decimals});
    return 0;
}

EMSCRIPTEN_KEEPALIVE const char* exercises_document() { return g_document.data(); }
EMSCRIPTEN_KEEPALIVE std::size_t exercises_document_length() { return g_document.size(); }
EMSCRIPTEN_KEEPALIVE const char* exercises_messages() { return g_messages.data(); }
EMSCRIPTEN_KEEPALIVE std::size_t exercises_messages_length() { return g_messages.size(); }

}  // extern "C"
