// The decision methods through their reply, as trelvani-decision answers a
// line: published examples, each convention, each reason a line is refused.
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "core/controls.h"
#include "core/handlers/handlers.h"
#include "core/steps.h"
#include "study/decision/defuzzification.h"
#include "study/decision/page_description.h"
#include "study/decision/problem_reading.h"
#include "study/decision/reply.h"
#include "study/decision/rounding.h"

namespace trelvani::decision {
namespace {

using Json = nlohmann::ordered_json;

// The reply to one line, as the program writes it.
std::string Answer(const std::string& line) {
    try {
        const Problem problem = ReadProblem(line);
        return ReplyJson(problem, Solve(problem));
    } catch (const DecisionError& error) {
        return ErrorJson(error.what());
    }
}

Json Solved(const std::string& line) {
    const Json reply = Json::parse(Answer(line));
    EXPECT_FALSE(reply.contains("error")) << line << "\n" << reply.dump();
    return reply;
}

// A reply's number, read without the locale.
double Number(const Json& text) {
    const std::string digits = text.get<std::string>();
    double value = 0.0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

// To four decimals, as the papers print it.
std::string FourDecimals(const Json& number) { return ShortestText(RoundAsBook(Number(number), 4)); }

std::vector<std::string> Keys(const Json& object) {
    std::vector<std::string> keys;
    for (const auto& item : object.items()) keys.push_back(item.key());
    return keys;
}

// Chen (2000), "Extensions of the TOPSIS for group decision-making under
// fuzzy environment", Fuzzy Sets and Systems 114: three candidates, five
// criteria, three decision makers; the example the page offers.
const std::string kChenLinguistic(kChenExample);

// The same paper's Table 5, the aggregated matrix as printed.
const std::string kChenTable5 = R"({"metodo": "topsis",
  "alternativas": ["A1", "A2", "A3"], "criterios": ["C1", "C2", "C3", "C4", "C5"],
  "pesos": [[0.7, 0.9, 1], [0.9, 1, 1], [0.77, 0.93, 1], [0.9, 1, 1], [0.43, 0.63, 0.83]],
  "valoraciones": [
    [[5.7, 7.7, 9.3], [5, 7, 9], [5.7, 7.7, 9], [8.33, 9.67, 10], [3, 5, 7]],
    [[6.3, 8.3, 9.7], [9, 10, 10], [8.3, 9.7, 10], [9, 10, 10], [7, 9, 10]],
    [[6.3, 8, 9], [7, 9, 10], [7, 9, 10], [7, 9, 10], [6.3, 8.3, 9.7]]]})";

// Hwang and Yoon (1981), Multiple Attribute Decision Making, the fighter
// aircraft: speed, range, payload, cost (a cost), reliability and
// manoeuvrability, with weights 0.2, 0.1, 0.1, 0.1, 0.2, 0.3.
const std::string kHwangYoonSaw = R"({"metodo": "saw",
  "alternativas": ["A1", "A2", "A3", "A4"], "criterios": ["X1", "X2", "X3", "X4", "X5", "X6"],
  "tipos": ["beneficio", "beneficio", "beneficio", "costo", "beneficio", "beneficio"],
  "pesos": [0.2, 0.1, 0.1, 0.1, 0.2, 0.3],
  "valoraciones": [[2.0, 1500, 20000, 5.5, 5, 9], [2.5, 2700, 18000, 6.5, 3, 5],
                   [1.8, 2000, 21000, 4.5, 7, 7], [2.2, 1800, 20000, 5.0, 5, 5]]})";

// Winston, Operations Research: Applications and Algorithms (4th ed.,
// §13.7), the job offers: salary, quality of life, interest in the work,
// nearness to family. Crisp judgments (JSON numbers, not Saaty's terms).
const std::string kWinstonAhp = R"({"metodo": "ahp", "criterios": ["S", "Q", "IW", "NF"],
  "comparaciones": [[5, 2, 4], [0.5, 0.5], [2]]})";

