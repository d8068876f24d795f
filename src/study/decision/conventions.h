#pragma once

#include <string_view>

#include "study/decision/json_tree.h"
#include "study/decision/problem.h"

namespace trelvani::decision {

// The words a problem and its reply use for each choice.
std::string_view Word(Method method);
std::string_view Word(CriterionType type);
std::string_view Word(Aggregation aggregation);
std::string_view Word(Normalisation normalisation);
std::string_view Word(Ideals ideals);
std::string_view Word(Distance distance);
std::string_view Word(Defuzzification defuzzification);

// The conventions "convenios" chooses (null: none), each one not chosen at
// its method's default. The default distance is "vertices-4" when an entry
// was given with four components. Throws DecisionError.
Conventions ReadConventions(Method method, const JsonValue* chosen, bool fourComponents);

}  // namespace trelvani::decision
