// Writes the worked solutions of a few problems in every format into a
// folder, with each problem's JSON reply beside them, for the tools the
// documents are meant for (pdflatex, pandoc, a browser) to open: Chen's
// example, and problems whose names hold what people type and whose numbers
// have every digit a double can show.
#include <clocale>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <locale>
#include <string>
#include <string_view>
#include <vector>

#include "study/decision/documents/worked_solution.h"
#include "study/decision/page_description.h"
#include "study/decision/problem_reading.h"
#include "study/decision/reply.h"

namespace {

struct Sample {
    const char* name;
    std::string_view problem;
};

// Names as people type them: TeX, Markdown, HTML, CDATA and GIFT specials.
#define HOSTILE_ALTERNATIVES R"j("alternativas": ["}{#~=:\\ $&%_^ <b> ]]>", "A&B <i>x</i> 100%", "\\input{x} $x$ ~~y~~ [l](u)"])j"
#define HOSTILE_CRITERIA \
    R"j("criterios": ["C_1^2 **b**", "{#}", "<script>alert(1)</script>", "Ñandú «ó» -- ---", "`c` |x| &amp;"])j"

const Sample kSamples[] = {
    // Chen (2000), from the linguistic ratings of its three decision makers:
    // the example the page offers.
    {"chen", trelvani::decision::kChenExample},
    // 3 × 5 trapezoids of 17 significant digits, with cost criteria.
    {"topsis-largos", R"j({"metodo": "topsis", )j" HOSTILE_ALTERNATIVES ", " HOSTILE_CRITERIA R"j(,
        "tipos": ["beneficio", "costo", "beneficio", "costo", "beneficio"],
        "pesos": [[0.12345678901234567, 0.23456789012345678, 0.34567890123456789, 0.45678901234567891],
                  [0.11111111111111111, 0.22222222222222222, 0.33333333333333331, 0.98765432109876543],
                  [1.2345678901234567e-5, 2.3456789012345678e-5, 3.4567890123456789e-5, 4.5678901234567891e-5],
                  [0.3, 0.6, 0.7, 0.9], [0.71234567890123456, 0.81234567890123456, 0.91234567890123456, 0.99234567890123456]],
        "valoraciones": [
          [[1.2345678901234567, 2.3456789012345678, 3.4567890123456789, 4.5678901234567891], [1, 2, 3, 4],
           [123456.78901234567, 234567.89012345678, 345678.90123456789, 456789.01234567891], [0.5, 1, 1, 2], [3, 5, 7, 9]],
          [[2.3456789012345678, 3.4567890123456789, 4.5678901234567891, 5.6789012345678912], [1.1, 2.2, 3.3, 4.4],
           [111111.11111111111, 222222.22222222222, 333333.33333333333, 444444.44444444444], [0.25, 0.5, 0.75, 1], [1, 3, 5, 7]],
          [[3.4567890123456789, 4.5678901234567891, 5.6789012345678912, 6.7890123456789123], [0.7, 0.8, 0.9, 1.3],
           [98765.432109876543, 198765.43210987654, 298765.43210987654, 398765.43210987654], [0.3, 0.4, 0.5, 0.6], [2, 4, 6, 8]]],
        "convenios": {"ideales": "componentes", "distancia": "vertices-4"}})j"},
    // Crisp ideals from the extremes, no normalisation, rounding as a book does.
    {"topsis-redondeo", R"j({"metodo": "topsis", "decisores": 2, "alternativas": ["P", "Q", "R"], "criterios": ["Coste", "Calidad"],
        "tipos": ["costo", "beneficio"], "pesos": [["A", "M"], ["MA", "A"]],
        "valoraciones": [[["R", "MDB"], ["B", "MB"]], [["-0", [1, 2, 3]], ["P", "0,5"]], [["MB", "B"], ["R", "R"]]],
        "convenios": {"normalizacion": "ninguna", "ideales": "extremos", "redondeo": 2}})j"},
    // Two decision makers, a scale of the problem's own with typed terms, rounding.
    {"saw", R"j({"metodo": "saw", "decisores": 2, )j" HOSTILE_ALTERNATIVES ", " HOSTILE_CRITERIA R"j(,
        "tipos": ["beneficio", "costo", "beneficio", "beneficio", "costo"],
        "escala_valoraciones": {"<b>&bajo</b>": [1, 2, 3], "$\\alto{}": [5, 7, 8, 9], "R": [3, 5, 7]},
        "pesos": [["A", "MA"], ["M", "MDA"], ["B", "MB"], ["A", "A"], ["MDB", "M"]],
        "valoraciones": [
          [["<b>&bajo</b>", "R"], ["R", "$\\alto{}"], [[1, 2, 3], "R"], ["0,5", 1], ["R", "R"]],
          [["$\\alto{}", "$\\alto{}"], [[2, 3, 4, 6], "R"], ["R", "R"], [2, "2.5e-1"], ["<b>&bajo</b>", "R"]],
          [["R", "<b>&bajo</b>"], ["R", "R"], ["$\\alto{}", "R"], [1, 1], ["$\\alto{}", "R"]]],
        "convenios": {"agregacion": "extremos", "redondeo": 3}})j"},
    {"saw-media", R"j({"metodo": "saw", "alternativas": ["X", "Y"], "criterios": ["P", "Q"],
        "pesos": ["A", "M"], "valoraciones": [["B", "R"], ["MDB", "MB"]],
        "convenios": {"normalizacion": "ninguna", "desborrosificacion": "media-graduada"}})j"},
    // Four criteria compared by two decision makers on Saaty's scale.
    {"ahp", R"j({"metodo": "ahp", "decisores": 2,
        "criterios": ["}{#~=:\\ $&%_^ <b> ]]>", "A&B <i>x</i> 100%", "\\input{x} $x$", "Ñandú «ó»"],
        "comparaciones": [[["3", "5"], ["5", "7"], [[1, 2, 3], "3"]], [["3", "3"], ["1/3", "1/2"]], [["2", "1/2"]]]})j"},
    {"ahp-dos", R"j({"metodo": "ahp", "criterios": ["Precio", "Calidad"], "comparaciones": [["1/3"]],
        "convenios": {"agregacion": "media", "desborrosificacion": "media", "redondeo": 2}})j"},
};

