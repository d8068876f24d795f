#include "core/checked_arithmetic.h"
#include "core/handlers/handlers.h"
#include "core/operand_io.h"
#include "core/step_names.h"

namespace trelvani {

void Multiplicacion_Click(Controls& controls, Steps& steps) {
    const TrapezoidalNumber x = ReadOperand(controls, Row::X, steps);
    const TrapezoidalNumber y = ReadOperand(controls, Row::Y, steps);
    TrapezoidalNumber z;
    z.c1 = steps.Double(step::kZ[0], "x1 * y1", [&] { return Multiply(x.c1, y.c1); });
    z.c2 = steps.Double(step::kZ[1], "x2 * y2", [&] { return Multiply(x.c2, y.c2); });
    z.c3 = steps.Double(step::kZ[2], "x3 * y3", [&] { return Multiply(x.c3, y.c3); });
    const double widthX = steps.Double(step::kWidthX, "x4 - x1", [&] { return Subtract(x.c4, x.c1); });
    const double widthY = steps.Double(step::kWidthY, "y4 - y1", [&] { return Subtract(y.c4, y.c1); });
    const float widthProduct = steps.Single(step::kWidthProduct, "wX * wY", [&] { return Multiply(widthX, widthY); });
    const float candidate = steps.Single(step::kCandidate, "z1 + p", [&] { return Add(z.c1, widthProduct); });
    // The product of two singles is exact in double.
    const float cornerProduct = steps.Single(step::kCornerProduct, "y4 * x4", [&] { return Multiply(y.c4, x.c4); });
    // The larger of the two is kept, c when they are equal.
    z.c4 = cornerProduct > candidate ? steps.Single(step::kZ4, step::kCornerProduct, [&] { return cornerProduct; })
                                     : steps.Single(step::kZ4, step::kCandidate, [&] { return candidate; });
    WriteNumber(controls, Row::Z, z);
}

void Division_Click(Controls& controls, Steps& steps) {
    const TrapezoidalNumber x = ReadOperand(controls, Row::X, steps);
    const TrapezoidalNumber y = ReadOperand(controls, Row::Y, steps);
    TrapezoidalNumber z;
    // Crossed quotients, the fourth one included.
    z.c1 = steps.Double(step::kZ[0], "x1 / y4", [&] { return Divide(x.c1, y.c4); });
    z.c2 = steps.Double(step::kZ[1], "x2 / y3", [&] { return Divide(x.c2, y.c3); });
    z.c3 = steps.Double(step::kZ[2], "x3 / y2", [&] { return Divide(x.c3, y.c2); });
    z.c4 = steps.Single(step::kZ4, "x4 / y1", [&] { return Divide(x.c4, y.c1); });
    WriteNumber(controls, Row::Z, z);
    controls.SetMensajes("");
}

}  // namespace trelvani