TEST(Decision, PublishedExamples) {
    struct Golden {
        const char* name;
        const std::string& line;
        const char* scores;  // the key of the scores
        std::vector<std::string> expected;  // to four decimals
        std::vector<std::string> order;
    };
    const std::vector<Golden> goldens = {
        {"Chen, Tables 3 and 4", kChenLinguistic, "cc", {"0.638", "0.7653", "0.7018"}, {"A2", "A3", "A1"}},
        {"Chen, Table 5", kChenTable5, "cc", {"0.6398", "0.7657", "0.7071"}, {"A2", "A3", "A1"}},
        // Worked by hand from the book's data: 0.8355, 0.7073, 0.8514, 0.7374.
        {"Hwang and Yoon, SAW", kHwangYoonSaw, "valor", {"0.8355", "0.7073", "0.8514", "0.7374"},
         {"A3", "A1", "A4", "A2"}},
        // The book's eigenvector weights are 0.5115, 0.0986, 0.2433, 0.1466;
        // the geometric means land within 0.005 of each.
        {"Winston, AHP", kWinstonAhp, "pesos", {"0.5149", "0.0968", "0.2435", "0.1448"}, {"S", "IW", "NF", "Q"}},
    };
    for (const Golden& golden : goldens) {
        const Json reply = Solved(golden.line);
        ASSERT_EQ(reply[golden.scores].size(), golden.expected.size()) << golden.name;
        for (std::size_t i = 0; i < golden.expected.size(); ++i) {
            EXPECT_EQ(FourDecimals(reply[golden.scores][i]), golden.expected[i]) << golden.name << " " << i;
        }
        EXPECT_EQ(reply["orden"].get<std::vector<std::string>>(), golden.order) << golden.name;
    }
    // Every digit, as the issue of the misprinted example quotes it.
    EXPECT_EQ(Solved(kChenLinguistic)["cc"][0], "0.638031889332728");
    const Json winston = Solved(kWinstonAhp);
    EXPECT_LT(Number(winston["rc"]), 0.1);
}

TEST(Decision, ReplyHasExactlyTheMethodsKeys) {
    const std::vector<std::pair<const std::string*, std::vector<std::string>>> cases = {
        {&kChenTable5,
         {"metodo", "convenios", "pesos", "agregada", "normalizada", "ponderada", "ideal_positivo", "ideal_negativo",
          "distancias_positivas", "distancias_negativas", "d_positiva", "d_negativa", "cc", "orden"}},
        {&kHwangYoonSaw, {"metodo", "convenios", "pesos", "agregada", "normalizada", "ponderada", "suma", "valor", "orden"}},
        {&kWinstonAhp,
         {"metodo", "convenios", "comparaciones", "media_geometrica", "suma", "pesos_difusos", "pesos_nitidos", "pesos",
          "lambda_max", "ic", "rc", "orden"}},
    };
    for (const auto& [line, keys] : cases) EXPECT_EQ(Keys(Solved(*line)), keys);
    EXPECT_EQ(Solved(kChenTable5)["convenios"].dump(),
              R"({"agregacion":"media","normalizacion":"lineal","ideales":"unos-ceros","distancia":"vertices-3","redondeo":null})");
    EXPECT_EQ(Solved(kHwangYoonSaw)["convenios"].dump(),
              R"({"agregacion":"media","normalizacion":"lineal","desborrosificacion":"centroide","redondeo":null})");
    EXPECT_EQ(Solved(kWinstonAhp)["convenios"].dump(),
              R"({"agregacion":"geometrica","desborrosificacion":"centroide","redondeo":null})");
}

// Two decision makers rate A (2, 4, 6) and (4, 6, 8), and B (1, 2, 3) twice,
// under one criterion of crisp weight 1.
std::string Topsis(const std::string& conventions, const std::string& extraEntry = "[1, 2, 3]") {
    return R"({"metodo": "topsis", "decisores": 2, "alternativas": ["A", "B"], "criterios": ["C"],
      "pesos": [[1, 1]], "valoraciones": [[[[2, 4, 6], [4, 6, 8]]], [[[1, 2, 3], )" + extraEntry + R"(]]],
      "convenios": {)" + conventions + "}}";
}

// One alternative whose weighted sum is (1, 2, 4, 7).
std::string Saw(const std::string& conventions) {
    return R"({"metodo": "saw", "alternativas": ["A"], "criterios": ["C"], "pesos": [1],
      "valoraciones": [[[1, 2, 4, 7]]], "convenios": {"normalizacion": "ninguna")" + conventions + "}}";
}

std::string Ahp(const std::string& conventions) {
    return R"({"metodo": "ahp", "decisores": 2, "criterios": ["C1", "C2"], "comparaciones": [[[2, 8]]],
      "convenios": {)" + conventions + "}}";
}

