// trelvani-decision: decision problems in, each one solved with every table.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <new>
#include <optional>
#include <string>
#include <string_view>

#include "programs/stopping.h"
#include "protocol/line_reader.h"
#include "study/decision/documents/worked_solution.h"
#include "study/decision/problem_reading.h"
#include "study/decision/reply.h"

namespace {

using trelvani::programs::WriteAll;
using trelvani::programs::WriteFailure;

constexpr int kAllSolved = 0;
constexpr int kSomeFailed = 1;
constexpr std::string_view kProgram = "trelvani-decision";

constexpr std::string_view kHelp = R"(Uso: trelvani-decision [--formato FORMATO] [PROBLEMAS]

Resuelve problemas de decisión con números fuzzy trapezoidales por TOPSIS
difuso, suma ponderada difusa (SAW) o AHP difuso de Buckley, y muestra cada
tabla del método con los convenios usados.

Los problemas se leen del archivo PROBLEMAS o, sin él o con "-", de la
entrada estándar: un objeto JSON por línea (las líneas en blanco se saltan).
  "metodo"        "topsis", "saw" o "ahp".
  "decisores"     de 1 a 50 (1 por omisión); con más de uno, cada celda es
                  una lista con una entrada por decisor.
  "alternativas"  de 1 a 100 nombres (topsis y saw).
  "criterios"     de 1 a 30 nombres (de 2 a 15 en ahp).
  "tipos"         "beneficio" o "costo" para cada criterio.
  "pesos"         una celda por criterio (topsis y saw).
  "valoraciones"  una fila por alternativa, una celda por criterio.
  "comparaciones" ahp: el triángulo sobre la diagonal, fila a fila.
  "escala_pesos", "escala_valoraciones", "escala_comparaciones"
                  "chen" (pesos y valoraciones de Chen, 2000), "saaty"
                  (comparaciones), o un objeto término -> 3 o 4 números.
  "convenios"     opcionales; la respuesta dice los usados:
      "agregacion"          media o extremos (ahp: geometrica o media)
      "normalizacion"       lineal o ninguna (topsis y saw)
      "ideales"             unos-ceros, extremos o componentes (topsis)
      "distancia"           vertices-3 o vertices-4 (topsis)
      "desborrosificacion"  centroide, media o media-graduada (saw y ahp)
      "redondeo"            de 0 a 6 decimales en cada tabla, o null
Una entrada es un término de la escala, un número (JSON o texto, "0,5") o
una lista de 3 o 4 números.

Opciones:
  --formato F     json (por omisión): una línea JSON de respuesta por cada
                  problema, con cada tabla; texto, markdown, latex o html:
                  la solución desarrollada de un único problema.
  --help          esta ayuda.

Una línea que no se puede resolver recibe {"error": "motivo"}, y el motivo
nombra el lugar; el programa sigue con la siguiente línea. Con un formato de
documento no se escribe nada. Cada línea se responde en cuanto llega su fin
de línea. Una línea no puede pasar de 1 MiB (1048576 bytes).

Estado de salida:
  0  todos los problemas se resolvieron
  1  algún problema no se pudo resolver
  2  uso incorrecto, o no se pudo leer la entrada o escribir la respuesta

Ejemplo:
  $ printf '%s\n' '{"metodo": "saw", "alternativas": ["A1", "A2"], "criterios": ["C1"], "pesos": ["A"], "valoraciones": [["B"], ["R"]]}' \
      | trelvani-decision
  Responde con cada tabla de la suma ponderada y "orden": ["A1", "A2"].
)";

int Stop(std::string_view what, std::string_view why) { return trelvani::programs::Stop(kProgram, what, why); }

std::string_view Unreadable(trelvani::protocol::LineReader::Status status) {
    return trelvani::decision::UnreadLineReason(status == trelvani::protocol::LineReader::Status::TooLong);
}

// JSON Lines: every line answered as soon as it has arrived.
int AnswerLines(trelvani::protocol::LineReader& lines) {
    using Status = trelvani::protocol::LineReader::Status;
    bool allSolved = true;
    std::string line;
    for (Status status; (status = lines.Next(line)) != Status::End;) {
        if (status == Status::Line && line.empty()) continue;
        trelvani::decision::Answer answer =
            status == Status::Line ? trelvani::decision::AnswerProblem(line) : trelvani::decision::Answer{trelvani::decision::ErrorJson(Unreadable(status))};
        allSolved = allSolved && answer.solved;
        std::string& reply = answer.reply;
        reply += '\n';
        WriteAll(reply);
    }
    return allSolved ? kAllSolved : kSomeFailed;
}

// A document: one problem, written only when it is solved.
int WriteDocument(trelvani::protocol::LineReader& lines, trelvani::decision::DocumentFormat format) {
    using Status = trelvani::protocol::LineReader::Status;
    std::optional<std::string> problemLine;
    std::string line;
    std::size_t number = 0;
    for (Status status; (status = lines.Next(line)) != Status::End;) {
        ++number;
        if (status == Status::Line && line.empty()) continue;
        const std::string place = "línea " + std::to_string(number) + ": ";
        if (status != Status::Line) {
            std::fprintf(stderr, "trelvani-decision: %s%s\n", place.c_str(), std::string(Unreadable(status)).c_str());
            return kSomeFailed;
        }
        if (problemLine) {
            std::fprintf(stderr, "trelvani-decision: %sun documento lleva un solo problema\n", place.c_str());
            return kSomeFailed;
        }
        problemLine = place;
        try {
            const trelvani::decision::Problem problem = trelvani::decision::ReadProblem(line);
            const trelvani::decision::Solution solution = trelvani::decision::Solve(problem);
            // Held until the input has ended: a second problem writes nothing.
            problemLine = trelvani::decision::WorkedSolution(format, problem, solution);
        } catch (const trelvani::decision::DecisionError& error) {
            std::fprintf(stderr, "trelvani-decision: %s%s\n", place.c_str(), error.what());
            return kSomeFailed;
        }
    }
    if (!problemLine) {
        std::fprintf(stderr, "trelvani-decision: la entrada no tiene ningún problema\n");
        return kSomeFailed;
    }
    WriteAll(*problemLine);
    return kAllSolved;
}

}  // namespace

int main(int argc, char** argv) {
    std::optional<trelvani::decision::DocumentFormat> document;
    std::string path;
    bool pathGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            try {
                WriteAll(kHelp);
            } catch (const WriteFailure& failure) {
                return Stop("no se pudo escribir la ayuda", std::strerror(failure.error));
            }
            return kAllSolved;
        }
        if (arg == "--formato" && i + 1 < argc) {
            const std::string_view value = argv[++i];
            document = trelvani::decision::DocumentFormatNamed(value);
            if (!document && value != "json") {
                return Stop("formato desconocido: " + std::string(value), "json, texto, markdown, latex o html");
            }
        } else if ((arg == "-" || !arg.starts_with("-")) && !pathGiven) {
            path = arg;
            pathGiven = true;
        } else {
            return Stop("argumento no válido: " + std::string(arg), "véase --help");
        }
    }
    // The user's locale, as the other programs take it; no text depends on it.
    std::setlocale(LC_ALL, "");
    int input = STDIN_FILENO;
    if (!path.empty() && path != "-") {
        input = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (input < 0) return Stop("no se pudo abrir " + path, std::strerror(errno));
    }
    trelvani::protocol::DescriptorSource source(input);
    return trelvani::programs::StopOnFailure(kProgram, [&] {
        trelvani::protocol::LineReader lines(source, trelvani::decision::kMaxProblemBytes);
        return document ? WriteDocument(lines, *document) : AnswerLines(lines);
    });
}
