// Box conversions beside the standard calls they build on, and one click
// of each button.
#include <array>
#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "core/buttons.h"
#include "core/number_to_text.h"
#include "core/text_to_number.h"

namespace {

// Values spread over many magnitudes, as results come out.
std::vector<double> Doubles() {
    std::mt19937_64 engine(7);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-12, 12);
    std::vector<double> values(4096);
    for (double& value : values) value = mantissa(engine) * std::pow(10.0, exponent(engine));
    return values;
}

std::vector<std::string> Texts() {
    std::vector<std::string> texts;
    for (double value : Doubles()) {
        std::array<char, 64> buffer{};
        const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
        texts.emplace_back(buffer.data(), end);
    }
    return texts;
}

void BM_TextToNumber(benchmark::State& state) {
    const auto texts = Texts();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(trelvani::TextToNumber(texts[i++ & 4095]));
    }
}

void BM_from_chars(benchmark::State& state) {
    const auto texts = Texts();
    std::size_t i = 0;
    for (auto _ : state) {
        const std::string& text = texts[i++ & 4095];
        double value = 0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        benchmark::DoNotOptimize(value);
    }
}

void BM_NumberToText_double(benchmark::State& state) {
    const auto values = Doubles();
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(trelvani::NumberToText(values[i++ & 4095]));
}

void BM_to_chars_double_15(benchmark::State& state) {
    const auto values = Doubles();
    std::size_t i = 0;
    std::array<char, 64> buffer{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                               values[i++ & 4095], std::chars_format::scientific, 14));
    }
}

void BM_NumberToText_single(benchmark::State& state) {
    const auto values = Doubles();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(trelvani::NumberToText(static_cast<float>(values[i++ & 4095])));
    }
}

void BM_to_chars_single_7(benchmark::State& state) {
    const auto values = Doubles();
    std::size_t i = 0;
    std::array<char, 64> buffer{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                               static_cast<float>(values[i++ & 4095]),
                                               std::chars_format::scientific, 6));
    }
}

void BM_Click(benchmark::State& state, trelvani::ClickHandler handler) {
    trelvani::MemoryControls start;
    const char* texts[] = {"1.5", "2.25", "3", "4.1", "5", "6.5", "7", "8.3", "6", "8", "10", "12"};
    for (std::size_t i = 0; i < 12; ++i) start.SetText(trelvani::kAllBoxes[i], texts[i]);
    for (auto _ : state) {
        trelvani::MemoryControls controls = start;
        benchmark::DoNotOptimize(trelvani::RunClick(handler, controls));
    }
}

}  // namespace

BENCHMARK(BM_TextToNumber);
BENCHMARK(BM_from_chars);
BENCHMARK(BM_NumberToText_double);
BENCHMARK(BM_to_chars_double_15);
BENCHMARK(BM_NumberToText_single);
BENCHMARK(BM_to_chars_single_7);

int main(int argc, char** argv) {
    for (const auto& button : trelvani::kButtons) {
        benchmark::RegisterBenchmark(("BM_Click/" + std::string(button.name)).c_str(), BM_Click,
                                     trelvani::HandlerOf(button.id));
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
