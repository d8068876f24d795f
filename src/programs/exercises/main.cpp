// trelvani-ejercicios: a teacher's exercise list in, one document out.
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <new>
#include <optional>
#include <string>
#include <string_view>

#include "programs/stopping.h"
#include "study/exercises/exercise_documents.h"

namespace {

constexpr int kWritten = 0;
constexpr int kListError = 1;
using trelvani::programs::kCannotGoOn;

constexpr std::string_view kHelp = R"(Uso: trelvani-ejercicios --formato FORMATO [--solucionario] [--decimales N] [--enlace BASE] [LISTA]

Convierte una lista de ejercicios de números fuzzy trapezoidales en una hoja
para los alumnos, un solucionario con cada paso o un cuestionario de Moodle.
Cada resultado es el de la calculadora: los mismos botones, sobre una
ventana nueva para cada ejercicio.

La lista se lee del archivo LISTA o, sin él o con "-", de la entrada
estándar: un objeto JSON por línea (las líneas en blanco se saltan).
  "X", "Y"      cuatro textos de casilla; un número JSON se toma tal como
                está escrito ("2.50" sigue siendo 2.50). Si falta uno, sus
                casillas quedan como en una ventana nueva.
  "botones"     de 1 a 20 botones, pulsados en orden: Suma, Resta,
                Multiplicacion, Division, Maximo, Minimo, Cuadrado, Raiz,
                DEFUZY, XZ, YZ, Borrar.
  "enunciado"   opcional; sin él se escribe uno a partir de los datos.
                Una línea en blanco ("\n\n") empieza otro párrafo y un
                salto de línea ("\n"), otra línea.
  "variantes", "semilla"
                juntos: tantos ejercicios (de 1 a 1000) como "variantes",
                con X e Y dados como rangos {"desde", "hasta",
                "decimales"}; la misma semilla da siempre las mismas
                variantes.
  "decision"    en lugar de "X", "Y" y "botones": un problema de decisión
                tal como lo lee trelvani-decision (TOPSIS, SAW o AHP),
                con "enunciado" opcional y sin variantes.
Se pide cada resultado que escribe un botón: Z tras las operaciones, Def
tras DEFUZY, y tras Maximo y Minimo las medias mX y mY y el operando
elegido. En un problema de decisión se pide el valor final de cada
alternativa (CC en TOPSIS, el valor nítido de S en SAW; en AHP, el peso
de cada criterio) y la mejor; la hoja da los datos y los convenios, y el
solucionario, la solución desarrollada de trelvani-decision.

Opciones:
  --formato F     latex, markdown, html (para imprimir), moodle (XML con
                  preguntas Cloze), gift o json (la lista desarrollada,
                  con la respuesta de trelvani-batch a cada botón o la
                  de trelvani-decision a cada problema).
  --solucionario  el solucionario: resultados y procedimiento de cada
                  ejercicio (latex, markdown y html).
  --decimales N   tolerancia de moodle y gift: media unidad del decimal N
                  (de 0 a 15; 2 por omisión).
  --enlace BASE   pone bajo cada ejercicio el enlace que lo abre en la
                  página: BASE#X=1;2;3;4&Y=5;6;7;8&botones=Suma; BASE es la
                  dirección de la página (http, https o file).
  --help          esta ayuda.

Una línea que no se puede usar detiene todo sin escribir nada, con un
mensaje que la nombra. Un texto que la calculadora lee solo en parte, como
"0,5" (se lee 0), se avisa en la salida de errores y el documento se
escribe igual.

Estado de salida:
  0  documento escrito
  1  la lista tiene un error; no se escribe nada
  2  uso incorrecto, o no se pudo leer la lista o escribir el documento

Ejemplo:
  $ printf '%s\n' '{"X": ["1", "2", "3", "4"], "Y": [5, 6, 7, 8], "botones": ["Multiplicacion", "DEFUZY"]}' \
      | trelvani-ejercicios --formato markdown --solucionario
  Escribe el ejercicio 1, "Sean X = (1; 2; 3; 4) e Y = (5; 6; 7; 8). Calcule
  Z = X · Y y su centroide.", con Z = ( 5;  12;  21;  32), Def " 17.66667"
  y cada paso.
)";

int Fail(const std::string& what) {
    std::fprintf(stderr, "trelvani-ejercicios: %s\n", what.c_str());
    return kCannotGoOn;
}

bool WriteAll(std::string_view text) {
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
}

std::optional<std::string> ReadAll(const std::string& path) {
    std::string text;
    if (path.empty() || path == "-") {
        char buffer[65536];
        for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, stdin)) > 0;) text.append(buffer, got);
        if (std::ferror(stdin)) return std::nullopt;
        return text;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    if (file.bad()) return std::nullopt;
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    std::optional<trelvani::ExerciseFormat> format;
    trelvani::DocumentOptions options;
    std::string path;
    bool pathGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") return WriteAll(kHelp) ? kWritten : Fail("no se pudo escribir la ayuda");
        if (arg == "--solucionario") {
            options.key = true;
        } else if ((arg == "--formato" || arg == "--decimales" || arg == "--enlace") && i + 1 < argc) {
            const std::string_view value = argv[++i];
            if (arg == "--enlace") {
                if (!trelvani::UsableLinkBase(value)) return Fail("--enlace necesita una dirección http, https o file sin «#»");
                options.linkBase = value;
            } else if (arg == "--formato") {
                format = trelvani::ExerciseFormatNamed(value);
                if (!format) return Fail(std::string("formato desconocido: ") + std::string(value) + " (véase --help)");
            } else {
                const auto decimals = trelvani::ReadDecimals(value);
                if (!decimals) return Fail("--decimales necesita un entero de 0 a 15");
                options.decimals = *decimals;
            }
        } else if ((arg == "-" || !arg.starts_with("-")) && !pathGiven) {
            path = arg;
            pathGiven = true;
        } else {
            return Fail(std::string("argumento no válido: ") + std::string(arg) + " (véase --help)");
        }
    }
    if (!format) {
        std::fwrite(kHelp.data(), 1, kHelp.size(), stderr);
        return kCannotGoOn;
    }
    // The user's locale, as the other programs take it; no text depends on it.
    std::setlocale(LC_ALL, "");
    try {
        const auto list = ReadAll(path);
        if (!list) return Fail(std::string("no se pudo leer la lista: ") + std::string(std::strerror(errno)));
        auto lines = trelvani::ReadExerciseList(*list);
        if (auto* reason = std::get_if<std::string>(&lines)) {
            std::fprintf(stderr, "trelvani-ejercicios: %s\n", reason->c_str());
            return kListError;
        }
        auto run = trelvani::RunExerciseList(std::get<0>(lines));
        if (auto* reason = std::get_if<std::string>(&run)) {
            std::fprintf(stderr, "trelvani-ejercicios: %s\n", reason->c_str());
            return kListError;
        }
        const trelvani::ExerciseSet& set = std::get<trelvani::ExerciseSet>(run);
        for (const std::string& warning : set.warnings) {
            std::fprintf(stderr, "trelvani-ejercicios: aviso: %s\n", warning.c_str());
        }
        if (!WriteAll(trelvani::ExerciseDocument(*format, set, options))) {
            return Fail(std::string("no se pudo escribir el documento: ") + std::string(std::strerror(errno)));
        }
    } catch (const std::bad_alloc&) {
        return Fail("memoria insuficiente");
    }
    return kWritten;
}
