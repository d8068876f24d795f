#include "study/exercises/exercise_documents.h"
#include "text/json_writer.h"

namespace trelvani {

// The expanded list, one exercise a line; each answer is trelvani-batch's
// reply to its click with the steps, after the button's name.
std::string ExercisesAsJson(const ExerciseSet& set, const DocumentOptions& options) {
    std::string out;
    const std::array<std::string, 4> fresh = {" ", " ", " ", " "};
    for (const Exercise& exercise : set.exercises) {
        JsonWriter json(out);
        json.BeginObject().Key("ejercicio").Number(std::to_string(exercise.number));
        json.Key("enunciado").String(exercise.statement);
        if (const auto& work = exercise.decision) {
            // The problem as given, and trelvani-decision's reply to it.
            json.Key("decision").Raw(work->given).Key("respuestas").BeginArray().Raw(work->reply).EndArray();
            json.EndObject();
            out += '\n';
            continue;
        }
        for (const auto& [name, texts] : {std::pair{"X", &exercise.x}, {"Y", &exercise.y}}) {
            json.Key(name).BeginArray();
            for (const std::string& text : *texts ? **texts : fresh) json.String(text);
            json.EndArray();
        }
        json.Key("botones").BeginArray();
        for (const ExerciseClick& click : exercise.clicks) json.String(click.record.button->name);
        json.EndArray();
        if (const std::string link = ExerciseLinkOf(exercise, options.linkBase); !link.empty()) {
            json.Key("enlace").String(link);
        }
        json.Key("respuestas").BeginArray();
        for (const ExerciseClick& click : exercise.clicks) {
            // The reply's own members follow the button's name.
            const std::string_view reply = click.reply;
            json.BeginObject().Key("boton").String(click.record.button->name);
            json.RawMembers(reply.substr(1, reply.size() - 2)).EndObject();
        }
        json.EndArray().EndObject();
        out += '\n';
    }
    return out;
}

}  // namespace trelvani
