#include "study/decision/page_description.h"

#include <array>
#include <initializer_list>

#include "study/decision/conventions.h"
#include "study/decision/page_grids.h"
#include "study/decision/problem_reading.h"
#include "study/decision/scales.h"
#include "text/json_writer.h"

namespace trelvani::decision {

const std::string_view kChenExample =
    R"({"metodo": "topsis", "decisores": 3, "alternativas": ["A1", "A2", "A3"], )"
    R"("criterios": ["C1", "C2", "C3", "C4", "C5"], )"
    R"("pesos": [["A", "MA", "MDA"], ["MA", "MA", "MA"], ["MA", "A", "A"], ["MA", "MA", "MA"], ["M", "MDA", "MDA"]], )"
    R"("valoraciones": [)"
    R"([["MDB", "B", "MDB"], ["B", "MDB", "R"], ["R", "B", "B"], ["MB", "B", "MB"], ["R", "R", "R"]], )"
    R"([["B", "B", "MDB"], ["MB", "MB", "MB"], ["MB", "MB", "B"], ["MB", "MB", "MB"], ["MB", "MDB", "B"]], )"
    R"([["MB", "B", "R"], ["MDB", "B", "MB"], ["B", "MDB", "MB"], ["B", "MB", "MDB"], ["B", "B", "MDB"]]]})";

namespace {

struct Option {
    std::string_view word;
    std::string_view name;
    std::string_view books;  // who uses it, in one short line
};
struct Convention {
    std::string_view key;
    std::string_view name;
    std::initializer_list<Method> methods;
    std::string_view byDefault;
    std::initializer_list<Option> options;
};

// The default distance is the one named here unless an entry has four
// numbers; the note says so.
const std::array<Convention, 7> kConventions = {{
    {"agregacion", "Agregación de los decisores", {Method::Topsis, Method::Saw}, "media",
     {{"media", "Media", "La de Chen (2000) y la mayoría de los manuales de TOPSIS difuso."},
      {"extremos", "Extremos (mínimo, medias, máximo)",
       "El menor a1 y el mayor a4, como Chen, Lin y Huang (2006) al elegir proveedores."}}},
    {"agregacion", "Agregación de los decisores", {Method::Ahp}, "geometrica",
     {{"geometrica", "Media geométrica", "La de Buckley (1985) y los textos de AHP de grupo."},
      {"media", "Media aritmética", "La que usan algunos manuales por sencillez."}}},
    {"normalizacion", "Normalización", {Method::Topsis, Method::Saw}, "lineal",
     {{"lineal", "Lineal", "La de Chen (2000): beneficio entre c*, costo a⁻ entre la casilla."},
      {"ninguna", "Ninguna", "Para valoraciones que ya comparten escala, como en algunos ejercicios de clase."}}},
    {"ideales", "Ideales positivo y negativo", {Method::Topsis}, "unos-ceros",
     {{"unos-ceros", "Unos y ceros", "A* = (1, 1, 1) y A⁻ = (0, 0, 0), como Chen (2000)."},
      {"extremos", "Extremos de cada criterio", "El mayor a4 y el menor a1 de la columna, en varios manuales."},
      {"componentes", "Por componentes", "El máximo y el mínimo de cada componente de la columna."}}},
    {"distancia", "Distancia", {Method::Topsis}, "vertices-3",
     {{"vertices-3", "Vértices, tres", "La de Chen (2000) para triángulos; por omisión salvo con trapecios."},
      {"vertices-4", "Vértices, cuatro", "Para trapecios; por omisión si alguna entrada lleva cuatro números."}}},
    {"desborrosificacion", "Valor nítido", {Method::Saw, Method::Ahp}, "centroide",
     {{"centroide", "Centroide", "El centro de gravedad, el de la mayoría de los manuales."},
      {"media", "Media de los vértices", "(a1 + a2 + a3 + a4) / 4, el de los textos más breves."},
      {"media-graduada", "Media graduada", "(a1 + 2·a2 + 2·a3 + a4) / 6, la de Chen y Hsieh."}}},
    {"redondeo", "Redondeo de cada tabla", {Method::Topsis, Method::Saw, Method::Ahp}, "",
     {{"", "Sin redondeo", "Cada valor con todas sus cifras, como lo da el cálculo."},
      {"0", "0 decimales", "Solo enteros, para ejercicios a mano."},
      {"1", "1 decimal", "Como imprimen algunos libros sus tablas."},
      {"2", "2 decimales", "Como imprimen muchos libros y apuntes sus tablas."},
      {"3", "3 decimales", "Como imprimen muchos artículos sus tablas."},
      {"4", "4 decimales", "Como imprimen muchos artículos sus tablas."},
      {"5", "5 decimales", "Para comparar con una hoja de cálculo."},
      {"6", "6 decimales", "Para comparar con una hoja de cálculo."}}},
}};

void WriteScale(JsonWriter& json, ScaleRole role) {
    json.BeginArray();
    for (const ScaleTerm& term : DefaultScale(role).terms) {
        json.BeginObject().Key("term").String(term.abbreviation).Key("name").String(term.name).EndObject();
    }
    json.EndArray();
}

}  // namespace

std::string PageDescriptionJson() {
    std::string out;
    JsonWriter json(out);
    json.BeginObject().Key("methods").BeginArray();
    constexpr std::array<std::pair<Method, std::string_view>, 3> kMethods = {{
        {Method::Topsis, "TOPSIS difuso"},
        {Method::Saw, "Suma ponderada difusa (SAW)"},
        {Method::Ahp, "AHP difuso de Buckley"},
    }};
    for (const auto& [method, name] : kMethods) {
        json.BeginObject().Key("word").String(Word(method)).Key("name").String(name).EndObject();
    }
    json.EndArray().Key("types").BeginArray();
    for (CriterionType type : {CriterionType::Benefit, CriterionType::Cost}) json.String(Word(type));
    json.EndArray().Key("conventions").BeginArray();
    for (const Convention& convention : kConventions) {
        json.BeginObject();
        json.Key("key").String(convention.key);
        json.Key("name").String(convention.name);
        json.Key("default").String(convention.byDefault);
        json.Key("methods").BeginArray();
        for (Method method : convention.methods) json.String(Word(method));
        json.EndArray().Key("options").BeginArray();
        for (const Option& option : convention.options) {
            json.BeginObject();
            json.Key("word").String(option.word);
            json.Key("name").String(option.name);
            json.Key("books").String(option.books);
            json.EndObject();
        }
        json.EndArray().EndObject();
    }
    json.EndArray().Key("scales").BeginObject();
    json.Key("weights");
    WriteScale(json, ScaleRole::Weights);
    json.Key("ratings");
    WriteScale(json, ScaleRole::Ratings);
    json.Key("comparisons");
    WriteScale(json, ScaleRole::Comparisons);
    json.EndObject().Key("limits").BeginObject();
    json.Key("alternatives").Number(std::to_string(kMaxAlternatives));
    json.Key("criteria").Number(std::to_string(kMaxCriteria));
    json.Key("ahpCriteria").Number(std::to_string(kMaxAhpCriteria));
    json.Key("makers").Integer(kMaxDecisionMakers);
    json.Key("linkBytes").Number(std::to_string(kMaxLinkProblemBytes));
    json.EndObject();
    json.Key("example").Raw(PageGridsJson(GridsOfProblem(ReadProblem(kChenExample))));
    // What the section starts from: two alternatives and two criteria, blank.
    PageGrids blank;
    blank.alternatives = {"A1", "A2"};
    blank.criteria = {"C1", "C2"};
    blank.types = {CriterionType::Benefit, CriterionType::Benefit};
    blank.weights = {{"", ""}};
    blank.ratings = {{{"", ""}, {"", ""}}};
    blank.comparisons = {{{""}}};
    json.Key("blank").Raw(PageGridsJson(blank));
    json.EndObject();
    return out;
}

}  // namespace trelvani::decision
