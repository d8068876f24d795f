#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "core/controls.h"
#include "core/runtime_error.h"
#include "core/steps.h"

namespace trelvani {

using ClickHandler = void (*)(Controls&, Steps&);

// The twelve command buttons, in tab order. Code that treats buttons apart
// switches on this without a default, so that a new button nobody handles
// stops the build (-Werror=switch).
enum class ButtonId {
    Add,
    Multiply,
    Subtract,
    Divide,
    Minimum,
    Maximum,
    Square,
    SquareRoot,
    Defuzzify,
    CopyZToX,
    CopyZToY,
    ClearOperands,
};

// A button's name (as the protocol, the exercise lists and the window's
// control table call it) and its caption.
struct Button {
    ButtonId id;
    std::string_view name;
    std::string_view caption;
};

// In ButtonId order.
extern const std::array<Button, 12> kButtons;

const Button& ButtonOf(ButtonId id);

// For names that come from outside: a request, a list, a link, the window.
const Button* ButtonNamed(std::string_view name);

// The handler a click of the button runs. Not in the table: code that only
// names buttons, such as the byte codec between the page's modules, links no handler.
ClickHandler HandlerOf(ButtonId id);

// Runs one click. A runtime error comes back as a value, with every box and
// `Mensajes` as they were before the click. With a listing, the click's
// steps are added to it, up to the failing one.
std::optional<RuntimeError> RunClick(ClickHandler handler, Controls& controls, StepList* listing = nullptr);

}  // namespace trelvani
