#include <algorithm>
#include <cmath>
#include <string>

#include "study/decision/checked.h"
#include "study/decision/methods.h"
#include "study/decision/rounding.h"

namespace trelvani::decision {
namespace {

void FindIdeals(const Problem& problem, Solution& solution) {
    const auto& v = solution.weighted;
    const std::size_t n = problem.criteria.size();
    solution.idealPositive.assign(n, Fuzzy{1, 1, 1, 1});
    solution.idealNegative.assign(n, Fuzzy{0, 0, 0, 0});
    if (problem.conventions.ideals == Ideals::OnesZeros) return;
    for (std::size_t j = 0; j < n; ++j) {
        Fuzzy best = v[0][j];
        Fuzzy worst = v[0][j];
        for (std::size_t i = 1; i < v.size(); ++i) {
            for (std::size_t c = 0; c < 4; ++c) {
                best[c] = std::max(best[c], v[i][j][c]);
                worst[c] = std::min(worst[c], v[i][j][c]);
            }
        }
        if (problem.conventions.ideals == Ideals::Extremes) {
            // The greatest v4 and the least v1, as crisp numbers.
            best = {best[3], best[3], best[3], best[3]};
            worst = {worst[0], worst[0], worst[0], worst[0]};
        }
        solution.idealPositive[j] = best;
        solution.idealNegative[j] = worst;
    }
}

// The vertex method: sqrt((((Δ1² + Δ2²) + Δ3²) + Δ4²) / 4), or for
// triangles sqrt(((Δ1² + Δ2²) + Δ4²) / 3).
double VertexDistance(const Fuzzy& v, const Fuzzy& ideal, Distance distance) {
    Fuzzy square{};
    for (std::size_t c = 0; c < 4; ++c) {
        const double delta = v[c] - ideal[c];
        square[c] = delta * delta;
    }
    if (distance == Distance::Vertex4) return std::sqrt((((square[0] + square[1]) + square[2]) + square[3]) / 4.0);
    return std::sqrt(((square[0] + square[1]) + square[3]) / 3.0);
}

}  // namespace

void SolveTopsis(const Problem& problem, Solution& solution) {
    WeighRatings(problem, solution);
    FindIdeals(problem, solution);
    const std::optional<int> rounding = problem.conventions.rounding;
    const std::size_t m = problem.alternatives.size();
    const std::size_t n = problem.criteria.size();
    solution.distancesPositive.assign(m, std::vector<double>(n));
    solution.distancesNegative.assign(m, std::vector<double>(n));
    solution.dPositive.assign(m, 0.0);
    solution.dNegative.assign(m, 0.0);
    solution.closeness.assign(m, 0.0);
    for (std::size_t i = 0; i < m; ++i) {
        const auto place = [&] { return problem.alternatives[i]; };
        for (std::size_t j = 0; j < n; ++j) {
            const auto cell = [&] { return problem.alternatives[i] + ", " + problem.criteria[j] + ", distancia"; };
            const Fuzzy& v = solution.weighted[i][j];
            solution.distancesPositive[i][j] =
                Rounded(Finite(VertexDistance(v, solution.idealPositive[j], problem.conventions.distance), cell), rounding);
            solution.distancesNegative[i][j] =
                Rounded(Finite(VertexDistance(v, solution.idealNegative[j], problem.conventions.distance), cell), rounding);
        }
        double toBest = solution.distancesPositive[i][0];
        double toWorst = solution.distancesNegative[i][0];
        for (std::size_t j = 1; j < n; ++j) {
            toBest += solution.distancesPositive[i][j];
            toWorst += solution.distancesNegative[i][j];
        }
        solution.dPositive[i] = Rounded(Finite(toBest, place), rounding);
        solution.dNegative[i] = Rounded(Finite(toWorst, place), rounding);
        const double total = Finite(solution.dPositive[i] + solution.dNegative[i], place);
        if (total == 0) throw DecisionError(problem.alternatives[i] + ": d* + d⁻ = 0 y CC no está definido");
        solution.closeness[i] = Rounded(solution.dNegative[i] / total, rounding);
    }
    solution.order = RankDescending(solution.closeness);
}

}  // namespace trelvani::decision
