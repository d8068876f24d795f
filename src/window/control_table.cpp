#include "window/control_table.h"

#include <string>

#include "trelvani_version.h"

namespace trelvani::window {

namespace {
constexpr auto B = ControlKind::Button;
constexpr auto T = ControlKind::TextBox;
constexpr auto L = ControlKind::Label;
constexpr auto Plain = ControlFont::Default;
}  // namespace

// clang-format off
const std::array<ControlRow, 33> kControlTable = {{
    {"Borrar",         -1, B, "Borrar todo",          5040, 4560, 1215, 495, 32, Plain, true,  "Borrar todo", "Vacía X e Y"},
    {"Def",            -1, T, "  ",                   2040, 2520, 1335, 375, 29, Plain, false, "Valor defuzzificado de Z", ""},
    {"YZ",             -1, B, "Y = Z",                3600, 4560, 1095, 495, 27, Plain, true,  "Y = Z, copiar Z en Y", ""},
    {"XZ",             -1, B, "X = Z",                2280, 4560, 1095, 495, 26, Plain, true,  "X = Z, copiar Z en X", ""},
    {"DEFUZY",         -1, B, "Defuzyficacion ( Z )", 2280, 5280, 2415, 495, 25, Plain, true,  "Defuzyficacion ( Z )", "Defuzzificación de Z: su centroide"},
    {"Raiz",           -1, B, "Raiz ( X )",           3600, 3840, 1095, 495, 24, Plain, true,  "Raiz ( X )", "Raíz cuadrada de X"},
    {"Cuadrado",       -1, B, "X * X",                3600, 3120, 1095, 495, 23, Plain, true,  "X * X, cuadrado de X", ""},
    {"Maximo",         -1, B, "Max",                  2280, 3840, 1095, 495, 22, Plain, true,  "Max, máximo", ""},
    {"Minimo",         -1, B, "Min",                  2280, 3120, 1095, 495, 21, Plain, true,  "Min, mínimo", ""},
    {"Division",       -1, B, "/",                     960, 5280, 1095, 495, 20, Plain, true,  "/, división", ""},
    {"Resta",          -1, B, "-",                     960, 4560, 1095, 495, 19, Plain, true,  "-, resta", ""},
    {"Multiplicacion", -1, B, "X",                     960, 3840, 1095, 495, 18, Plain, true,  "X, multiplicación", ""},
    {"Suma",           -1, B, "+",                     960, 3120, 1095, 495, 17, Plain, true,  "+, suma", ""},
    {"ZIV",            -1, T, " ",                    4920, 2040,  855, 375, 16, Plain, false, "Z, componente 4", ""},
    {"ZIII",           -1, T, " ",                    3960, 2040,  855, 375, 15, Plain, false, "Z, componente 3", ""},
    {"ZII",            -1, T, " ",                    3000, 2040,  855, 375, 14, Plain, false, "Z, componente 2", ""},
    {"ZI",             -1, T, " ",                    2040, 2040,  855, 375, 13, Plain, false, "Z, componente 1", ""},
    {"YIV",            -1, T, " ",                    4920, 1440,  855, 375, 11, Plain, false, "Y, componente 4", ""},
    {"YIII",           -1, T, " ",                    3960, 1440,  855, 375, 10, Plain, false, "Y, componente 3", ""},
    {"YII",            -1, T, " ",                    3000, 1440,  855, 375,  9, Plain, false, "Y, componente 2", ""},
    {"YI",             -1, T, " ",                    2040, 1440,  855, 375,  8, Plain, false, "Y, componente 1", ""},
    {"XIV",            -1, T, " ",                    4920,  840,  855, 375,  6, Plain, false, "X, componente 4", ""},
    {"XIII",           -1, T, " ",                    3960,  840,  855, 375,  5, Plain, false, "X, componente 3", ""},
    {"XII",            -1, T, " ",                    3000,  840,  855, 375,  4, Plain, false, "X, componente 2", ""},
    {"XI",             -1, T, " ",                    2040,  840,  855, 375,  2, Plain, false, "X, componente 1", ""},
    {"Label5",         -1, L, "Mensajes",             4920, 3240, 1575, 255, 31, ControlFont::Bold8, true,  "Mensajes", "", "Mensajes"},
    {"Mensajes",       -1, L, " ",                    4920, 3480, 1575, 615, 30, Plain, true,  "", "Área de mensajes"},
    {"Label4",         -1, L, "DEFUZZY :",             720, 2520, 1095, 255, 28, ControlFont::Bold8, false, "DEFUZZY", "", "Def"},
    {"Label3",         -1, L, "Z= f( X, Y ) :",        480, 2160, 1215, 255, 12, ControlFont::Bold8, false, "Z igual a f de X, Y", "", "ZI ZII ZIII ZIV"},
    {"Label2",          1, L, "Y : ",                 1200, 1560,  735, 255,  7, ControlFont::Bold8, true,  "Y", "", "YI YII YIII YIV"},
    {"Label1",          1, L, "Trelvani " TRELVANI_VERSION " · Calculadora de números fuzzy trapezoidales",
                                                         0,    0, 6075, 615,  3, ControlFont::Bold9, true,  "", ""},
    {"Label2",          0, L, "X : ",                 1200,  960,  735, 255,  1, ControlFont::Bold8, true,  "X", "", "XI XII XIII XIV"},
    {"Label1",          0, L, "",                      120,    0, 6975, 615,  0, ControlFont::Bold12, true, "", ""},
}};
// clang-format on

double PointSize(ControlFont font) {
    switch (font) {
    case ControlFont::Bold8:
        return 8.25;
    case ControlFont::Bold9:
        return 9.75;
    case ControlFont::Bold12:
        return 12.0;
    case ControlFont::Default:
        break;
    }
    return 0.0;
}

std::optional<Box> BoxOf(const ControlRow& row) {
    if (row.kind != ControlKind::TextBox) return std::nullopt;
    return BoxNamed(row.name);
}


const ControlRow* RowNamed(std::string_view name) {
    for (const ControlRow& row : kControlTable) {
        if (IdOf(row) == name) return &row;
    }
    return nullptr;
}

std::string IdOf(const ControlRow& row) {
    std::string id(row.name);
    if (row.index >= 0) id += '_' + std::to_string(row.index);
    return id;
}

}  // namespace trelvani::window
