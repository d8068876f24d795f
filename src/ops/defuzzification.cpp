#include "fields/checked_arithmetic.h"
#include "fields/number_to_text.h"
#include "fields/operand_io.h"
#include "ops/handlers.h"

namespace trelvani {

// The centroid of Z's trapezoid: a left triangle, a core rectangle and a
// right triangle, each area times its centroid, over the whole area. The
// grouping below fixes the last digits shown, so keep it as it is.
void DEFUZY_Click(Controls& controls) {
    const TrapezoidalNumber z = ReadOperand(controls, Row::Z);
    const double twoThirds = 2.0 / 3.0;
    const double oneThird = 1.0 / 3.0;

    const double leftRise = Subtract(z.c2, z.c1);
    const double core = Subtract(z.c3, z.c2);
    const double rightFall = Subtract(z.c4, z.c3);

    const double left = Multiply(Divide(leftRise, 2.0), Add(z.c1, Multiply(twoThirds, leftRise)));
    const double middle = Multiply(core, Add(z.c2, Multiply(0.5, core)));
    const double right = Multiply(Multiply(0.5, rightFall), Add(z.c3, Multiply(oneThird, rightFall)));
    const double moment = Add(Add(left, middle), right);
    const double area = Add(Add(Multiply(0.5, leftRise), core), Multiply(0.5, rightFall));

    const float centroid = RoundToSingle(Divide(moment, area));
    controls.SetText(Box::Def, NumberToText(centroid));
}

}  // namespace trelvani
