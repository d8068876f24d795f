#include "fields/operand_io.h"

#include <array>

#include "fields/checked_arithmetic.h"
#include "fields/number_to_text.h"
#include "fields/text_to_number.h"

namespace trelvani {
namespace {

std::array<Box, 4> BoxesOf(Row row) {
    switch (row) {
    case Row::X:
        return {Box::XI, Box::XII, Box::XIII, Box::XIV};
    case Row::Y:
        return {Box::YI, Box::YII, Box::YIII, Box::YIV};
    case Row::Z:
        break;
    }
    return {Box::ZI, Box::ZII, Box::ZIII, Box::ZIV};
}

}  // namespace

double ReadDouble(const Controls& controls, Box box) { return TextToNumber(controls.Text(box)); }

float ReadSingle(const Controls& controls, Box box) {
    return RoundToSingle(ReadDouble(controls, box));
}

TrapezoidalNumber ReadOperand(const Controls& controls, Row row) {
    const auto boxes = BoxesOf(row);
    TrapezoidalNumber number;
    number.c1 = ReadDouble(controls, boxes[0]);
    number.c2 = ReadDouble(controls, boxes[1]);
    number.c3 = ReadDouble(controls, boxes[2]);
    number.c4 = ReadSingle(controls, boxes[3]);
    return number;
}

void WriteNumber(Controls& controls, Row row, const TrapezoidalNumber& number) {
    const auto boxes = BoxesOf(row);
    controls.SetText(boxes[0], NumberToText(number.c1));
    controls.SetText(boxes[1], NumberToText(number.c2));
    controls.SetText(boxes[2], NumberToText(number.c3));
    controls.SetText(boxes[3], NumberToText(number.c4));
}

}  // namespace trelvani
