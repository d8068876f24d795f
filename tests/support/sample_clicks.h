#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "core/buttons.h"
#include "core/controls.h"
#include "study/click_record.h"

namespace trelvani {

// Every button once, as the study suites click them.
inline constexpr std::array<std::string_view, 12> kEveryButton = {
    "Suma", "Multiplicacion", "Resta", "Division", "Minimo", "Maximo",
    "Cuadrado", "Raiz", "DEFUZY", "XZ", "YZ", "Borrar",
};

// `button` clicked with X = (1; 2; 3; 4), Y = (5; 6; 7; 8) and Z = (1; 2; 3;
// 4): operands on which every button computes something.
inline ClickRecord SampleClick(std::string_view button) {
    MemoryControls controls;
    const std::string_view texts[] = {"1", "2", "3", "4", "5", "6", "7", "8", "1", "2", "3", "4"};
    for (std::size_t i = 0; i < 12; ++i) controls.SetText(kAllBoxes[i], texts[i]);
    return RecordClick(*ButtonNamed(button), controls);
}

// X = (1; ; ; ) divided by an empty Y: error 11, division by zero.
inline ClickRecord FailedClick() {
    MemoryControls controls;
    controls.SetText(Box::XI, "1");
    return RecordClick(*ButtonNamed("Division"), controls);
}

}  // namespace trelvani
