#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/controls.h"
#include "study/click_record.h"
#include "study/cuts/cut_section.h"
#include "study/history/history.h"

namespace trelvani {

// X's and Y's texts as the window holds them, and the button last clicked:
// what a link to the window's exercise is written from.
struct WindowTexts {
    std::array<std::string, 4> x, y;
    const Button* lastButton = nullptr;
};

// A click, the history, the α-cuts inputs and the window's texts as plain
// bytes, so that the page's core can hand them to the study module, which
// the page loads after the window. Lengths and numbers travel as their
// bytes: nothing is converted.
std::string ClickBytes(const ClickRecord& click);
std::string HistoryBytes(const History& history);
std::string CutInputsBytes(const CutInputs& inputs);
std::string WindowTextsBytes(const Controls& controls, const Button* lastButton);

// Read back; the click's step names and formulas are views into `bytes`,
// which must outlive them. Malformed bytes read as empty.
ClickRecord ClickFromBytes(std::string_view bytes);
History HistoryFromBytes(std::string_view bytes);
CutInputs CutInputsFromBytes(std::string_view bytes);
WindowTexts WindowTextsFromBytes(std::string_view bytes);

}  // namespace trelvani
