#include "fields/checked_arithmetic.h"
#include "fields/operand_io.h"
#include "ops/handlers.h"

namespace trelvani {

void Multiplicacion_Click(Controls& controls) {
    const TrapezoidalNumber x = ReadOperand(controls, Row::X);
    const TrapezoidalNumber y = ReadOperand(controls, Row::Y);
    TrapezoidalNumber z;
    z.c1 = Multiply(x.c1, y.c1);
    z.c2 = Multiply(x.c2, y.c2);
    z.c3 = Multiply(x.c3, y.c3);
    const double widthX = Subtract(x.c4, x.c1);
    const double widthY = Subtract(y.c4, y.c1);
    const float widthProduct = RoundToSingle(Multiply(widthX, widthY));
    const float candidate = RoundToSingle(Add(z.c1, widthProduct));
    // The product of two singles is exact in double.
    const float cornerProduct = RoundToSingle(Multiply(y.c4, x.c4));
    z.c4 = cornerProduct > candidate ? cornerProduct : candidate;
    WriteNumber(controls, Row::Z, z);
}

void Division_Click(Controls& controls) {
    const TrapezoidalNumber x = ReadOperand(controls, Row::X);
    const TrapezoidalNumber y = ReadOperand(controls, Row::Y);
    TrapezoidalNumber z;
    // Crossed quotients, the fourth one included.
    z.c1 = Divide(x.c1, y.c4);
    z.c2 = Divide(x.c2, y.c3);
    z.c3 = Divide(x.c3, y.c2);
    z.c4 = RoundToSingle(Divide(x.c4, y.c1));
    WriteNumber(controls, Row::Z, z);
    controls.SetMensajes("");
}

}  // namespace trelvani
