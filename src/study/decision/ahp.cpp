#include <array>
#include <cmath>
#include <string>

#include "core/power.h"
#include "study/decision/aggregation.h"
#include "study/decision/checked.h"
#include "study/decision/defuzzification.h"
#include "study/decision/methods.h"
#include "study/decision/rounding.h"

namespace trelvani::decision {
namespace {

// Saaty's random index for n = 3 … 10.
constexpr std::array<double, 8> kRandomIndex = {0.58, 0.9, 1.12, 1.24, 1.32, 1.41, 1.45, 1.49};

// The aggregated comparisons above the diagonal, (1, 1, 1, 1) on it, and
// below it the reciprocal (1 / a4, 1 / a3, 1 / a2, 1 / a1) of the rounded
// comparison above, rounded in turn.
void BuildMatrix(const Problem& problem, Solution& solution) {
    const std::optional<int> rounding = problem.conventions.rounding;
    const std::size_t n = problem.criteria.size();
    solution.comparisons.assign(n, std::vector<Fuzzy>(n, Fuzzy{1, 1, 1, 1}));
    for (std::size_t i = 0; i + 1 < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j) {
            const auto place = [&] { return problem.criteria[i] + " frente a " + problem.criteria[j]; };
            const auto reciprocalPlace = [&] { return problem.criteria[j] + " frente a " + problem.criteria[i]; };
            const Fuzzy a = Rounded(
                Finite(Aggregate(problem.comparisons[i][j - i - 1], problem.conventions.aggregation), place), rounding);
            solution.comparisons[i][j] = a;
            const Fuzzy reciprocal{Quotient(1.0, a[3], reciprocalPlace), Quotient(1.0, a[2], reciprocalPlace),
                                   Quotient(1.0, a[1], reciprocalPlace), Quotient(1.0, a[0], reciprocalPlace)};
            solution.comparisons[j][i] = Rounded(reciprocal, rounding);
        }
    }
}

// λmax = Σⱼ (Σᵢ mᵢⱼ) · wⱼ on the modal matrix mᵢⱼ = (aᵢⱼ2 + aᵢⱼ3) / 2;
// column sums and partial sums are not rounded.
void MeasureConsistency(const Problem& problem, Solution& solution) {
    const std::optional<int> rounding = problem.conventions.rounding;
    const auto& a = solution.comparisons;
    const std::size_t n = a.size();
    const auto place = [] { return std::string("consistencia"); };
    double lambda = 0.0;
    for (std::size_t j = 0; j < n; ++j) {
        double column = (a[0][j][1] + a[0][j][2]) / 2.0;
        for (std::size_t i = 1; i < n; ++i) column += (a[i][j][1] + a[i][j][2]) / 2.0;
        const double term = column * solution.normalisedWeights[j];
        lambda = j == 0 ? term : lambda + term;
    }
    solution.lambdaMax = Rounded(Finite(lambda, place), rounding);
    const double size = static_cast<double>(n);
    solution.consistencyIndex = Rounded((solution.lambdaMax - size) / (size - 1.0), rounding);
    if (n >= 3 && n <= 10) {
        solution.consistencyRatio = Rounded(solution.consistencyIndex / kRandomIndex[n - 3], rounding);
    } else {
        solution.consistencyRatio.reset();
    }
}

}  // namespace

// Buckley (1985): the geometric mean of each row, the fuzzy weights over
// their total, then crisp weights normalised to sum 1.
void SolveAhp(const Problem& problem, Solution& solution) {
    BuildMatrix(problem, solution);
    const std::optional<int> rounding = problem.conventions.rounding;
    const auto& a = solution.comparisons;
    const std::size_t n = a.size();
    const double root = 1.0 / static_cast<double>(n);

    solution.geometricMeans.assign(n, Fuzzy{});
    for (std::size_t i = 0; i < n; ++i) {
        const auto place = [&] { return problem.criteria[i] + ", media geométrica"; };
        Fuzzy r{};
        for (std::size_t c = 0; c < 4; ++c) {
            double product = a[i][0][c];
            for (std::size_t j = 1; j < n; ++j) product *= a[i][j][c];
            r[c] = Power(Finite(product, place), root);
        }
        solution.geometricMeans[i] = Rounded(Finite(r, place), rounding);
    }

    Fuzzy total = solution.geometricMeans[0];
    for (std::size_t i = 1; i < n; ++i) {
        for (std::size_t c = 0; c < 4; ++c) total[c] += solution.geometricMeans[i][c];
    }
    solution.total = Rounded(Finite(total, [] { return std::string("suma de las medias geométricas"); }), rounding);

    // wᵢ = (rᵢ1 / T4, rᵢ2 / T3, rᵢ3 / T2, rᵢ4 / T1)
    const Fuzzy& t = solution.total;
    solution.fuzzyWeights.assign(n, Fuzzy{});
    solution.crispWeights.assign(n, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
        const auto place = [&] { return problem.criteria[i] + ", peso difuso"; };
        const Fuzzy& r = solution.geometricMeans[i];
        const Fuzzy w{Quotient(r[0], t[3], place), Quotient(r[1], t[2], place), Quotient(r[2], t[1], place),
                      Quotient(r[3], t[0], place)};
        solution.fuzzyWeights[i] = Rounded(w, rounding);
        solution.crispWeights[i] =
            Rounded(Finite(Defuzzify(solution.fuzzyWeights[i], problem.conventions.defuzzification), place), rounding);
    }
    double crispSum = solution.crispWeights[0];
    for (std::size_t i = 1; i < n; ++i) crispSum += solution.crispWeights[i];
    solution.normalisedWeights.assign(n, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
        const auto place = [&] { return problem.criteria[i] + ", peso"; };
        solution.normalisedWeights[i] = Rounded(Quotient(solution.crispWeights[i], crispSum, place), rounding);
    }
    MeasureConsistency(problem, solution);
    solution.order = RankDescending(solution.normalisedWeights);
}

}  // namespace trelvani::decision
