#pragma once

#include <string>

#include "core/steps.h"

namespace trelvani {

// The listing as a JSON array of {"name", "formula", "value", "unrounded",
// "error"}, each member present only where it applies; values as
// ShortestText gives them.
std::string StepsJson(const StepList& steps);

}  // namespace trelvani
