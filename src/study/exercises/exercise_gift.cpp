#include <cmath>

#include "study/decision/documents/worked_document.h"
#include "study/exercises/exercise_documents.h"
#include "text/markup_escapes.h"
#include "text/statement_layout.h"

namespace trelvani {
namespace {

// A question for each final value and one choice among the names as typed,
// each in HTML with the statement and the problem's tables.
std::string DecisionGift(const Exercise& exercise, const std::string& tolerance) {
    const DecisionWork& work = *exercise.decision;
    const std::string statement =
        GiftText(StatementAsHtml(exercise.statement) + decision::WorkedHtmlBody(decision::ProblemDocumentOf(work.problem), 1));
    std::string out;
    // Titles without the typed names: Moodle keeps a question's name as plain text.
    const auto question = [&](const std::string& title, const std::string& label, const std::string& answers) {
        out += "::" + GiftText(ExerciseTitle(exercise) + " · " + title) + "::[html]" + statement +
               GiftText("<p>" + HtmlText(label) + "</p>") + " {" + answers + "}\n\n";
    };
    const DecisionQuestions asked = DecisionAsked(work);
    for (std::size_t i = 0; i < asked.numbers.size(); ++i) {
        question(asked.titles[i], asked.numbers[i].first, "#=" + GiftText(ShortestText(asked.numbers[i].second)) + ":" + tolerance);
    }
    std::string choices;
    for (std::size_t i = 0; i < asked.options.size(); ++i) {
        choices.append(i == 0 ? "" : " ").append(i == asked.best ? "=" : "~").append(GiftText(HtmlText(asked.options[i])));
    }
    question(asked.choice, asked.choice, choices);
    return out;
}

}  // namespace

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
        if (exercise.decision) {
            out += DecisionGift(exercise, tolerance);
            continue;
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
