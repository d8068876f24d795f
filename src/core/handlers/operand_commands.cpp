#include "core/handlers/operand_commands.h"

#include "core/operand_io.h"

namespace trelvani {

void Borrar_Click(Controls& controls, Steps&) {
    for (Box box : {Box::XI, Box::XII, Box::XIII, Box::XIV, Box::YI, Box::YII, Box::YIII, Box::YIV}) {
        controls.SetText(box, "");
    }
}

void XZ_Click(Controls& controls, Steps&) { WriteNumber(controls, Row::X, ReadOperand(controls, Row::Z)); }

void YZ_Click(Controls& controls, Steps&) { WriteNumber(controls, Row::Y, ReadOperand(controls, Row::Z)); }

}  // namespace trelvani