TEST(Decision, Conventions) {
    struct Case {
        std::string line;
        std::string path;  // a JSON pointer into the reply
        std::string expected;
    };
    const std::string none = R"("normalizacion": "ninguna")";
    const std::vector<Case> cases = {
        {Topsis(""), "/agregada/0/0", R"(["3","5","5","7"])"},
        {Topsis(R"("agregacion": "extremos")"), "/agregada/0/0", R"(["2","5","5","8"])"},
        {Topsis(""), "/normalizada/0/0/3", R"("1")"},
        {Topsis(R"("normalizacion": "ninguna")"), "/normalizada/0/0", R"(["3","5","5","7"])"},
        {Topsis(R"("normalizacion": "ninguna", "ideales": "extremos")"), "/ideal_positivo/0", R"(["7","7","7","7"])"},
        {Topsis(R"("normalizacion": "ninguna", "ideales": "extremos")"), "/ideal_negativo/0", R"(["1","1","1","1"])"},
        {Topsis(R"("normalizacion": "ninguna", "ideales": "componentes")"), "/ideal_negativo/0", R"(["1","2","2","3"])"},
        // Δ = (2, 4, 4, 6) from (1, 1, 1, 1): sqrt(56 / 3) and sqrt(72 / 4).
        {Topsis(none), "/distancias_positivas/0/0", '"' + ShortestText(std::sqrt(56.0 / 3.0)) + '"'},
        {Topsis(none + R"(, "distancia": "vertices-4")"), "/distancias_positivas/0/0", R"("4.242640687119285")"},
        {Topsis(none, "[1, 2, 2, 3]"), "/convenios/distancia", R"("vertices-4")"},
        // By hand at two decimals: r = (0.43, 0.71, 0.71, 1) and (0.14, 0.29, 0.29, 0.43),
        // d* = 0.37 and 0.72, d⁻ = 0.75 and 0.31.
        {Topsis(R"("redondeo": 2)"), "/cc", R"(["0.67","0.3"])"},
        {Topsis(R"("redondeo": null)"), "/convenios/redondeo", "null"},
        // DEFUZY's D of (1, 2, 4, 7) before single precision (see CentroidIsTheButtons).
        {Saw(""), "/valor/0", R"("3.583333333333333")"},
        {Saw(R"(, "desborrosificacion": "media")"), "/valor/0", R"("3.5")"},
        {Saw(R"(, "desborrosificacion": "media-graduada")"), "/valor/0", '"' + ShortestText(20.0 / 6.0) + '"'},
        {Ahp(""), "/comparaciones/0/1", R"(["4","4","4","4"])"},
        {Ahp(""), "/comparaciones/1/0", R"(["0.25","0.25","0.25","0.25"])"},
        {Ahp(R"("agregacion": "media")"), "/comparaciones/1/0", R"(["0.2","0.2","0.2","0.2"])"},
        {Ahp(R"("agregacion": "media", "desborrosificacion": "media-graduada", "redondeo": 3)"), "/pesos",
         R"(["0.833","0.167"])"},
        {Ahp(""), "/rc", "null"},
        // Ties keep the order of the input.
        {R"({"metodo": "saw", "alternativas": ["Z", "A", "M"], "criterios": ["C"], "pesos": ["A"],
            "valoraciones": [["R"], ["B"], ["R"]]})", "/orden", R"(["A","Z","M"])"},
    };
    for (const Case& c : cases) {
        const Json reply = Solved(c.line);
        EXPECT_EQ(reply.at(Json::json_pointer(c.path)).dump(), c.expected) << c.path << " of " << c.line;
    }
}

// The centroid is DEFUZY's D before the button rounds it to single
// precision: the same grouping, the same bits.
TEST(Decision, CentroidIsTheButtons) {
    const std::vector<Fuzzy> trapezoids = {{1, 2, 4, 7}, {0.5, 0.75, 3, 3}, {-3, -1, -1, 10}, {0.1, 0.2, 0.3, 0.5}};
    for (const Fuzzy& z : trapezoids) {
        MemoryControls controls;
        const Box boxes[] = {Box::ZI, Box::ZII, Box::ZIII, Box::ZIV};
        for (std::size_t c = 0; c < 4; ++c) controls.SetText(boxes[c], ShortestText(z[c]));
        StepList listing;
        Steps steps(&listing);
        DEFUZY_Click(controls, steps);
        ASSERT_EQ(listing.back().name, "D");
        EXPECT_EQ(ShortestText(Defuzzify(z, Defuzzification::Centroid)), ShortestText(*listing.back().unrounded))
            << z[0] << " " << z[1] << " " << z[2] << " " << z[3];
    }
}

