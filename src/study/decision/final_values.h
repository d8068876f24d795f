#pragma once

#include <string>
#include <vector>

#include "study/decision/solution.h"

namespace trelvani::decision {

// What a method ends in, one value per alternative (per criterion in AHP),
// in the problem's order: the closeness CC, the crisp value of S, or the
// normalised weight. Each is named as a student would ask for it, "CC de A1".
struct FinalValue {
    std::string name;
    std::string label;  // the alternative or criterion
    double value = 0.0;
};
struct FinalValues {
    std::string caption;  // what the values are, for a chart's title
    std::vector<FinalValue> values;
};
FinalValues FinalValuesOf(const Problem& problem, const Solution& solution);

}  // namespace trelvani::decision
