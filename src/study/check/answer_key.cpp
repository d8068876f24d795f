#include "study/check/answer_key.h"

#include <algorithm>
#include <optional>

#include "core/checked_arithmetic.h"
#include "core/number_to_text.h"
#include "core/step_names.h"
#include "text/json_writer.h"

namespace trelvani {
namespace {

constexpr std::string_view kNotCrossedSubtraction =
    "¿restó sin cruzar los componentes? La resta los cruza: z1 = x1 - y4, z2 = x2 - y3, z3 = x3 - y2, z4 = x4 - y1.";
constexpr std::string_view kNotCrossedDivision =
    "¿dividió sin cruzar los componentes? La división los cruza: z1 = x1 / y4, z2 = x2 / y3, z3 = x3 / y2, "
    "z4 = x4 / y1.";
constexpr std::string_view kDirectSum =
    "¿sumó x4 + y4 directamente? El cuarto componente pasa por los anchos, redondeados a precisión simple.";
constexpr std::string_view kCornerNotCandidate =
    "¿tomó x4 · y4 como cuarto componente? Aquí c = z1 + p es mayor, y es el que se queda.";
constexpr std::string_view kCandidateNotCorner =
    "¿tomó c = z1 + p como cuarto componente? Aquí q = y4 · x4 es mayor, y es el que se queda.";

std::optional<double> Listed(const StepList& steps, std::string_view name) {
    for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
        if (step->name == name) return step->value;
    }
    return std::nullopt;
}

std::string TextOf(double value, bool single) {
    return single ? NumberToText(static_cast<float>(value)).str() : NumberToText(value).str();
}


}  // namespace

void AnswerKey::Update(ButtonId button, const StepList& steps) {
    if (steps.empty() || steps.back().error) return;
    const std::array<std::string_view, 4>* names = &step::kZ;
    switch (ComputedBy(button)) {
    case Computed::Z:
        break;
    case Computed::CopiedOperand: {
        const StepList::const_iterator outcome =
            std::find_if(steps.begin(), steps.end(), [](const Step& step) { return step.name == step::kCopied; });
        if (outcome == steps.end()) return;
        names = outcome->formula == step::kOperandX ? &step::kX : &step::kY;
        break;
    }
    case Computed::Centroid:
        if (const auto centroid = Listed(steps, step::kCentroid)) {
            results_[4] = {TextOf(*centroid, true), *centroid, {}};
        }
        return;
    case Computed::Nothing:
        return;
    }
    for (std::size_t i = 0; i < 4; ++i) {
        const auto value = Listed(steps, (*names)[i]);
        if (!value) return;
        results_[i] = {TextOf(*value, i == 3), *value, {}};
    }

    // What a slip would have given, from the operands the click read.
    const auto slip = [&](std::size_t i, std::string_view message, auto compute) {
        try {
            const double value = compute();
            if (TextOf(value, i == 3) != results_[i].text) results_[i].slips.push_back({value, message});
        } catch (const RuntimeError&) {
        }
    };
    const auto x = [&](std::size_t i) { return *Listed(steps, step::kX[i]); };
    const auto y = [&](std::size_t i) { return *Listed(steps, step::kY[i]); };
    const auto single = [](std::size_t i, double value) {
        return i == 3 ? static_cast<double>(RoundToSingle(value)) : value;
    };
    switch (button) {
    case ButtonId::Subtract:
        for (std::size_t i = 0; i < 4; ++i) {
            slip(i, kNotCrossedSubtraction, [&] { return single(i, Subtract(x(i), y(i))); });
        }
        break;
    case ButtonId::Divide:
        for (std::size_t i = 0; i < 4; ++i) {
            slip(i, kNotCrossedDivision, [&] { return single(i, Divide(x(i), y(i))); });
        }
        break;
    case ButtonId::Add:
        slip(3, kDirectSum, [&] { return single(3, Add(x(3), y(3))); });
        break;
    case ButtonId::Multiply: {
        const bool keptCandidate = std::find_if(steps.begin(), steps.end(), [](const Step& step) {
                                       return step.name == step::kZ4 && step.formula == step::kCandidate;
                                   }) != steps.end();
        if (keptCandidate) {
            slip(3, kCornerNotCandidate, [&] { return *Listed(steps, step::kCornerProduct); });
        } else {
            slip(3, kCandidateNotCorner, [&] { return *Listed(steps, step::kCandidate); });
        }
        break;
    }
    case ButtonId::Minimum:
    case ButtonId::Maximum:
    case ButtonId::Square:
    case ButtonId::SquareRoot:
    case ButtonId::Defuzzify:
    case ButtonId::CopyZToX:
    case ButtonId::CopyZToY:
    case ButtonId::ClearOperands:
        break;
    }
}

