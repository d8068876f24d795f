#include "core/checked_arithmetic.h"
#include "core/handlers/handlers.h"
#include "core/operand_io.h"
#include "core/step_names.h"

namespace trelvani {

void Cuadrado_Click(Controls& controls, Steps& steps) {
    const TrapezoidalNumber x = ReadOperand(controls, Row::X, steps);
    TrapezoidalNumber z;
    z.c1 = steps.Double(step::kZ[0], "x1 * x1", [&] { return Multiply(x.c1, x.c1); });
    z.c2 = steps.Double(step::kZ[1], "x2 * x2", [&] { return Multiply(x.c2, x.c2); });
    z.c3 = steps.Double(step::kZ[2], "x3 * x3", [&] { return Multiply(x.c3, x.c3); });
    // Exact in double for a single; beyond the single range it overflows.
    z.c4 = steps.Single(step::kZ4, "x4 * x4", [&] { return Multiply(x.c4, x.c4); });
    WriteNumber(controls, Row::Z, z);
}

void Raiz_Click(Controls& controls, Steps& steps) {
    const TrapezoidalNumber x = ReadOperand(controls, Row::X, steps);
    TrapezoidalNumber z;
    z.c1 = steps.Double(step::kZ[0], "√x1", [&] { return SquareRoot(x.c1); });
    z.c2 = steps.Double(step::kZ[1], "√x2", [&] { return SquareRoot(x.c2); });
    z.c3 = steps.Double(step::kZ[2], "√x3", [&] { return SquareRoot(x.c3); });
    z.c4 = steps.Single(step::kZ4, "√x4", [&] { return SquareRoot(x.c4); });
    WriteNumber(controls, Row::Z, z);
}

}  // namespace trelvani
