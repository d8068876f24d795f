#include "fields/checked_arithmetic.h"
#include "fields/operand_io.h"
#include "ops/handlers.h"

namespace trelvani {

void Cuadrado_Click(Controls& controls) {
    const TrapezoidalNumber x = ReadOperand(controls, Row::X);
    TrapezoidalNumber z;
    z.c1 = Multiply(x.c1, x.c1);
    z.c2 = Multiply(x.c2, x.c2);
    z.c3 = Multiply(x.c3, x.c3);
    // Exact in double for a single; beyond the single range it overflows.
    z.c4 = RoundToSingle(Multiply(x.c4, x.c4));
    WriteNumber(controls, Row::Z, z);
}

void Raiz_Click(Controls& controls) {
    const TrapezoidalNumber x = ReadOperand(controls, Row::X);
    TrapezoidalNumber z;
    z.c1 = SquareRoot(x.c1);
    z.c2 = SquareRoot(x.c2);
    z.c3 = SquareRoot(x.c3);
    z.c4 = RoundToSingle(SquareRoot(x.c4));
    WriteNumber(controls, Row::Z, z);
}

}  // namespace trelvani
