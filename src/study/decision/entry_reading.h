#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "study/decision/json_tree.h"
#include "study/decision/problem.h"
#include "study/decision/scales.h"

namespace trelvani::decision {

// Names the place of an entry for a message ("A2, C3, decisor 2"); called
// only when something is wrong.
using PlaceName = std::function<std::string()>;

// One entry: a term of the scale, a number (a JSON number or its decimal
// text, "0,5" or " 2.5e-1 "), or an array of 3 or 4 ordered numbers.
// `fourComponents` is set when the entry was given with four. Throws
// DecisionError naming the place.
Entry ReadEntry(const JsonValue& value, const Scale& scale, ScaleRole role, const PlaceName& place,
                bool& fourComponents);

// A fuzzy number written as an array of 3 or 4 ordered numbers, as a scale
// of the problem's own gives its terms. `text` receives "(1, 2, 3)".
Fuzzy ReadFuzzyArray(const JsonValue& value, const PlaceName& place, std::string& text);

}  // namespace trelvani::decision
