#pragma once

#include "study/decision/problem.h"

namespace trelvani::decision {

// The decision makers' entries as one fuzzy number, component by component,
// the sums and products running in the decision makers' order.
Fuzzy Aggregate(const Cell& cell, Aggregation aggregation);

}  // namespace trelvani::decision
