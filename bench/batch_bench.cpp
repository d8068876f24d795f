// One batch line side by side: a product with its steps, and the same product
// with the α-cuts at 65 levels and the conventions.
#include <string>

#include <benchmark/benchmark.h>

#include "protocol/reply.h"
#include "protocol/session.h"
#include "study/cuts/cut_replies.h"

namespace {

const std::string kSet = R"({"set": {"XI": "-2", "XII": "-1.5", "XIII": "0.7", "XIV": "3.3", "YI": "1", "YII": "2.25",)"
                         R"( "YIII": "3", "YIV": "4.125"}, "click": "Multiplicacion", )";

std::string Levels() {
    std::string list = "0";
    for (int k = 1; k <= 64; ++k) list.append(",").append(std::to_string(k / 64.0));
    return list;
}

void Answer(benchmark::State& state, const std::string& line) {
    trelvani::CutReplies cuts;
    trelvani::protocol::Session session(cuts);
    trelvani::protocol::StringOutput out;
    for (auto _ : state) {
        out.text.clear();
        session.Handle(line, out);
        benchmark::DoNotOptimize(out.text.data());
    }
}

void BM_ClickWithSteps(benchmark::State& state) { Answer(state, kSet + R"("steps": true})"); }
void BM_ClickWithCutsAndConventions(benchmark::State& state) {
    Answer(state, kSet + R"("alpha": [)" + Levels() + R"(], "conventions": true})");
}

}  // namespace

BENCHMARK(BM_ClickWithSteps);
BENCHMARK(BM_ClickWithCutsAndConventions);
BENCHMARK_MAIN();
