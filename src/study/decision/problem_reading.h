#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "study/decision/entry_reading.h"
#include "study/decision/json_tree.h"
#include "study/decision/problem.h"

namespace trelvani::decision {

inline constexpr std::size_t kMaxProblemBytes = 1024 * 1024;
inline constexpr std::size_t kMaxAlternatives = 100;
inline constexpr std::size_t kMaxCriteria = 30;
inline constexpr std::size_t kMaxAhpCriteria = 15;
inline constexpr int kMaxDecisionMakers = 50;

// One problem, one JSON object on one line. Throws DecisionError with a
// Spanish reason that names the place.
Problem ReadProblem(std::string_view line);
// The same, from a problem already parsed (one held inside another line).
Problem ReadProblem(const JsonValue& root);

// The scale of a role's table: the built-in one named under its key, an
// object of term → 3 or 4 numbers, or the default when the key is absent.
// Throws DecisionError.
Scale ReadScale(const JsonValue& root, ScaleRole role);

// One name of the list under `key` ("alternativas", "criterios"), after
// `earlier` ones: refused when blank or repeated. Throws DecisionError.
void CheckName(std::string_view key, const std::string& name, const std::vector<std::string>& earlier);

// One decision maker's entry in a table of the role's: read as ReadEntry
// reads it, then refused where the role forbids its value (a negative weight
// or rating, a comparison not positive). Throws DecisionError naming `place`.
Entry ReadTableEntry(const JsonValue& value, const Scale& scale, ScaleRole role, const PlaceName& place,
                     bool& fourComponents);

}  // namespace trelvani::decision
