#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "fields/controls.h"
#include "fields/runtime_error.h"

namespace trelvani::testing {

// What must hold around any click, whatever the boxes held: after a runtime
// error nothing changed; after a success only the boxes and caption that
// button writes changed, and every number written reads back. Gives back a
// description of the first broken rule, or nothing.
std::optional<std::string> CheckClick(std::string_view button, const MemoryControls& before,
                                      const MemoryControls& after,
                                      const std::optional<RuntimeError>& error);

}  // namespace trelvani::testing
