#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "study/decision/solution.h"

namespace trelvani::decision {

// A worked solution as a document: the data as given, the conventions in
// words, every table in order with one cell of each step worked out, and
// the ranking.
enum class DocumentFormat { Text, Markdown, Latex, Html };
std::optional<DocumentFormat> DocumentFormatNamed(std::string_view name);  // "texto", "markdown", "latex", "html"

std::string WorkedSolution(DocumentFormat format, const Problem& problem, const Solution& solution);

}  // namespace trelvani::decision
