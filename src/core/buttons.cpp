#include "core/buttons.h"

#include "core/handlers/handlers.h"
#include "core/handlers/operand_commands.h"

namespace trelvani {

constexpr std::array<Button, 12> kButtons = {{
    {ButtonId::Add, "Suma", "+"},
    {ButtonId::Multiply, "Multiplicacion", "X"},
    {ButtonId::Subtract, "Resta", "-"},
    {ButtonId::Divide, "Division", "/"},
    {ButtonId::Minimum, "Minimo", "Min"},
    {ButtonId::Maximum, "Maximo", "Max"},
    {ButtonId::Square, "Cuadrado", "X * X"},
    {ButtonId::SquareRoot, "Raiz", "Raiz ( X )"},
    {ButtonId::Defuzzify, "DEFUZY", "Defuzyficacion ( Z )"},
    {ButtonId::CopyZToX, "XZ", "X = Z"},
    {ButtonId::CopyZToY, "YZ", "Y = Z"},
    {ButtonId::ClearOperands, "Borrar", "Borrar todo"},
}};

namespace {

constexpr bool InIdOrder() {
    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        if (static_cast<std::size_t>(kButtons[i].id) != i) return false;
    }
    return true;
}
static_assert(InIdOrder(), "ButtonOf indexes the table by id");

}  // namespace

const Button& ButtonOf(ButtonId id) { return kButtons[static_cast<std::size_t>(id)]; }

const Button* ButtonNamed(std::string_view name) {
    for (const Button& button : kButtons) {
        if (button.name == name) return &button;
    }
    return nullptr;
}

ClickHandler HandlerOf(ButtonId id) {
    switch (id) {
    case ButtonId::Add: return Suma_Click;
    case ButtonId::Multiply: return Multiplicacion_Click;
    case ButtonId::Subtract: return Resta_Click;
    case ButtonId::Divide: return Division_Click;
    case ButtonId::Minimum: return Minimo_Click;
    case ButtonId::Maximum: return Maximo_Click;
    case ButtonId::Square: return Cuadrado_Click;
    case ButtonId::SquareRoot: return Raiz_Click;
    case ButtonId::Defuzzify: return DEFUZY_Click;
    case ButtonId::CopyZToX: return XZ_Click;
    case ButtonId::CopyZToY: return YZ_Click;
    case ButtonId::ClearOperands: return Borrar_Click;
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
