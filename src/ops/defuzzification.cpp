#include "fields/checked_arithmetic.h"
#include "fields/number_to_text.h"
#include "fields/operand_io.h"
#include "ops/handlers.h"

namespace trelvani {

// The centroid of Z's trapezoid: a left triangle, a core rectangle and a
// right triangle, each area times its centroid, over the whole area. The
// grouping below fixes the last digits shown, so keep it as it is.
void DEFUZY_Click(Controls& controls, Steps& steps) {
    const TrapezoidalNumber z = ReadOperand(controls, Row::Z, steps);
    const double twoThirds = 2.0 / 3.0;
    const double oneThird = 1.0 / 3.0;

    // Each difference is taken with the first piece that needs it.
    double leftRise = 0.0;
    double core = 0.0;
    double rightFall = 0.0;
    const double left = steps.Double("L", "((z2 - z1) / 2) * (z1 + 2/3 * (z2 - z1))", [&] {
        leftRise = Subtract(z.c2, z.c1);
        return Multiply(Divide(leftRise, 2.0), Add(z.c1, Multiply(twoThirds, leftRise)));
    });
    const double middle = steps.Double("C", "(z3 - z2) * (z2 + 0.5 * (z3 - z2))", [&] {
        core = Subtract(z.c3, z.c2);
        return Multiply(core, Add(z.c2, Multiply(0.5, core)));
    });
    const double right = steps.Double("R", "(0.5 * (z4 - z3)) * (z3 + 1/3 * (z4 - z3))", [&] {
        rightFall = Subtract(z.c4, z.c3);
        return Multiply(Multiply(0.5, rightFall), Add(z.c3, Multiply(oneThird, rightFall)));
    });
    const double moment = steps.Double("M", "L + C + R", [&] { return Add(Add(left, middle), right); });
    const double area = steps.Double("A", "0.5 * (z2 - z1) + (z3 - z2) + 0.5 * (z4 - z3)", [&] {
        return Add(Add(Multiply(0.5, leftRise), core), Multiply(0.5, rightFall));
    });
    const float centroid = steps.Single("D", "M / A", [&] { return Divide(moment, area); });
    controls.SetText(Box::Def, NumberToText(centroid));
}

}  // namespace trelvani
