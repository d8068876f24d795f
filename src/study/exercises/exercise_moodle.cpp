#include <cmath>

#include "study/decision/documents/worked_document.h"
#include "study/exercises/exercise_documents.h"
#include "study/procedure/procedure_writer.h"
#include "text/markup_escapes.h"
#include "text/statement_layout.h"

namespace trelvani {
namespace {

// A category of its own for the variants of one line, so that a random
// question drawn from it gives each student their own.
std::string Category(const Exercise& exercise) {
    std::string path = "$course$/top/Trelvani";
    if (exercise.ofVariants) path += std::string("/Línea ") + std::to_string(exercise.line);
    return "<question type=\"category\"><category><text>" + path + "</text></category></question>\n";
}

// {1:NUMERICAL:=value:tolerance~%0%slip:tolerance#why}: each slip a wrong
// answer that names it, where it lies outside the tolerance.
std::string NumericalBlank(const AskedNumber& number, int decimals, bool isBox) {
    const std::string tolerance = Tolerance(decimals);
    std::string blank = std::string("{1:NUMERICAL:=") + ClozeText(isBox ? QuizNumber(number.text) : number.text) + ":" + tolerance;
    for (const AnswerKey::Slip& slip : number.slips) {
        if (!(std::fabs(slip.value - number.value) > ToleranceValue(decimals))) continue;
        blank += std::string("~%0%") + ClozeText(ShortestText(slip.value)) + ":" + tolerance + "#" + ClozeText(slip.message);
    }
    return blank + "}";
}

std::string ChoiceBlank(const std::string& kept) {
    std::string blank = "{1:MULTICHOICE:";
    for (const std::string_view option : {std::string_view("X"), std::string_view("Y"), kBothEqual}) {
        blank.append(blank.back() == ':' ? "" : "~").append(option == kept ? "=" : "").append(ClozeText(option));
    }
    return blank + "}";
}

// The data, a blank for each final value, one choice among the names as
// typed; the worked solution as the feedback.
void DecisionQuestion(const DecisionWork& work, int decimals, std::string& text, std::string& feedback) {
    text += decision::WorkedHtmlBody(decision::ProblemDocumentOf(work.problem), 1);
    const DecisionQuestions asked = DecisionAsked(work);
    for (const auto& [label, value] : asked.numbers) {
        text += "<p>" + HtmlText(label) + " = {1:NUMERICAL:=" + ClozeText(ShortestText(value)) + ":" + Tolerance(decimals) + "}</p>\n";
    }
    std::string choice = "{1:MULTICHOICE:";
    for (std::size_t i = 0; i < asked.options.size(); ++i) {
        choice.append(i == 0 ? "" : "~").append(i == asked.best ? "=" : "").append(ClozeText(asked.options[i]));
    }
    text += "<p>" + HtmlText(asked.choice) + ": " + choice + "}</p>\n";
    feedback += decision::WorkedHtmlBody(decision::WorkedDocumentOf(work.problem, work.solution), 1);
}

}  // namespace

std::string ExercisesAsMoodle(const ExerciseSet& set, const DocumentOptions& options) {
    const int decimals = options.decimals;
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n";
    std::string category;
    for (const Exercise& exercise : set.exercises) {
        if (std::string now = Category(exercise); now != category) {
            category = now;
            out += now;
        }
        std::string text = StatementAsHtml(exercise.statement);
        if (const std::string link = ExerciseLinkOf(exercise, options.linkBase); !link.empty()) {
            text += std::string("<p>Enlace: <a href=\"") + HtmlText(link) + "\">" + HtmlText(link) + "</a></p>\n";
        }
        std::string steps;
        if (exercise.decision) DecisionQuestion(*exercise.decision, decimals, text, steps);
        for (const ExerciseClick& click : exercise.clicks) {
            for (const AskedNumber& number : click.numbers) {
                text += std::string("<p>") + HtmlText(number.label) + " = " + NumericalBlank(number, decimals, click.kept.empty()) + "</p>\n";
            }
            if (!click.kept.empty()) {
                text += std::string("<p>") + HtmlText(std::string(kOperandKept)) + ": " + ChoiceBlank(click.kept) + "</p>\n";
            }
            steps += std::string("<pre>") + HtmlText(ProcedureAsText(ProcedureOf(click.record))) + "</pre>\n";
        }
        out += "<question type=\"cloze\">\n<name><text>" + ExerciseTitle(exercise) + "</text></name>\n";
        out += "<questiontext format=\"html\"><text>" + CdataText(text) + "</text></questiontext>\n";
        out += "<generalfeedback format=\"html\"><text>" + CdataText(steps) + "</text></generalfeedback>\n";
        out += "</question>\n";
    }
    return out + "</quiz>\n";
}

}  // namespace trelvani
