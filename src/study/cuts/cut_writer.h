#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "study/cuts/cut_section.h"

namespace trelvani {

// The section's words, the same on the page and in every copy.

// "[1.5, 3.5]", or why the cut does not exist.
std::string CutText(const Cut& cut);
std::string MeasureText(const Measure& measure);

// The cells of the cuts table: α, X, Y, Z and, where the click has one,
// the exact cut, headed kExactHeading (the plot's legend too).
inline constexpr std::string_view kExactHeading = "exacto";
std::vector<std::string> CutHeader(const CutSection& section);
// The exact curve as the plot's description ends, after the operands:
// "; exacto, en trazos: corte … en α = 0 y … en α = 1"; empty without one.
std::string ExactCurveDescription(const CutSection& section);
std::vector<std::vector<std::string>> CutRows(const CutSection& section);

// How far Z is from the exact result, in one sentence; for Maximo and
// Minimo, a second one saying the buttons rank rather than compute it.
std::vector<std::string> GapSentences(const CutSection& section);

// A convention: its name, its value for Z, and which texts use it.
struct ConventionRow {
    std::string name, value, users;
};
inline constexpr std::string_view kConventionHeader[] = {"Convenio", "Valor", "Quién lo usa"};
std::vector<ConventionRow> ConventionRows(const CutSection& section);

std::string CutsAsText(const CutSection& section);
std::string CutsAsMarkdown(const CutSection& section);
std::string CutsAsLatex(const CutSection& section);

}  // namespace trelvani
