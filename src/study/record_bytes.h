#pragma once

#include <string>
#include <string_view>

#include "study/click_record.h"
#include "study/cuts/cut_section.h"
#include "study/history/history.h"

namespace trelvani {

// A click, the history and the α-cuts inputs as plain bytes, so that the page's core can hand
// them to the writer, a module of its own that the page loads after the
// window. Lengths and numbers travel as their bytes: nothing is converted.
std::string ClickBytes(const ClickRecord& click);
std::string HistoryBytes(const History& history);
std::string CutInputsBytes(const CutInputs& inputs);

// Read back; the click's step names and formulas are views into `bytes`,
// which must outlive them. Malformed bytes read as empty.
ClickRecord ClickFromBytes(std::string_view bytes);
History HistoryFromBytes(std::string_view bytes);
CutInputs CutInputsFromBytes(std::string_view bytes);

}  // namespace trelvani
