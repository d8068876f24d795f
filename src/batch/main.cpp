#include <clocale>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

#include "batch/session.h"

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

La respuesta da los textos exactos de las trece casillas y de Mensajes:
  {"texts": {"XI": " 1", ..., "Mensajes": " "}, "error": null}
Un error de cálculo deja los textos como estaban antes del botón:
  "error": {"number": 11, "description": "División por cero"}
Una línea que no se entiende no cambia nada y recibe {"invalid": "motivo"}.
Las líneas en blanco se ignoran. El programa termina con 0 si todas las
líneas eran válidas y con 1 si alguna no lo era.

Ejemplo:
  $ printf '%s\n' '{"set": {"XI": "1", "XII": "2", "XIII": "3", "XIV": "4"}}' \
      '{"set": {"YI": "5", "YII": "6", "YIII": "7", "YIV": "8"}, "click": "Suma"}' \
      '{"click": "DEFUZY"}' | trelvani-batch
  La segunda respuesta muestra Z = ( 6,  8,  10,  12) y la tercera Def = " 9".
)";

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--help" || std::string_view(argv[i]) == "-h") {
            std::fwrite(kHelp.data(), 1, kHelp.size(), stdout);
            return 0;
        }
        std::fprintf(stderr, "trelvani-batch: opción desconocida: %s (véase --help)\n", argv[i]);
        return 2;
    }

    // Take the user's locale as the window does; no text depends on it.
    std::setlocale(LC_ALL, "");
    std::ios::sync_with_stdio(false);
    trelvani::batch::Session session;
    bool allValid = true;
    std::string line;
    while (std::getline(std::cin, line)) {
        if (trelvani::batch::IsBlank(line)) continue;
        const auto reply = session.Handle(line);
        allValid = allValid && reply.valid;
        std::fwrite(reply.line.data(), 1, reply.line.size(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }
    return allValid ? 0 : 1;
}