TEST(Decision, RoundingAsBooksDo) {
    struct Case {
        double value;
        int decimals;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {0.125, 2, "0.13"},       {-0.125, 2, "-0.13"},   {0.625, 2, "0.63"},  // exact ties, away from zero
        {2.675, 2, "2.67"},       {1.005, 2, "1"},         // below the tie as doubles
        {0.5, 0, "1"},            {2.5, 0, "3"},           {-0.5, 0, "-1"},
        {-0.004, 2, "-0"},        {0.0049999, 2, "0"},     {1e-300, 6, "0"},
        {0.30000000000000004, 6, "0.3"}, {1.5e-6, 6, "2e-06"}, {5e-7, 6, "0"},
        {123456.5, 0, "123457"},  {4503599627370497.0, 3, "4503599627370497"},
        {0x1.fffffffffffffp+51, 0, "4503599627370496"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShortestText(RoundAsBook(c.value, c.decimals)), c.expected) << c.value << " to " << c.decimals;
    }
}

TEST(Decision, ErrorReasonsNameThePlace) {
    const std::string chenRatings = R"({"metodo": "topsis", "decisores": 2, "alternativas": ["A1", "A2"],
      "criterios": ["C1", "C2", "C3"], "pesos": [["A", "A"], ["A", "A"], ["A", "A"]],
      "valoraciones": [[["B", "B"], ["B", "B"], ["B", "B"]], [["B", "B"], ["B", "B"], ["B", "MBX"]]]})";
    const auto one = [](const std::string& rating, const std::string& extra = "") {
        return R"({"metodo": "topsis", "alternativas": ["A"], "criterios": ["C"], "pesos": [1],
          "valoraciones": [[)" + rating + "]]" + extra + "}";
    };
    const auto names = [](std::size_t count) {
        std::string list = "[";
        for (std::size_t i = 0; i < count; ++i) list += (i > 0 ? ", \"N" : "\"N") + std::to_string(i) + '"';
        return list + "]";
    };
    const std::string overMiB = one("1", ", \"convenios\": {}" + std::string(1 << 20, ' '));
    struct Case {
        std::string line;
        std::string reason;
    };
    const std::vector<Case> cases = {
        {"{", "JSON no válido"},
        {"[1]", "se esperaba un objeto JSON"},
        {one("1", R"(, "x": 1)"), "clave desconocida: «x»"},
        {one("1", R"(, "metodo": "saw")"), "clave repetida: «metodo»"},
        {one("1", R"(, "comparaciones": [])"), "«comparaciones» no se usa en topsis"},
        {R"({"metodo": "vikor"})", "método desconocido: «vikor» (topsis, saw, ahp)"},
        {one("1", R"(, "convenios": {"ideales": "raros"})"),
         "convenio desconocido: «raros» no vale como «ideales» en topsis (unos-ceros, extremos, componentes)"},
        {one("1", R"(, "convenios": {"desborrosificacion": "media"})"),
         "convenio desconocido en topsis: «desborrosificacion»"},
        {one("1", R"(, "convenios": {"redondeo": 7})"), "«redondeo» debe ser un entero de 0 a 6, o null"},
        {chenRatings,
         "A2, C3, decisor 2: «MBX» no es un término de la escala de valoraciones (MP, P, MDP, R, MDB, B, MB)"},
        {one(R"("1/2")"), "A, C: «1/2» no es un término de la escala de valoraciones (MP, P, MDP, R, MDB, B, MB)"},
        {one(R"([1, "x", 2])"), "A, C: «x» no es un número"},
        {one(R"([3, 2, 1])"), "A, C: (3, 2, 1) no está en orden (a1 ≤ a2 ≤ a3 ≤ a4)"},
        {one(R"([1, 2])"), "A, C: un número difuso lleva 3 o 4 números"},
        {one(R"("1e400")"), "A, C: «1e400» pasa del rango del double"},
        {one("1e400"), "«1e400» pasa del rango del double"},
        {one(R"("-0,5")"), "A, C: la valoración «-0,5» es negativa"},
        {one("1", R"(, "decisores": 2)"), "peso de C: se esperaban 2 entradas, una por decisor; hay 1"},
        {one("0"), "C: todas las a4 agregadas son 0 y la normalización lineal dividiría por cero"},
        {one("[0, 1, 2]", R"(, "tipos": ["costo"])"),
         "A, C: a1 agregada es 0 en un criterio de costo y la normalización lineal dividiría por cero"},
        {one("1", R"(, "convenios": {"ideales": "componentes"})"), "A: d* + d⁻ = 0 y CC no está definido"},
        {R"({"metodo": "saw", "alternativas": ["A"], "criterios": ["C"], "pesos": [10], "valoraciones": [[1e308]],
            "convenios": {"normalizacion": "ninguna"}})",
         "A, C, ponderada: un valor pasa del rango del double"},
        {R"({"metodo": "ahp", "criterios": ["C1", "C2"], "comparaciones": [[0]]})",
         "C1 frente a C2: la comparación «0» no es positiva"},
        {R"({"metodo": "ahp", "criterios": ["C1", "C2"], "comparaciones": [["1/2"]], "convenios": {"redondeo": 0}})",
         "C2 frente a C1: división por cero"},
        {R"({"metodo": "ahp", "criterios": ["C1", "C2", "C3"], "comparaciones": [[3]]})",
         "«comparaciones» debe tener 2 filas, el triángulo sobre la diagonal"},
        {R"({"metodo": "ahp", "criterios": ["C1"], "comparaciones": []})",
         "«criterios» debe ser una lista de 2 a 15 nombres"},
        {R"({"metodo": "topsis", "alternativas": )" + names(101) + "}",
         "«alternativas» debe ser una lista de 1 a 100 nombres; tiene 101"},
        {R"({"metodo": "topsis", "alternativas": ["A"], "criterios": )" + names(31) + "}",
         "«criterios» debe ser una lista de 1 a 30 nombres; tiene 31"},
        {one("1", R"(, "decisores": 51)"), "«decisores» debe ser un entero de 1 a 50"},
        {one("1", R"(, "escala_valoraciones": {"x": [1, 2], "y": [1, 2, 3]})"),
         "«escala_valoraciones», «x»: un número difuso lleva 3 o 4 números"},
        {R"({"metodo": "topsis", "alternativas": ["A", "A"]})", "«A» se repite en «alternativas»"},
        {overMiB, "la línea pasa de 1 MiB (1048576 bytes)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Answer(c.line), ErrorJson(c.reason)) << c.line.substr(0, 200);
    }
}

