#include "fields/checked_arithmetic.h"
#include "fields/operand_io.h"
#include "ops/handlers.h"

namespace trelvani {
namespace {

constexpr std::string_view kBothEqual = "Ambos numeros son iguales";

double Mean(const TrapezoidalNumber& number) {
    return Divide(Add(Add(Add(number.c1, number.c2), number.c3), number.c4), 4.0);
}

enum class Pick { Greater, Lesser };

// Both means are compared at single precision, so identical operands
// always compare equal.
void WriteRanked(Controls& controls, Pick pick) {
    const TrapezoidalNumber x = ReadOperand(controls, Row::X);
    const TrapezoidalNumber y = ReadOperand(controls, Row::Y);
    const double meanX = Mean(x);
    const float meanY = RoundToSingle(Mean(y));
    const float singleMeanX = RoundToSingle(meanX);
    if (singleMeanX == meanY) {
        controls.SetMensajes(kBothEqual);
        return;
    }
    const bool xIsGreater = singleMeanX > meanY;
    const bool pickX = pick == Pick::Greater ? xIsGreater : !xIsGreater;
    WriteNumber(controls, Row::Z, pickX ? x : y);
}

}  // namespace

void Maximo_Click(Controls& controls) { WriteRanked(controls, Pick::Greater); }

void Minimo_Click(Controls& controls) { WriteRanked(controls, Pick::Lesser); }

}  // namespace trelvani
