#pragma once

#include <cstddef>
#include <vector>

#include "study/decision/solution.h"

namespace trelvani::decision {

// The steps TOPSIS and SAW share: the aggregated weights and ratings, the
// normalised and the weighted matrices.
void WeighRatings(const Problem& problem, Solution& solution);

void SolveTopsis(const Problem& problem, Solution& solution);
void SolveSaw(const Problem& problem, Solution& solution);
void SolveAhp(const Problem& problem, Solution& solution);

// Indices by value, greatest first; equal values keep their order.
std::vector<std::size_t> RankDescending(const std::vector<double>& values);

}  // namespace trelvani::decision
