#pragma once

#include <string>
#include <string_view>

#include "study/click_record.h"
#include "study/history.h"

namespace trelvani {

// A click and the history as plain bytes, so that the page's core can hand
// them to the writer, a module of its own that the page loads after the
// window. Lengths and numbers travel as their bytes: nothing is converted.
std::string ClickBytes(const ClickRecord& click);
std::string HistoryBytes(const History& history);

// Read back; the click's names and formulas are views into `bytes`, which
// must outlive it. Malformed bytes read as an empty click or history.
ClickRecord ClickFromBytes(std::string_view bytes);
History HistoryFromBytes(std::string_view bytes);

}  // namespace trelvani
