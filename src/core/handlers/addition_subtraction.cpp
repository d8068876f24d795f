#include "core/checked_arithmetic.h"
#include "core/handlers/handlers.h"
#include "core/operand_io.h"
#include "core/step_names.h"

namespace trelvani {

void Suma_Click(Controls& controls, Steps& steps) {
    const TrapezoidalNumber x = ReadOperand(controls, Row::X, steps);
    const TrapezoidalNumber y = ReadOperand(controls, Row::Y, steps);
    TrapezoidalNumber z;
    z.c1 = steps.Double(step::kZ[0], "x1 + y1", [&] { return Add(x.c1, y.c1); });
    z.c2 = steps.Double(step::kZ[1], "x2 + y2", [&] { return Add(x.c2, y.c2); });
    z.c3 = steps.Double(step::kZ[2], "x3 + y3", [&] { return Add(x.c3, y.c3); });
    // The fourth component goes through the support widths, rounded to
    // single twice; it can differ from x4 + y4 in the last place.
    const double widthX = steps.Double(step::kWidthX, "x4 - x1", [&] { return Subtract(x.c4, x.c1); });
    const double widthY = steps.Double(step::kWidthY, "y4 - y1", [&] { return Subtract(y.c4, y.c1); });
    const float summedWidth = steps.Single(step::kSummedWidth, "wX + wY", [&] { return Add(widthX, widthY); });
    z.c4 = steps.Single(step::kZ4, "wXY + z1", [&] { return Add(summedWidth, z.c1); });
    WriteNumber(controls, Row::Z, z);
}

void Resta_Click(Controls& controls, Steps& steps) {
    const TrapezoidalNumber x = ReadOperand(controls, Row::X, steps);
    const TrapezoidalNumber y = ReadOperand(controls, Row::Y, steps);
    TrapezoidalNumber z;
    z.c1 = steps.Double(step::kZ[0], "x1 - y4", [&] { return Subtract(x.c1, y.c4); });
    z.c2 = steps.Double(step::kZ[1], "x2 - y3", [&] { return Subtract(x.c2, y.c3); });
    z.c3 = steps.Double(step::kZ[2], "x3 - y2", [&] { return Subtract(x.c3, y.c2); });
    z.c4 = steps.Single(step::kZ4, "x4 - y1", [&] { return Subtract(x.c4, y.c1); });
    WriteNumber(controls, Row::Z, z);
}

}  // namespace trelvani
