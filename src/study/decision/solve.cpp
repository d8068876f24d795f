#include "study/decision/methods.h"
#include "study/decision/solution.h"

namespace trelvani::decision {

Solution Solve(const Problem& problem) {
    Solution solution;
    switch (problem.method) {
    case Method::Topsis:
        SolveTopsis(problem, solution);
        break;
    case Method::Saw:
        SolveSaw(problem, solution);
        break;
    case Method::Ahp:
        SolveAhp(problem, solution);
        break;
    }
    return solution;
}

}  // namespace trelvani::decision
