#pragma once

#include <cstddef>
#include <string_view>

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

}  // namespace trelvani::decision
