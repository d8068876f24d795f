#pragma once

#include <array>

#include "core/controls.h"
#include "core/steps.h"
#include "core/trapezoidal_number.h"

namespace trelvani {

// One of the three rows of four boxes.
enum class Row { X, Y, Z };
// The row's boxes, components 1 to 4.
std::array<Box, 4> BoxesOf(Row row);

double ReadDouble(const Controls& controls, Box box);
// A fourth component is rounded to single as it is read; a magnitude
// beyond the single range raises Overflow here, before anything is written.
float ReadSingle(const Controls& controls, Box box);

// Reads components 1 to 4 in that order, each a step named after its row
// and component ("x1".."x4") with its box's name as the formula.
TrapezoidalNumber ReadOperand(const Controls& controls, Row row, Steps& steps);
TrapezoidalNumber ReadOperand(const Controls& controls, Row row);
// Writes components 1 to 4 in that order, the fourth formatted as a single.
void WriteNumber(Controls& controls, Row row, const TrapezoidalNumber& number);

}  // namespace trelvani
