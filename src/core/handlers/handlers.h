#pragma once

#include <string_view>

#include "core/controls.h"
#include "core/steps.h"

// The click handlers of the arithmetic buttons. Each reads its operands
// afresh, computes everything through `steps`, and only then writes; a
// RuntimeError thrown on the way leaves every box and `Mensajes` as they were.
namespace trelvani {

// What Maximo and Minimo write into Mensajes when both means are equal.
inline constexpr std::string_view kBothEqual = "Ambos numeros son iguales";

void Suma_Click(Controls& controls, Steps& steps);
void Resta_Click(Controls& controls, Steps& steps);
void Multiplicacion_Click(Controls& controls, Steps& steps);
void Division_Click(Controls& controls, Steps& steps);
void Maximo_Click(Controls& controls, Steps& steps);
void Minimo_Click(Controls& controls, Steps& steps);
void Cuadrado_Click(Controls& controls, Steps& steps);
void Raiz_Click(Controls& controls, Steps& steps);
void DEFUZY_Click(Controls& controls, Steps& steps);

}  // namespace trelvani
