// Random box texts and clicks on the in-memory boxes: after a runtime error
// nothing changed, after a success only what that button writes changed.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "click_invariants.h"
#include "core/buttons.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    trelvani::MemoryControls controls;
    std::size_t i = 0;
    while (i < size) {
        const std::uint8_t op = data[i++];
        if (op < 128) {
            // Set a box: the next byte is the length, then the text.
            const auto box = trelvani::kAllBoxes[op % trelvani::kBoxCount];
            const std::size_t length = i < size ? data[i++] % 48 : 0;
            const std::size_t take = length < size - i ? length : size - i;
            controls.SetText(box, std::string_view(reinterpret_cast<const char*>(data + i), take));
            i += take;
        } else {
            const auto& button = trelvani::kButtons[op % trelvani::kButtons.size()];
            const trelvani::MemoryControls before = controls;
            trelvani::StepList steps;
            const auto error = trelvani::RunClick(trelvani::HandlerOf(button.id), controls, &steps);
            if (auto problem = trelvani::testing::CheckClick(button.name, before, controls, error, steps)) {
                std::fprintf(stderr, "%s\n", problem->c_str());
                std::abort();
            }
        }
    }
    return 0;
}
