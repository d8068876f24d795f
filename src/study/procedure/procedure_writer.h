#pragma once

#include <string>

#include "study/procedure/procedure.h"

namespace trelvani {

// A click's working, to paste elsewhere. Every box text in it is escaped for
// its format; the LaTeX is a fragment for an article with T1 fonts and
// amsmath, with or without Spanish babel.
std::string ProcedureAsText(const Procedure& procedure);
std::string ProcedureAsMarkdown(const Procedure& procedure);
std::string ProcedureAsLatex(const Procedure& procedure);

}  // namespace trelvani
