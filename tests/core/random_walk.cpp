// A long random walk of clicks on the in-memory boxes, with random texts
// typed in between, checking after every click what must always hold.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "click_invariants.h"
#include "core/buttons.h"
#include "random_texts.h"

int main(int argc, char** argv) {
    const long clicks = argc > 1 ? std::atol(argv[1]) : 1'000'000;
    const unsigned long seed = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 20261207;
    trelvani::testing::RandomTexts texts(seed);
    trelvani::MemoryControls controls;
    long errors = 0;
    const auto start = std::chrono::steady_clock::now();
    for (long i = 0; i < clicks; ++i) {
        for (auto typed = texts.Below(4); typed > 0; --typed) {
            const auto box = trelvani::kAllBoxes[texts.Below(trelvani::kBoxCount)];
            controls.SetText(box, texts.Next());
        }
        const auto& button = trelvani::kButtons[texts.Below(trelvani::kButtons.size())];
        const trelvani::MemoryControls before = controls;
        trelvani::StepList steps;
        const auto error = trelvani::RunClick(trelvani::HandlerOf(button.id), controls, &steps);
        errors += error.has_value();
        if (auto problem = trelvani::testing::CheckClick(button.name, before, controls, error, steps)) {
            std::fprintf(stderr, "click %ld (semilla %lu): %s\n", i, seed, problem->c_str());
            return 1;
        }
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%ld clicks, %ld runtime errors, %.2f s\n", clicks, errors, took.count());
    std::printf("%ld passed, 0 failed\n", clicks);
    return 0;
}
