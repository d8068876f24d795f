#pragma once

#include <array>
#include <string>
#include <vector>

#include "study/click_record.h"

namespace trelvani {

// One click as the history keeps it.
struct HistoryEntry {
    ButtonId button;                      // shown as "Suma (+)"
    std::array<std::string, 8> operands;  // XI..YIV before the click
    std::string result;                   // ResultWords
};

HistoryEntry HistoryEntryOf(const ClickRecord& click);

using History = std::vector<HistoryEntry>;

// The columns the history is shown in: #, Operación, X, Y, Resultado.
inline constexpr std::array<std::string_view, 5> kHistoryHeader = {"#", "Operación", "X", "Y", "Resultado"};
std::array<std::string, 5> HistoryColumns(const HistoryEntry& entry, std::size_t index);

// The history to paste or save. Every box text is escaped for its format.
std::string HistoryAsText(const History& history);
std::string HistoryAsMarkdown(const History& history);
// A fragment that fits the width of its page and breaks between entries.
std::string HistoryAsLatex(const History& history);
// Each box in a column of its own, with a byte-order mark and CRLF lines.
std::string HistoryAsCsv(const History& history);

// One exercise a line for trelvani-ejercicios, for each click of the history
// on X and Y (Suma to Raiz), with the texts the click found.
std::string HistoryAsExerciseList(const History& history);

}  // namespace trelvani
