#include "study/decision/documents/worked_document.h"
#include "study/exercises/exercise_documents.h"
#include "study/procedure/procedure_writer.h"
#include "text/document_escapes.h"
#include "text/statement_layout.h"

namespace trelvani {

std::string ExercisesAsMarkdown(const ExerciseSet& set, const DocumentOptions& options) {
    const bool key = options.key;
    std::string out = key ? "# Ejercicios: solucionario\n" : "# Ejercicios\n";
    for (const Exercise& exercise : set.exercises) {
        out += std::string("\n## ") + ExerciseTitle(exercise) + "\n\n" + StatementAsMarkdown(exercise.statement) + "\n\n";
        if (exercise.decision && !key) {
            out += decision::WorkedMarkdownBody(decision::ProblemDocumentOf(exercise.decision->problem), 1).substr(1) + "\n";
        }
        out += MarkdownText(std::string("Se pide: ") + AskedLabels(exercise) + ".") + "\n";
        if (const std::string link = ExerciseLinkOf(exercise, options.linkBase); !link.empty()) {
            out += std::string("\n") + MarkdownText("Enlace: " + link) + "\n";
        }
        if (!key) continue;
        out += "\n### Resultados\n\n";
        for (const std::string& line : ResultLines(exercise)) out += std::string("- ") + MarkdownText(line) + "\n";
        for (const ExerciseClick& click : exercise.clicks) out += std::string("\n") + ProcedureAsMarkdown(ProcedureOf(click.record));
        if (const auto& work = exercise.decision) {
            out += '\n';
            out += decision::WorkedMarkdownBody(decision::WorkedDocumentOf(work->problem, work->solution), 2);
        }
    }
    return out;
}

}  // namespace trelvani
