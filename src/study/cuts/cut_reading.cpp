#include "study/cuts/cut_reading.h"

#include "core/buttons.h"
#include "core/handlers/handlers.h"
#include "core/step_names.h"

namespace trelvani {

OperandReading ReadForCuts(const Controls& controls, Row row) {
    try {
        return {ReadOperand(controls, row), false};
    } catch (const RuntimeError&) {
        return {{}, true};
    }
}

Measure CentroidOf(const Controls& controls) {
    MemoryControls own;
    for (Box box : {Box::ZI, Box::ZII, Box::ZIII, Box::ZIV}) own.SetText(box, controls.Text(box));
    StepList steps;
    RunClick(DEFUZY_Click, own, &steps);
    for (const Step& step : steps) {
        if (step.name == step::kArea && step.value == 0.0) return {0.0, "el área de Z es cero"};
        if (step.name == step::kCentroid && step.value) return {*step.value, {}};
    }
    return {0.0, std::string(kOverflows)};
}

CutInputs CutInputsOf(const ClickRecord& click, const Controls& window, std::string_view alpha) {
    MemoryControls before;
    for (std::size_t i = 0; i < click.operands.size(); ++i) before.SetText(kAllBoxes[i], click.operands[i]);
    CutInputs inputs{click.button, click.error.has_value(), ReadForCuts(before, Row::X),
                     ReadForCuts(before, Row::Y), ReadForCuts(window, Row::Z), CentroidOf(window), {}, false};
    double typed = 0.0;
    if (ReadAlpha(alpha, typed)) {
        inputs.alpha = typed;
    } else {
        inputs.alphaUnread = alpha.find_first_not_of(" \t\r\n") != std::string_view::npos;
    }
    return inputs;
}

}  // namespace trelvani
