#pragma once

#include "fields/controls.h"

// The click handlers of the arithmetic buttons. Each reads its operands
// afresh, computes everything, and only then writes; a RuntimeError thrown
// on the way leaves every box and `Mensajes` as they were.
namespace trelvani {

void Suma_Click(Controls& controls);
void Resta_Click(Controls& controls);
void Multiplicacion_Click(Controls& controls);
void Division_Click(Controls& controls);
void Maximo_Click(Controls& controls);
void Minimo_Click(Controls& controls);
void Cuadrado_Click(Controls& controls);
void Raiz_Click(Controls& controls);
void DEFUZY_Click(Controls& controls);

}  // namespace trelvani