// A string is a term first, so "3" in AHP is Saaty's (2, 3, 3, 4), while
// the number 3 is crisp; "0,5" and " 2.5e-1 " read as decimals.
TEST(Decision, EntriesReadAsWritten) {
    const Json saaty = Solved(R"({"metodo": "ahp", "criterios": ["a", "b", "c"],
        "comparaciones": [["3", 3], [" 1/3 "]]})");
    EXPECT_EQ(saaty["comparaciones"][0][1].dump(), R"(["2","3","3","4"])");
    EXPECT_EQ(saaty["comparaciones"][0][2].dump(), R"(["3","3","3","3"])");
    EXPECT_EQ(saaty["comparaciones"][1][2].dump(), '[' + std::string("\"") + ShortestText(1.0 / 4.0) + "\",\"" +
                                                        ShortestText(1.0 / 3.0) + "\",\"" + ShortestText(1.0 / 3.0) +
                                                        "\",\"0.5\"]");
    const Json decimals = Solved(R"({"metodo": "saw", "decisores": 3, "alternativas": ["A"], "criterios": ["C"],
        "pesos": [["muy ALTA", " ma", 1]], "valoraciones": [[["0,5", " 2.5e-1 ", 0.25]]],
        "escala_pesos": "chen", "convenios": {"normalizacion": "ninguna"}})");
    EXPECT_EQ(decimals["pesos"][0].dump(), R"(["0.9333333333333332","1","1","1"])");
    EXPECT_EQ(decimals["agregada"][0][0][0], "0.3333333333333333");
}

}  // namespace
}  // namespace trelvani::decision