void Write(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// Twelve criteria whose names run long, hold characters no font here has and
// a terminal's escapes, rated with numbers at the ends of a double's range:
// the widest tables a document has to fit.
std::string WideProblem() {
    const std::string names[] = {std::string(60, 'W'), R"(\u4e2d\u6587 \ud83d\ude00 \u221e)", R"(\u001b[31mrojo\u001b[0m\nfin)",
                                 "C" + std::string(90, 'c')};
    const std::string tiny[] = {"1.2345678901234567e-100", "2.3456789012345678e-100", "3.4567890123456789e-100",
                                "4.5678901234567891e-100"};
    const std::string huge[] = {"12345678901234567000000", "22345678901234567000000", "32345678901234567000000",
                                "42345678901234567000000"};
    const auto trapezoid = [](const std::string (&values)[4]) {
        return "[" + values[0] + ", " + values[1] + ", " + values[2] + ", " + values[3] + "]";
    };
    std::string criteria, types, weights, row;
    for (int j = 0; j < 12; ++j) {
        const std::string sep = j > 0 ? ", " : "";
        criteria += sep + "\"" + names[j % 4] + std::to_string(j) + "\"";
        types += sep + (j % 3 == 1 ? "\"costo\"" : "\"beneficio\"");
        weights += sep + trapezoid(tiny);
        row += sep + trapezoid(j % 2 == 0 ? tiny : huge);
    }
    return R"j({"metodo": "topsis", "alternativas": ["\u001b]0;x\u0007A", ")j" + std::string(70, 'A') + R"j(", "Z"],
        "criterios": [)j" + criteria + "], \"tipos\": [" + types + "], \"pesos\": [" + weights + "], \"valoraciones\": [[" + row +
           "], [" + row + "], [" + row + "]]}";
}

}  // namespace

int main(int argc, char** argv) {
    using namespace trelvani::decision;
    if (argc != 2) {
        std::cerr << "usage: worked_samples FOLDER\n";
        return 2;
    }
    // A locale to write under, to show that none changes a byte.
    if (const char* name = std::getenv("TRELVANI_TEST_LOCALE"); name != nullptr && *name != '\0') {
        if (std::setlocale(LC_ALL, name) == nullptr) return 2;
        std::locale::global(std::locale(name));
    }
    const std::string folder = argv[1];
    std::vector<Sample> samples(std::begin(kSamples), std::end(kSamples));
    const std::string wide = WideProblem();
    samples.push_back({"ancho", wide});
    for (const Sample& sample : samples) {
        std::string line(sample.problem);
        for (char& c : line) c = c == '\n' ? ' ' : c;
        const Problem problem = ReadProblem(line);
        const Solution solution = Solve(problem);
        const std::string stem = folder + "/" + sample.name;
        Write(stem + ".problem.json", line + "\n");
        Write(stem + ".json", ReplyJson(problem, solution) + "\n");
        for (const auto& [format, extension] : {std::pair{DocumentFormat::Text, ".txt"}, std::pair{DocumentFormat::Markdown, ".md"},
                                                 std::pair{DocumentFormat::Latex, ".tex"}, std::pair{DocumentFormat::Html, ".html"}}) {
            Write(stem + extension, WorkedSolution(format, problem, solution));
        }
        std::cout << sample.name << '\n';
    }
    return 0;
}
