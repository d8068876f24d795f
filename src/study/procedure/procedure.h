#pragma once

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "study/click_record.h"

namespace trelvani {

// One step of a click laid out for reading: its parts, joined by " = " (the
// name, the formula, the formula with the values in it, the value).
struct ProcedureLine {
    std::vector<std::string> math;
    // The single a value was rounded to, where that changed it.
    std::string rounded;
    // Why the step matters, for a student checking it by hand.
    std::string_view note;
    // "error 11: División por cero", for the step that failed.
    std::string error;
};

// A click's working, from the values its handler listed, and the texts it
// wrote.
struct Procedure {
    std::string_view button;  // its name
    std::vector<ProcedureLine> lines;
    std::vector<WrittenText> boxes;
};

Procedure ProcedureOf(const ClickRecord& click);

// The steps whose rounding a note explains, with the note.
extern const std::array<std::pair<std::string_view, std::string_view>, 10> kRoundingNotes;

// What the list says where a click computed nothing.
inline constexpr std::string_view kNothingComputed = "Este botón no calcula ningún valor: solo copia o borra textos.";

// One line as plain text: "wXY = wX + wY = 0.3 + 1 = 1.3 → en precisión
// simple: 1.2999999523162842".
std::string LineText(const ProcedureLine& line);

}  // namespace trelvani
