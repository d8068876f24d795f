#include "study/exercises/exercise_documents.h"
#include "text/json_text.h"

namespace trelvani {

// The expanded list, one exercise a line; each answer is trelvani-batch's
// reply to its click with the steps, after the button's name.
std::string ExercisesAsJson(const ExerciseSet& set, const DocumentOptions& options) {
    std::string out;
    const std::array<std::string, 4> fresh = {" ", " ", " ", " "};
    for (const Exercise& exercise : set.exercises) {
        out += "{\"ejercicio\":" + std::to_string(exercise.number) + ",\"enunciado\":";
        AppendJsonString(out, exercise.statement);
        if (const auto& work = exercise.decision) {
            // The problem as given, and trelvani-decision's reply to it.
            out.append(",\"decision\":").append(work->given).append(",\"respuestas\":[").append(work->reply).append("]}\n");
            continue;
        }
        for (const auto& [name, texts] : {std::pair{"X", &exercise.x}, {"Y", &exercise.y}}) {
            out.append(",\"").append(name).append("\":[");
            const std::array<std::string, 4>& used = *texts ? **texts : fresh;
            for (std::size_t i = 0; i < 4; ++i) {
                if (i > 0) out += ',';
                AppendJsonString(out, used[i]);
            }
            out += ']';
        }
        out += ",\"botones\":[";
        for (const ExerciseClick& click : exercise.clicks) {
            if (out.back() != '[') out += ',';
            AppendJsonString(out, click.record.button->name);
        }
        out += "]";
        if (const std::string link = ExerciseLinkOf(exercise, options.linkBase); !link.empty()) {
            out += ",\"enlace\":";
            AppendJsonString(out, link);
        }
        out += ",\"respuestas\":[";
        for (const ExerciseClick& click : exercise.clicks) {
            if (out.back() != '[') out += ',';
            out += "{\"boton\":";
            AppendJsonString(out, click.record.button->name);
            out.append(",").append(std::string_view(click.reply).substr(1));
        }
        out += "]}\n";
    }
    return out;
}

}  // namespace trelvani
