#include "study/decision/documents/worked_solution.h"

#include "study/decision/documents/worked_document.h"

namespace trelvani::decision {

std::optional<DocumentFormat> DocumentFormatNamed(std::string_view name) {
    if (name == "texto") return DocumentFormat::Text;
    if (name == "markdown") return DocumentFormat::Markdown;
    if (name == "latex") return DocumentFormat::Latex;
    if (name == "html") return DocumentFormat::Html;
    return std::nullopt;
}

std::string WorkedSolution(DocumentFormat format, const Problem& problem, const Solution& solution) {
    const WorkedDocument document = WorkedDocumentOf(problem, solution);
    switch (format) {
    case DocumentFormat::Text: return WorkedAsText(document);
    case DocumentFormat::Markdown: return WorkedAsMarkdown(document);
    case DocumentFormat::Latex: return WorkedAsLatex(document);
    case DocumentFormat::Html: return WorkedAsHtml(document);
    }
    return {};
}

}  // namespace trelvani::decision
