#pragma once

#include "fields/controls.h"

namespace trelvani {

// Empties the eight operand boxes; Z, `Def` and `Mensajes` keep their texts.
void Borrar_Click(Controls& controls);
// Copy Z into X or Y through numbers, so the operand gets Z's standard text.
void XZ_Click(Controls& controls);
void YZ_Click(Controls& controls);

}  // namespace trelvani
