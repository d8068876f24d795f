#pragma once

#include <string_view>

namespace trelvani {

// What the sections under the window say that depends on no click: notices,
// labels, and what a section says when the study module could not be
// loaded (which that module cannot say itself). Written into the page as it
// is built; the scripts find each by its key.
struct SectionText {
    std::string_view key;  // as the page's scripts call it
    std::string_view text;
};

inline constexpr SectionText kSectionTexts[] = {
    // Any copy button.
    {"copied", "Copiado."},
    {"copyByHand", "Seleccione el texto de abajo y cópielo con Ctrl+C."},
    // The plot's description, before each operand's numbers.
    {"plotLabel", "Funciones de pertenencia de X, Y y Z. "},
    {"plotUnread", "sin dibujar, no se puede leer"},
    {"alphaUnread", "No es un número entre 0 y 1."},
    {"historyExported", "Historial exportado."},
    {"historyCleared", "Historial borrado."},
    {"historyWithoutOperands", "El historial no tiene operaciones con X e Y."},
    {"documentsUnloaded", "No se pudo cargar lo que escribe los documentos. Compruebe la conexión y vuelva a intentarlo."},
    {"linkUnloaded", "No se pudo abrir el ejercicio del enlace: no se pudo cargar lo que lo resuelve. "
                     "Compruebe la conexión y vuelva a cargar la página."},
    {"decisionUnloaded", "No se pudo cargar el módulo de decisión. Compruebe la conexión y recargue la página."},
    {"addedToList", "Añadido a la lista de ejercicios."},
    // The decision section's labels; a number or a name follows after a space.
    {"alternative", "Alternativa"},
    {"criterion", "Criterio"},
    {"remove", "Quitar"},
    {"typeOf", "Tipo de"},
    {"maker", "Decisor"},
    {"ratings", "Valoraciones"},
    {"makerComparisons", "Comparaciones del decisor"},
    {"comparisons", "Comparaciones"},
    {"weight", "Peso"},
};

}  // namespace trelvani
