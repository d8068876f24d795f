#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "study/decision/problem.h"

namespace trelvani::decision {

// Every table of a method's working, in order, each value as the next step
// used it (rounded where the problem asks). Only the method's own tables are
// filled; indices follow the problem's order.
struct Solution {
    // TOPSIS and SAW.
    std::vector<Fuzzy> weights;                       // aggregated, one per criterion
    std::vector<std::vector<Fuzzy>> aggregated;       // [alternative][criterion]
    // With "lineal": per criterion, c* (max of a4, benefit) or a⁻ (min of a1, cost).
    std::vector<double> normalisers;
    std::vector<std::vector<Fuzzy>> normalised;       // [alternative][criterion]
    std::vector<std::vector<Fuzzy>> weighted;         // [alternative][criterion]

    // TOPSIS.
    std::vector<Fuzzy> idealPositive;                 // one per criterion
    std::vector<Fuzzy> idealNegative;
    std::vector<std::vector<double>> distancesPositive;  // [alternative][criterion]
    std::vector<std::vector<double>> distancesNegative;
    std::vector<double> dPositive;                    // one per alternative
    std::vector<double> dNegative;
    std::vector<double> closeness;                    // CC

    // SAW.
    std::vector<Fuzzy> sums;                          // S, one per alternative
    std::vector<double> values;                       // S defuzzified

    // AHP.
    std::vector<std::vector<Fuzzy>> comparisons;      // the whole n × n matrix after aggregation
    std::vector<Fuzzy> geometricMeans;                // r, one per criterion
    Fuzzy total{};                                    // T
    std::vector<Fuzzy> fuzzyWeights;
    std::vector<double> crispWeights;                 // before normalising
    std::vector<double> normalisedWeights;            // the reply's "pesos"
    double lambdaMax = 0;
    double consistencyIndex = 0;
    std::optional<double> consistencyRatio;           // none for n = 2 or n > 10

    // Alternatives (criteria, in AHP) best first; ties keep the input's order.
    std::vector<std::size_t> order;
};

// Solves the problem by its method and conventions; throws DecisionError.
Solution Solve(const Problem& problem);

}  // namespace trelvani::decision
