#include "core/checked_arithmetic.h"
#include "core/handlers/handlers.h"
#include "core/operand_io.h"
#include "core/step_names.h"

namespace trelvani {
namespace {

double Mean(const TrapezoidalNumber& number) {
    return Divide(Add(Add(Add(number.c1, number.c2), number.c3), number.c4), 4.0);
}

enum class Pick { Greater, Lesser };

// Both means are compared at single precision, so identical operands
// always compare equal.
void WriteRanked(Controls& controls, Steps& steps, Pick pick) {
    const TrapezoidalNumber x = ReadOperand(controls, Row::X, steps);
    const TrapezoidalNumber y = ReadOperand(controls, Row::Y, steps);
    const float meanX = steps.Single(step::kMeanX, "(x1 + x2 + x3 + x4) / 4", [&] { return Mean(x); });
    const float meanY = steps.Single(step::kMeanY, "(y1 + y2 + y3 + y4) / 4", [&] { return Mean(y); });
    if (meanX == meanY) {
        steps.Outcome(step::kMessage, step::kEqualMeans);
        controls.SetMensajes(kBothEqual);
        return;
    }
    const bool xIsGreater = meanX > meanY;
    const bool pickX = pick == Pick::Greater ? xIsGreater : !xIsGreater;
    steps.Outcome(step::kCopied, pickX ? step::kOperandX : step::kOperandY);
    WriteNumber(controls, Row::Z, pickX ? x : y);
}

}  // namespace

void Maximo_Click(Controls& controls, Steps& steps) { WriteRanked(controls, steps, Pick::Greater); }

void Minimo_Click(Controls& controls, Steps& steps) { WriteRanked(controls, steps, Pick::Lesser); }

}  // namespace trelvani
