#include "study/decision/checked.h"
#include "study/decision/defuzzification.h"
#include "study/decision/methods.h"
#include "study/decision/rounding.h"

namespace trelvani::decision {

// S is the component-wise sum of the row's weighted ratings; its crisp value
// ranks the alternatives.
void SolveSaw(const Problem& problem, Solution& solution) {
    WeighRatings(problem, solution);
    const std::optional<int> rounding = problem.conventions.rounding;
    const std::size_t m = problem.alternatives.size();
    solution.sums.assign(m, Fuzzy{});
    solution.values.assign(m, 0.0);
    for (std::size_t i = 0; i < m; ++i) {
        const auto place = [&] { return problem.alternatives[i]; };
        const auto& row = solution.weighted[i];
        Fuzzy sum = row[0];
        for (std::size_t j = 1; j < row.size(); ++j) {
            for (std::size_t c = 0; c < 4; ++c) sum[c] += row[j][c];
        }
        solution.sums[i] = Rounded(Finite(sum, place), rounding);
        solution.values[i] =
            Rounded(Finite(Defuzzify(solution.sums[i], problem.conventions.defuzzification), place), rounding);
    }
    solution.order = RankDescending(solution.values);
}

}  // namespace trelvani::decision
