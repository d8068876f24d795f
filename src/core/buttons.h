#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "core/controls.h"
#include "core/runtime_error.h"
#include "core/steps.h"

namespace trelvani {

using ClickHandler = void (*)(Controls&, Steps&);

// The twelve command buttons, in tab order, with their captions and the
// handler each click runs.
struct Button {
    std::string_view name;
    std::string_view caption;
    ClickHandler handler;
};

extern const std::array<Button, 12> kButtons;

const Button* ButtonNamed(std::string_view name);

// Runs one click. A runtime error comes back as a value, with every box and
// `Mensajes` as they were before the click. With a listing, the click's
// steps are added to it, up to the failing one.
std::optional<RuntimeError> RunClick(ClickHandler handler, Controls& controls, StepList* listing = nullptr);

}  // namespace trelvani
