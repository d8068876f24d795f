#include "fields/runtime_error.h"

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

}  // namespace trelvani