Computed ComputedBy(ButtonId button) {
    switch (button) {
    case ButtonId::Add:
    case ButtonId::Subtract:
    case ButtonId::Multiply:
    case ButtonId::Divide:
    case ButtonId::Square:
    case ButtonId::SquareRoot:
        return Computed::Z;
    case ButtonId::Maximum:
    case ButtonId::Minimum:
        return Computed::CopiedOperand;
    case ButtonId::Defuzzify:
        return Computed::Centroid;
    case ButtonId::CopyZToX:
    case ButtonId::CopyZToY:
    case ButtonId::ClearOperands:
        return Computed::Nothing;
    }
    return Computed::Nothing;
}

std::string VerdictSentence(std::size_t result, const Verdict& verdict, JudgedAgainst against) {
    return VerdictSentence(BoxName(kCheckedBoxes[result]), verdict, against);
}

std::string VerdictSentence(std::string_view judged, const Verdict& verdict, JudgedAgainst against) {
    if (verdict.reading == HandReading::Empty) return "";
    const bool exercise = against == JudgedAgainst::Exercise;
    std::string sentence(judged);
    if (verdict.reading == HandReading::NotANumber) return sentence.append(": no es un número.");
    if (verdict.value.empty()) {
        return sentence.append(exercise ? ": el ejercicio no lo pide." : ": la calculadora aún no lo ha calculado.");
    }
    sentence.append(verdict.agrees ? ": coincide" : ": no coincide");
    // An exercise's results are not shown before the student asks for them.
    if (exercise) {
        sentence.append(".");
    } else {
        sentence.append("; la calculadora da \"").append(verdict.value).append("\".");
    }
    if (!verdict.slip.empty()) sentence.append(" ").append(verdict.slip);
    return sentence;
}

std::string VerdictJson(std::size_t result, const Verdict& verdict, JudgedAgainst against) {
    return VerdictJson(BoxName(kCheckedBoxes[result]), verdict, against);
}

std::string VerdictJson(std::string_view judged, const Verdict& verdict, JudgedAgainst against) {
    std::string out;
    JsonWriter json(out);
    json.BeginObject().Key("reading").Integer(static_cast<int>(verdict.reading)).Key("agrees").Bool(verdict.agrees);
    json.Key("value").String(verdict.value).Key("slip").String(verdict.slip);
    json.Key("compared").Bool(verdict.reading == HandReading::Number && !verdict.value.empty());
    json.Key("sentence").String(VerdictSentence(judged, verdict, against)).EndObject();
    return out;
}

Verdict AnswerKey::Judge(std::size_t result, std::string_view hand) const {
    Verdict verdict;
    HandNumber written;
    verdict.reading = ReadHandNumber(hand, written);
    const Result& expected = results_[result];
    verdict.value = expected.text;
    if (verdict.reading != HandReading::Number || expected.text.empty()) return verdict;
    verdict.agrees = AgreesToWrittenDigits(written, ExactDecimal(expected.value));
    if (verdict.agrees) return verdict;
    for (const Slip& slip : expected.slips) {
        if (AgreesToWrittenDigits(written, ExactDecimal(slip.value))) {
            verdict.slip = slip.message;
            break;
        }
    }
    return verdict;
}

}  // namespace trelvani
