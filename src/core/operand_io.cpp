#include "core/operand_io.h"

#include <array>

#include "core/checked_arithmetic.h"
#include "core/number_to_text.h"
#include "core/step_names.h"
#include "core/text_to_number.h"

namespace trelvani {

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

double ReadDouble(const Controls& controls, Box box) { return TextToNumber(controls.Text(box)); }

float ReadSingle(const Controls& controls, Box box) {
    return RoundToSingle(ReadDouble(controls, box));
}

TrapezoidalNumber ReadOperand(const Controls& controls, Row row, Steps& steps) {
    const auto& names = row == Row::X ? step::kX : row == Row::Y ? step::kY : step::kZ;
    const auto boxes = BoxesOf(row);
    const auto read = [&](std::size_t i) {
        return steps.Double(names[i], BoxName(boxes[i]), [&] { return ReadDouble(controls, boxes[i]); });
    };
    TrapezoidalNumber number;
    number.c1 = read(0);
    number.c2 = read(1);
    number.c3 = read(2);
    number.c4 = steps.Single(names[3], BoxName(boxes[3]), [&] { return ReadDouble(controls, boxes[3]); });
    return number;
}

TrapezoidalNumber ReadOperand(const Controls& controls, Row row) {
    Steps none;
    return ReadOperand(controls, row, none);
}

void WriteNumber(Controls& controls, Row row, const TrapezoidalNumber& number) {
    const auto boxes = BoxesOf(row);
    controls.SetText(boxes[0], NumberToText(number.c1));
    controls.SetText(boxes[1], NumberToText(number.c2));
    controls.SetText(boxes[2], NumberToText(number.c3));
    controls.SetText(boxes[3], NumberToText(number.c4));
}

}  // namespace trelvani
