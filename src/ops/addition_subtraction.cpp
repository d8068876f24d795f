#include "fields/checked_arithmetic.h"
#include "fields/operand_io.h"
#include "ops/handlers.h"

namespace trelvani {

void Suma_Click(Controls& controls) {
    const TrapezoidalNumber x = ReadOperand(controls, Row::X);
    const TrapezoidalNumber y = ReadOperand(controls, Row::Y);
    TrapezoidalNumber z;
    z.c1 = Add(x.c1, y.c1);
    z.c2 = Add(x.c2, y.c2);
    z.c3 = Add(x.c3, y.c3);
    // The fourth component goes through the support widths, rounded to
    // single twice; it can differ from x4 + y4 in the last place.
    const double widthX = Subtract(x.c4, x.c1);
    const double widthY = Subtract(y.c4, y.c1);
    const float summedWidth = RoundToSingle(Add(widthX, widthY));
    z.c4 = RoundToSingle(Add(summedWidth, z.c1));
    WriteNumber(controls, Row::Z, z);
}

void Resta_Click(Controls& controls) {
    const TrapezoidalNumber x = ReadOperand(controls, Row::X);
    const TrapezoidalNumber y = ReadOperand(controls, Row::Y);
    TrapezoidalNumber z;
    z.c1 = Subtract(x.c1, y.c4);
    z.c2 = Subtract(x.c2, y.c3);
    z.c3 = Subtract(x.c3, y.c2);
    z.c4 = RoundToSingle(Subtract(x.c4, y.c1));
    WriteNumber(controls, Row::Z, z);
}

}  // namespace trelvani
