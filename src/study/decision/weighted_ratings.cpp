#include <algorithm>
#include <string>

#include "study/decision/aggregation.h"
#include "study/decision/checked.h"
#include "study/decision/methods.h"
#include "study/decision/rounding.h"

namespace trelvani::decision {
namespace {

// r = (a1 / c*, a2 / c*, a3 / c*, a4 / c*), c* the greatest a4.
void NormaliseBenefit(const Problem& problem, std::size_t j, Solution& solution) {
    const auto& a = solution.aggregated;
    double best = a[0][j][3];
    for (std::size_t i = 1; i < a.size(); ++i) best = std::max(best, a[i][j][3]);
    if (best == 0) {
        throw DecisionError(problem.criteria[j] +
                            ": todas las a4 agregadas son 0 y la normalización lineal dividiría por cero");
    }
    solution.normalisers[j] = best;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto place = [&] { return problem.alternatives[i] + ", " + problem.criteria[j] + ", normalizada"; };
        Fuzzy r{};
        for (std::size_t c = 0; c < 4; ++c) r[c] = Quotient(a[i][j][c], best, place);
        solution.normalised[i][j] = Rounded(r, problem.conventions.rounding);
    }
}

// r = (a⁻ / a4, a⁻ / a3, a⁻ / a2, a⁻ / a1), a⁻ the least a1.
void NormaliseCost(const Problem& problem, std::size_t j, Solution& solution) {
    const auto& a = solution.aggregated;
    double least = a[0][j][0];
    for (std::size_t i = 1; i < a.size(); ++i) least = std::min(least, a[i][j][0]);
    solution.normalisers[j] = least;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i][j][0] == 0) {
            throw DecisionError(problem.alternatives[i] + ", " + problem.criteria[j] +
                                ": a1 agregada es 0 en un criterio de costo y la normalización lineal dividiría por cero");
        }
        const auto place = [&] { return problem.alternatives[i] + ", " + problem.criteria[j] + ", normalizada"; };
        const Fuzzy r{Quotient(least, a[i][j][3], place), Quotient(least, a[i][j][2], place),
                      Quotient(least, a[i][j][1], place), Quotient(least, a[i][j][0], place)};
        solution.normalised[i][j] = Rounded(r, problem.conventions.rounding);
    }
}

}  // namespace

void WeighRatings(const Problem& problem, Solution& solution) {
    const Conventions& conventions = problem.conventions;
    const std::size_t m = problem.alternatives.size();
    const std::size_t n = problem.criteria.size();

    solution.weights.resize(n);
    for (std::size_t j = 0; j < n; ++j) {
        const auto place = [&] { return "peso de " + problem.criteria[j]; };
        solution.weights[j] = Rounded(Finite(Aggregate(problem.weights[j], conventions.aggregation), place),
                                      conventions.rounding);
    }
    solution.aggregated.assign(m, std::vector<Fuzzy>(n));
    for (std::size_t i = 0; i < m; ++i) {
        for (std::size_t j = 0; j < n; ++j) {
            const auto place = [&] { return problem.alternatives[i] + ", " + problem.criteria[j]; };
            solution.aggregated[i][j] = Rounded(
                Finite(Aggregate(problem.ratings[i][j], conventions.aggregation), place), conventions.rounding);
        }
    }

    if (conventions.normalisation == Normalisation::Linear) {
        solution.normalisers.assign(n, 0.0);
        solution.normalised.assign(m, std::vector<Fuzzy>(n));
        for (std::size_t j = 0; j < n; ++j) {
            if (problem.types[j] == CriterionType::Benefit) {
                NormaliseBenefit(problem, j, solution);
            } else {
                NormaliseCost(problem, j, solution);
            }
        }
    } else {
        solution.normalisers.clear();
        solution.normalised = solution.aggregated;
    }

    // v = (r1·w1, r2·w2, r3·w3, r4·w4)
    solution.weighted.assign(m, std::vector<Fuzzy>(n));
    for (std::size_t i = 0; i < m; ++i) {
        for (std::size_t j = 0; j < n; ++j) {
            const auto place = [&] { return problem.alternatives[i] + ", " + problem.criteria[j] + ", ponderada"; };
            const Fuzzy& r = solution.normalised[i][j];
            const Fuzzy& w = solution.weights[j];
            const Fuzzy v{r[0] * w[0], r[1] * w[1], r[2] * w[2], r[3] * w[3]};
            solution.weighted[i][j] = Rounded(Finite(v, place), conventions.rounding);
        }
    }
}

std::vector<std::size_t> RankDescending(const std::vector<double>& values) {
    std::vector<std::size_t> order(values.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return values[a] > values[b]; });
    return order;
}

}  // namespace trelvani::decision
