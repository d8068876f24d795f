#include <cmath>

#include "study/exercises/exercise_documents.h"
#include "text/markup_escapes.h"

namespace trelvani {

// One question per number asked, titled "Ejercicio 3 · ZII", and one choice
// per ranking; slips as wrong answers that name them.
std::string ExercisesAsGift(const ExerciseSet& set, const DocumentOptions& options) {
    const int decimals = options.decimals;
    const std::string tolerance = Tolerance(decimals);
    std::string out;
    std::string category;
    for (const Exercise& exercise : set.exercises) {
        std::string now = "$course$/top/Trelvani";
        if (exercise.ofVariants) now += std::string("/Línea ") + std::to_string(exercise.line);
        if (now != category) {
            category = now;
            out += "$CATEGORY: " + now + "\n\n";
        }
        std::string statement = GiftText(exercise.statement);
        if (const std::string link = ExerciseLinkOf(exercise, options.linkBase); !link.empty()) {
            statement.append("\\n").append(GiftText("Enlace: " + link));
        }
        const auto question = [&](const std::string& label, const std::string& answers) {
            out += std::string("::") + GiftText(ExerciseTitle(exercise) + " · " + label) + "::[plain]" + statement + "\\n" +
                   GiftText(label) + " {" + answers + "}\n\n";
        };
        for (const ExerciseClick& click : exercise.clicks) {
            for (const AskedNumber& number : click.numbers) {
                std::string answers = std::string("#=") + GiftText(click.kept.empty() ? QuizNumber(number.text) : number.text) + ":" + tolerance;
                for (const AnswerKey::Slip& slip : number.slips) {
                    if (!(std::fabs(slip.value - number.value) > ToleranceValue(decimals))) continue;
                    answers += std::string(" =%0%") + GiftText(ShortestText(slip.value)) + ":" + tolerance + "#" + GiftText(slip.message);
                }
                question(number.label, answers);
            }
            if (!click.kept.empty()) {
                std::string answers;
                for (const std::string_view option : {std::string_view("X"), std::string_view("Y"), kBothEqual}) {
                    answers.append(answers.empty() ? "" : " ").append(option == click.kept ? "=" : "~").append(GiftText(option));
                }
                question(std::string(kOperandKept), answers);
            }
        }
    }
    return out;
}

}  // namespace trelvani
