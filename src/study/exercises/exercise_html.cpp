#include "study/decision/documents/worked_document.h"
#include "study/exercises/exercise_documents.h"
#include "study/procedure/procedure_writer.h"
#include "text/markup_escapes.h"
#include "text/statement_layout.h"

namespace trelvani {

std::string ExercisesAsHtml(const ExerciseSet& set, const DocumentOptions& options) {
    const bool key = options.key;
    const std::string title = key ? "Ejercicios: solucionario" : "Ejercicios";
    // For the browser's own printing: A4, no script, nothing from outside.
    std::string out =
        "<!DOCTYPE html>\n<html lang=\"es\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + title +
        "</title>\n<style>\n@page { size: A4; margin: 2cm; }\n"
        "body { font: 11pt/1.4 serif; max-width: 17cm; margin: 1cm auto; overflow-wrap: anywhere; }\n"
        "h2 { font-size: 13pt; margin: 1.2em 0 0.3em; break-after: avoid; }\n"
        "section { break-inside: avoid-page; }\n"
        "pre { font: 9pt/1.3 monospace; white-space: pre-wrap; }\n"
        + std::string(HasDecision(set) ? decision::kWorkedHtmlStyle : "") +
        "@media print { body { margin: 0; } }\n</style>\n</head>\n<body>\n<h1>" + title + "</h1>\n";
    for (const Exercise& exercise : set.exercises) {
        out += std::string("<section>\n<h2>") + ExerciseTitle(exercise) + "</h2>\n" + StatementAsHtml(exercise.statement);
        if (exercise.decision && !key) out += decision::WorkedHtmlBody(decision::ProblemDocumentOf(exercise.decision->problem), 1);
        out += std::string("<p>") + HtmlText("Se pide: " + AskedLabels(exercise) + ".") + "</p>\n";
        if (const std::string link = ExerciseLinkOf(exercise, options.linkBase); !link.empty()) {
            out += std::string("<p>Enlace: <a href=\"") + HtmlText(link) + "\">" + HtmlText(link) + "</a></p>\n";
        }
        if (key) {
            out += "<h3>Resultados</h3>\n<ul>\n";
            for (const std::string& line : ResultLines(exercise)) out += std::string("<li>") + HtmlText(line) + "</li>\n";
            out += "</ul>\n";
            for (const ExerciseClick& click : exercise.clicks) {
                out += std::string("<pre>") + HtmlText(ProcedureAsText(ProcedureOf(click.record))) + "</pre>\n";
            }
            if (const auto& work = exercise.decision) {
                out += decision::WorkedHtmlBody(decision::WorkedDocumentOf(work->problem, work->solution), 2);
            }
        }
        out += "</section>\n";
    }
    return out + "</body>\n</html>\n";
}

}  // namespace trelvani
