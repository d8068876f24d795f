#include "core/runtime_error.h"

namespace trelvani {

std::string_view Description(ErrorNumber number) {
    switch (number) {
    case ErrorNumber::InvalidArgument:
        return "Llamada a procedimiento o argumento no válidos";
    case ErrorNumber::Overflow:
        return "Desbordamiento";
    case ErrorNumber::DivisionByZero:
        return "División por cero";
    }
    return "Error desconocido";
}

const char* RuntimeError::what() const noexcept {
    // Every description is a string literal, so data() is NUL-terminated.
    return Description(number_).data();
}

void Raise(ErrorNumber number) { throw RuntimeError(number); }

std::string ErrorReport(const RuntimeError& error) {
    return "Se ha producido el error '" + std::to_string(error.code()) + "' en tiempo de ejecución:\n\n" +
           std::string(error.description());
}

}  // namespace trelvani
