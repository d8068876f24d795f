#include "study/procedure/procedure.h"

#include <algorithm>

#include "core/buttons.h"
#include "core/formula_tokens.h"
#include "core/step_names.h"

namespace trelvani {

const std::array<std::pair<std::string_view, std::string_view>, 10> kRoundingNotes = {{
    {step::kX[3], "El cuarto componente se lee en precisión simple."},
    {step::kY[3], "El cuarto componente se lee en precisión simple."},
    {step::kZ4, "El cuarto componente se guarda en precisión simple."},
    {step::kSummedWidth,
     "El ancho sumado se redondea a precisión simple antes de añadir z1: ZIV puede diferir de x4 + y4 en "
     "la última cifra."},
    {step::kWidthProduct, "El producto de los anchos se redondea a precisión simple."},
    {step::kCandidate, "El candidato se redondea a precisión simple."},
    {step::kCornerProduct, "El producto y4 · x4 se redondea a precisión simple; z4 es el mayor de c y q."},
    {step::kMeanX, "Las medias se comparan en precisión simple."},
    {step::kMeanY, "Las medias se comparan en precisión simple."},
    {step::kCentroid, "El centroide se muestra en precisión simple (7 cifras)."},
}};

namespace {

std::string_view RoundingNote(std::string_view name) {
    for (const auto& [step, note] : kRoundingNotes) {
        if (step == name) return note;
    }
    return {};
}

// The values listed so far, by name; a click lists a few dozen at most.
using Known = std::vector<std::pair<std::string_view, std::string>>;

const std::string* ValueOf(const Known& known, std::string_view name) {
    const auto found = std::find_if(known.rbegin(), known.rend(), [&](const auto& entry) { return entry.first == name; });
    return found == known.rend() ? nullptr : &found->second;
}

// The formula with every name an earlier step gave a value replaced by that
// value, a negative one in parentheses: [name, formula] or [name, formula,
// with values].
std::vector<std::string> WithValues(const Step& step, const Known& known) {
    std::string substituted;
    bool changed = false;
    const std::string_view formula = step.formula;
    for (std::size_t i = 0; i < formula.size();) {
        const FormulaToken token = FormulaTokenAt(formula, i);
        i += token.text.size();
        const std::string* value = token.part == FormulaPart::Name ? ValueOf(known, token.text) : nullptr;
        if (value == nullptr || token.text == step.name) {
            substituted += token.text;
        } else {
            substituted += (*value)[0] == '-' ? "(" + *value + ")" : *value;
            changed = true;
        }
    }
    std::vector<std::string> math{std::string(step.name), std::string(formula)};
    if (changed) math.push_back(std::move(substituted));
    return math;
}

std::string_view OutcomeNote(const Step& step, const Button* button) {
    if (step.name == step::kMessage) return "Las medias son iguales: Mensajes lo dice y Z no cambia.";
    const bool keptX = step.formula == step::kOperandX;
    const bool greater = (button != nullptr && button->id == ButtonId::Maximum) == keptX;
    if (keptX) return greater ? "Z copia X entero: mX > mY." : "Z copia X entero: mX < mY.";
    return greater ? "Z copia Y entero: mX > mY." : "Z copia Y entero: mX < mY.";
}

}  // namespace

Procedure ProcedureOf(const ClickRecord& click) {
    Procedure procedure{click.button != nullptr ? click.button->name : std::string_view(), {}, click.written};
    Known known;
    for (const Step& step : click.steps) {
        ProcedureLine line;
        if (step.error) {
            line.math = WithValues(step, known);
            line.error = "error " + std::to_string(*step.error) + ": " +
                         std::string(Description(static_cast<ErrorNumber>(*step.error)));
        } else if (!step.value) {
            line.math = step.name == step::kMessage ? std::vector<std::string>{std::string(step.formula)}
                                                : std::vector<std::string>{std::string(step.name), std::string(step.formula)};
            line.note = OutcomeNote(step, click.button);
        } else {
            const std::string value = ShortestText(*step.value);
            known.emplace_back(step.name, value);
            line.math = WithValues(step, known);
            const bool rounded = step.unrounded && *step.unrounded != *step.value;
            line.math.push_back(rounded ? ShortestText(*step.unrounded) : value);
            if (rounded) {
                line.rounded = value;
                line.note = RoundingNote(step.name);
            }
        }
        procedure.lines.push_back(std::move(line));
    }
    return procedure;
}

std::string LineText(const ProcedureLine& line) {
    std::string text;
    for (const std::string& part : line.math) text += (text.empty() ? "" : " = ") + part;
    if (!line.rounded.empty()) text += " → en precisión simple: " + line.rounded;
    if (!line.error.empty()) text += " → " + line.error;
    return text;
}

}  // namespace trelvani
