// The largest problem a line may hold: 100 alternatives, 30 criteria and 10
// decision makers, read, solved and answered as JSON, and the same worked
// out as a LaTeX document.
#include <string>

#include <benchmark/benchmark.h>

#include "study/decision/documents/worked_solution.h"
#include "study/decision/problem_reading.h"
#include "study/decision/reply.h"

namespace {

constexpr int kAlternatives = 100;
constexpr int kCriteria = 30;
constexpr int kDecisionMakers = 10;

// Chen's terms, spread so that no criterion is all alike.
std::string LargestProblem() {
    const char* weights[] = {"MB", "B", "MDB", "M", "MDA", "A", "MA"};
    const char* ratings[] = {"MP", "P", "MDP", "R", "MDB", "B", "MB"};
    const auto names = [](char prefix, int count) {
        std::string list = "[";
        for (int i = 0; i < count; ++i) list.append(i > 0 ? ",\"" : "\"").append(1, prefix).append(std::to_string(i + 1)).append("\"");
        return list + "]";
    };
    const auto cell = [](const char* const* terms, int seed) {
        std::string text = "[";
        for (int d = 0; d < kDecisionMakers; ++d) text.append(d > 0 ? ",\"" : "\"").append(terms[(seed + 3 * d) % 7]).append("\"");
        return text + "]";
    };
    std::string line = R"({"metodo":"topsis","decisores":)" + std::to_string(kDecisionMakers) +
                       R"(,"alternativas":)" + names('A', kAlternatives) + R"(,"criterios":)" + names('C', kCriteria) +
                       R"(,"pesos":[)";
    for (int j = 0; j < kCriteria; ++j) line.append(j > 0 ? "," : "").append(cell(weights, j));
    line += R"(],"valoraciones":[)";
    for (int i = 0; i < kAlternatives; ++i) {
        line += i > 0 ? ",[" : "[";
        for (int j = 0; j < kCriteria; ++j) line.append(j > 0 ? "," : "").append(cell(ratings, i * 7 + j * 5));
        line += "]";
    }
    return line + "]}";
}

void BM_LargestProblemAsJson(benchmark::State& state) {
    const std::string line = LargestProblem();
    for (auto _ : state) {
        const auto problem = trelvani::decision::ReadProblem(line);
        std::string reply = trelvani::decision::ReplyJson(problem, trelvani::decision::Solve(problem));
        benchmark::DoNotOptimize(reply.data());
    }
}

void BM_LargestProblemAsLatex(benchmark::State& state) {
    const std::string line = LargestProblem();
    for (auto _ : state) {
        const auto problem = trelvani::decision::ReadProblem(line);
        std::string document = trelvani::decision::WorkedSolution(trelvani::decision::DocumentFormat::Latex, problem,
                                                                  trelvani::decision::Solve(problem));
        benchmark::DoNotOptimize(document.data());
    }
}

}  // namespace

BENCHMARK(BM_LargestProblemAsJson)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LargestProblemAsLatex)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
