#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/buttons.h"
#include "core/controls.h"
#include "core/runtime_error.h"
#include "core/steps.h"

namespace trelvani {

// A text a click set: a box's name, or "Mensajes".
struct WrittenText {
    std::string_view control;
    std::string text;
};

// One click as the learning features see it: the operands it found, the
// handler's own steps, and what the handler itself wrote, in order.
struct ClickRecord {
    // The button clicked; none before any click.
    const Button* button = nullptr;
    // XI..XIV and YI..YIV as they stood before the click.
    std::array<std::string, 8> operands;
    StepList steps;
    std::optional<RuntimeError> error;
    std::vector<WrittenText> written;
};

// Runs `button`'s handler on `controls`, noting every text it sets.
ClickRecord RecordClick(const Button& button, Controls& controls);

// The button as the history and the documents name it: "Suma (+)".
std::string OperationWords(const Button& button);

// Four texts as an operand is written out: "(a; b; c; d)".
std::string FourTexts(const std::string* first);

// What a click came to, in the history's words: "Z = ( 6;  8;  10;  12)",
// "Def = \" 9\"", "X e Y vaciados", "Mensajes: …", or "error 11: …".
std::string ResultWords(const ClickRecord& click);

}  // namespace trelvani
