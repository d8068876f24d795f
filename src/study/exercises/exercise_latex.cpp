#include "study/decision/documents/worked_document.h"
#include "study/exercises/exercise_documents.h"
#include "study/procedure/procedure_writer.h"
#include "text/document_escapes.h"
#include "text/statement_layout.h"

namespace trelvani {

std::string ExercisesAsLatex(const ExerciseSet& set, const DocumentOptions& options) {
    const bool key = options.key;
    // Only the base and recommended packages: a teacher's TeX Live has them.
    std::string out =
        "\\documentclass[a4paper]{article}\n\\usepackage[T1]{fontenc}\n\\usepackage{lmodern}\n"
        "\\usepackage{amsmath}\n";
    if (HasDecision(set)) out += decision::kWorkedLatexPackage;
    out += "\\begin{document}\n\\section*{";
    out += key ? "Ejercicios: solucionario}\n" : "Ejercicios}\n";
    for (const Exercise& exercise : set.exercises) {
        out += std::string("\\subsection*{") + ExerciseTitle(exercise) + "}\n{\\raggedright\n";
        out += StatementAsLatex(exercise.statement) + "\\par\n";
        // The sheet gives the problem's data; the key's worked solution starts with them.
        if (exercise.decision && !key) {
            out += "}\n" + decision::WorkedLatexBody(decision::ProblemDocumentOf(exercise.decision->problem), 1) + "{\\raggedright\n";
        }
        out += LatexProse(std::string("Se pide: ") + AskedLabels(exercise) + ".") + "\\par";
        if (const std::string link = ExerciseLinkOf(exercise, options.linkBase); !link.empty()) {
            out += std::string("\nEnlace: \\texttt{") + LatexText(link) + "}\\par";
        }
        out += "}\n";
        if (!key) continue;
        out += "\\subsubsection*{Resultados}\n{\\raggedright\n";
        for (const std::string& line : ResultLines(exercise)) out += LatexText(line) + "\\par\n";
        out += "}\n";
        for (const ExerciseClick& click : exercise.clicks) out += ProcedureAsLatex(ProcedureOf(click.record));
        if (const auto& work = exercise.decision) {
            out += decision::WorkedLatexBody(decision::WorkedDocumentOf(work->problem, work->solution), 2);
        }
    }
    return out + "\\end{document}\n";
}

}  // namespace trelvani
