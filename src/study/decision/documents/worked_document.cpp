#include "study/decision/documents/worked_document.h"

#include "study/decision/documents/worked_parts.h"

namespace trelvani::decision {

WorkedDocument WorkedDocumentOf(const Problem& problem, const Solution& solution) {
    switch (problem.method) {
    case Method::Topsis: return worked::WorkedTopsis(problem, solution);
    case Method::Saw: return worked::WorkedSaw(problem, solution);
    case Method::Ahp: return worked::WorkedAhp(problem, solution);
    }
    return {};
}

WorkedDocument ProblemDocumentOf(const Problem& problem) {
    std::vector<Section> sections;
    switch (problem.method) {
    case Method::Topsis: sections = worked::TopsisProblem(problem); break;
    case Method::Saw: sections = worked::SawProblem(problem); break;
    case Method::Ahp: sections = worked::AhpProblem(problem); break;
    }
    return {{}, std::move(sections)};
}

std::string CellText(const TableCell& cell) {
    const bool fuzzy = cell.kind == CellKind::Fuzzy;
    std::string out;
    for (std::size_t i = 0; i < cell.parts.size(); ++i) out.append(i > 0 ? (fuzzy ? ", " : "; ") : "").append(cell.parts[i]);
    return fuzzy ? "(" + out + ")" : out;
}

std::string LineText(const Line& line) {
    std::string out;
    for (const Piece& piece : line) out += piece.text;
    return out;
}

}  // namespace trelvani::decision
