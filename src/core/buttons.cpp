#include "core/buttons.h"

#include "core/handlers/handlers.h"
#include "core/handlers/operand_commands.h"

namespace trelvani {

const std::array<Button, 12> kButtons = {{
    {"Suma", "+", Suma_Click},
    {"Multiplicacion", "X", Multiplicacion_Click},
    {"Resta", "-", Resta_Click},
    {"Division", "/", Division_Click},
    {"Minimo", "Min", Minimo_Click},
    {"Maximo", "Max", Maximo_Click},
    {"Cuadrado", "X * X", Cuadrado_Click},
    {"Raiz", "Raiz ( X )", Raiz_Click},
    {"DEFUZY", "Defuzyficacion ( Z )", DEFUZY_Click},
    {"XZ", "X = Z", XZ_Click},
    {"YZ", "Y = Z", YZ_Click},
    {"Borrar", "Borrar todo", Borrar_Click},
}};

const Button* ButtonNamed(std::string_view name) {
    for (const Button& button : kButtons) {
        if (button.name == name) return &button;
    }
    return nullptr;
}

std::optional<RuntimeError> RunClick(ClickHandler handler, Controls& controls, StepList* listing) {
    Steps steps(listing);
    try {
        handler(controls, steps);
    } catch (const RuntimeError& error) {
        return error;
    }
    return std::nullopt;
}

}  // namespace trelvani
