#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <string_view>

#include "programs/stopping.h"
#include "protocol/line_reader.h"
#include "protocol/reply.h"
#include "protocol/session.h"
#include "study/cuts/cut_replies.h"

namespace {

constexpr std::string_view kHelp = R"(Uso: trelvani-batch [--help]

Calculadora de números fuzzy trapezoidales sin ventana. Lee de la entrada
estándar un objeto JSON por línea y responde a cada uno con otro objeto JSON
en la salida estándar. Las casillas empiezan como en la ventana al abrirse.

Cada línea puede llevar:
  "set"    un objeto que asigna textos a casillas: XI, XII, XIII, XIV,
           YI, YII, YIII, YIV, ZI, ZII, ZIII, ZIV y Def.
  "click"  el botón que se pulsa después: Suma, Resta, Multiplicacion,
           Division, Maximo, Minimo, Cuadrado, Raiz, DEFUZY, Borrar, XZ, YZ.
  "steps"  true para recibir también el procedimiento del botón.
  "alpha"  una lista de 1 a 65 números entre 0 y 1: los cortes α de X, Y
           y Z en esos niveles (necesita "click").
  "conventions"
           true para recibir también el centroide, la media de los vértices
           y la media ponderada de Z (necesita "click").

La respuesta da los textos exactos de las trece casillas y de Mensajes:
  {"texts": {"XI": " 1", ..., "Mensajes": " "}, "error": null}
Un error de cálculo deja los textos como estaban antes del botón:
  "error": {"number": 11, "description": "División por cero"}
Con "steps": true la respuesta lleva además "steps", cada valor que el botón
leyó o calculó, en su orden, con su nombre y su fórmula:
  {"name": "wXY", "formula": "wX + wY", "value": "1.2999999523162842",
   "unrounded": "1.3"}
"value" es el decimal más corto que se lee como el mismo double; "unrounded"
está donde el valor se redondeó a precisión simple. Si el botón falla, el
último paso no tiene "value" y lleva "error" con el número del error.
Con "alpha" la respuesta lleva "cuts", un objeto por nivel y en su orden:
  {"alpha": "0.5", "X": ["1.5", "3.5"], "Y": ["5.5", "7.5"],
   "Z": ["8.5", "26.5"], "exact": ["8.25", "26.25"]}
X e Y se cortan como estaban antes del botón y Z como queda después, cada
uno leído como lo lee la calculadora (la cuarta componente en precisión
simple). "exact" es el corte exacto por el principio de extensión y solo
está tras Suma, Resta, Multiplicacion, Division, Cuadrado, Raiz, Maximo y
Minimo sin error; para Maximo y Minimo es el máximo y el mínimo difusos,
que no es la elección que hacen esos botones. Un corte que no existe (un
número desordenado, Y con el 0 en su corte al dividir, X negativo en la
raíz, un valor que desborda) es {"undefined": "motivo"}.
Con "conventions": true la respuesta lleva "conventions": "centroid", el
valor D de DEFUZY sobre las casillas de Z (sin escribir Def);
"vertex_mean", (z1 + z2 + z3 + z4) / 4; "graded_mean",
(z1 + 2 z2 + 2 z3 + z4) / 6; tras Multiplicacion, Division, Cuadrado y
Raiz, "alpha_trapezoid", los extremos de los cortes exactos en α = 0 y
α = 1, cada uno con su valor o su motivo (un divisor con el 0 en el
soporte y no en el núcleo deja el núcleo); y, donde hay "exact", "gap":
la mayor distancia entre Z y el resultado exacto en α = k/64 a cada lado,
con el primer α en que se da:
  "gap": {"left": ["0.25", "0.5"], "right": ["0.25", "0.5"]}
Cualquiera de ellos puede ser {"undefined": "motivo"}. Los valores se
escriben como en "steps".
Una línea que no se entiende no cambia nada y recibe {"invalid": "motivo"}:
JSON mal formado, una clave o casilla desconocida o repetida, un valor que
no es del tipo esperado, un "alpha" fuera de [0, 1] o con más de 65
valores, "alpha" o "conventions" sin "click", un byte nulo, o más de 4 MiB (4194304 bytes, sin
contar el fin de línea, LF o CRLF). Las líneas en blanco se ignoran. Cada
línea se responde en cuanto llega su fin de línea; en un terminal, Ctrl-D al
principio de una línea termina.

Estado de salida:
  0  todas las líneas eran válidas
  1  alguna línea no era válida
  2  no se pudo leer la entrada o escribir una respuesta (disco lleno,
     tubería cerrada...); el programa se detiene en ese momento y las
     respuestas ya escritas siguen valiendo

Ejemplo:
  $ printf '%s\n' '{"set": {"XI": "1", "XII": "2", "XIII": "3", "XIV": "4"}}' \
      '{"set": {"YI": "5", "YII": "6", "YIII": "7", "YIV": "8"}, "click": "Suma"}' \
      '{"click": "DEFUZY"}' | trelvani-batch
  La segunda respuesta muestra Z = ( 6,  8,  10,  12) y la tercera Def = " 9".
)";

using trelvani::programs::kCannotGoOn;
using trelvani::programs::WriteFailure;

constexpr int kAllValid = 0;
constexpr int kSomeInvalid = 1;

class StandardOutput final : public trelvani::protocol::ReplyOutput {
public:
    void Write(std::string_view piece) override {
        if (std::fwrite(piece.data(), 1, piece.size(), stdout) != piece.size()) throw WriteFailure{};
    }
    void EndLine() override {
        if (std::fputc('\n', stdout) == EOF || std::fflush(stdout) != 0) throw WriteFailure{};
    }
};

constexpr std::string_view kProgram = "trelvani-batch";

int Run() {
    StandardOutput out;
    trelvani::CutReplies cuts;
    trelvani::protocol::DescriptorSource input(STDIN_FILENO);
    return trelvani::programs::StopOnFailure(
        kProgram, [&] { return trelvani::protocol::AnswerLines(input, out, cuts) ? kAllValid : kSomeInvalid; });
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--help" || std::string_view(argv[i]) == "-h") {
            try {
                trelvani::programs::WriteAll(kHelp);
            } catch (const WriteFailure& failure) {
                return trelvani::programs::Stop(kProgram, "no se pudo escribir la ayuda", std::strerror(failure.error));
            }
            return kAllValid;
        }
        std::fprintf(stderr, "trelvani-batch: opción desconocida: %s (véase --help)\n", argv[i]);
        return kCannotGoOn;
    }
    // Take the user's locale as the window does; no text depends on it.
    std::setlocale(LC_ALL, "");
    return Run();
}
