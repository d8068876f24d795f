#pragma once

#include "core/controls.h"
#include "core/steps.h"

// These compute nothing, so they name no steps.
namespace trelvani {

// Empties the eight operand boxes; Z, `Def` and `Mensajes` keep their texts.
void Borrar_Click(Controls& controls, Steps& steps);
// Copy Z into X or Y through numbers, so the operand gets Z's standard text.
void XZ_Click(Controls& controls, Steps& steps);
void YZ_Click(Controls& controls, Steps& steps);

}  // namespace trelvani
