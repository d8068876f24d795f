#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/controls.h"
#include "core/runtime_error.h"
#include "core/steps.h"

namespace trelvani::testing {

// What must hold around any click, whatever the boxes held: after a runtime
// error nothing changed; after a success only the boxes and caption that
// button writes changed, and every number written reads back and is the
// text of the value the click's listing gives for it; a failed click's
// listing ends with the failing step. Gives back a description of the first
// broken rule, or nothing.
std::optional<std::string> CheckClick(std::string_view button, const MemoryControls& before,
                                      const MemoryControls& after,
                                      const std::optional<RuntimeError>& error, const StepList& steps);

}  // namespace trelvani::testing
