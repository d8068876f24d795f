#include "study/decision/conventions.h"

#include <array>
#include <string>
#include <utility>

namespace trelvani::decision {
namespace {

template <class Choice, std::size_t N>
using Words = std::array<std::pair<Choice, std::string_view>, N>;

constexpr Words<Method, 3> kMethods = {{{Method::Topsis, "topsis"}, {Method::Saw, "saw"}, {Method::Ahp, "ahp"}}};
constexpr Words<CriterionType, 2> kTypes = {{{CriterionType::Benefit, "beneficio"}, {CriterionType::Cost, "costo"}}};
constexpr Words<Aggregation, 3> kAggregations = {
    {{Aggregation::Mean, "media"}, {Aggregation::Extremes, "extremos"}, {Aggregation::Geometric, "geometrica"}}};
constexpr Words<Normalisation, 2> kNormalisations = {
    {{Normalisation::Linear, "lineal"}, {Normalisation::None, "ninguna"}}};
constexpr Words<Ideals, 3> kIdeals = {
    {{Ideals::OnesZeros, "unos-ceros"}, {Ideals::Extremes, "extremos"}, {Ideals::Components, "componentes"}}};
constexpr Words<Distance, 2> kDistances = {{{Distance::Vertex4, "vertices-4"}, {Distance::Vertex3, "vertices-3"}}};
constexpr Words<Defuzzification, 3> kDefuzzifications = {{{Defuzzification::Centroid, "centroide"},
                                                          {Defuzzification::Mean, "media"},
                                                          {Defuzzification::GradedMean, "media-graduada"}}};

template <class Choice, std::size_t N>
std::string_view WordOf(const Words<Choice, N>& words, Choice choice) {
    for (const auto& [value, word] : words) {
        if (value == choice) return word;
    }
    return {};
}

// The choice `value` names among `allowed`, or the reason it names none.
template <class Choice, std::size_t N>
Choice ReadChoice(const Words<Choice, N>& words, std::initializer_list<Choice> allowed, std::string_view key,
                  const JsonValue& value, Method method) {
    std::string list;
    for (Choice choice : allowed) {
        if (value.kind == JsonValue::Kind::String && value.text == WordOf(words, choice)) return choice;
        list += list.empty() ? "" : ", ";
        list += WordOf(words, choice);
    }
    const std::string given = value.kind == JsonValue::Kind::String ? "«" + value.text + "»" : "ese valor";
    throw DecisionError("convenio desconocido: " + given + " no vale como «" + std::string(key) + "» en " +
                        std::string(WordOf(kMethods, method)) + " (" + list + ")");
}

std::optional<int> ReadRounding(const JsonValue& value) {
    if (value.kind == JsonValue::Kind::Null) return std::nullopt;
    static constexpr std::array<std::string_view, 7> kDecimals = {"0", "1", "2", "3", "4", "5", "6"};
    for (std::size_t d = 0; d < kDecimals.size(); ++d) {
        if (value.kind == JsonValue::Kind::Number && value.text == kDecimals[d]) return static_cast<int>(d);
    }
    throw DecisionError("«redondeo» debe ser un entero de 0 a 6, o null");
}

}  // namespace

std::string_view Word(Method method) { return WordOf(kMethods, method); }
std::string_view Word(CriterionType type) { return WordOf(kTypes, type); }
std::string_view Word(Aggregation aggregation) { return WordOf(kAggregations, aggregation); }
std::string_view Word(Normalisation normalisation) { return WordOf(kNormalisations, normalisation); }
std::string_view Word(Ideals ideals) { return WordOf(kIdeals, ideals); }
std::string_view Word(Distance distance) { return WordOf(kDistances, distance); }
std::string_view Word(Defuzzification defuzzification) { return WordOf(kDefuzzifications, defuzzification); }

Conventions ReadConventions(Method method, const JsonValue* chosen, bool fourComponents) {
    Conventions conventions;
    conventions.aggregation = method == Method::Ahp ? Aggregation::Geometric : Aggregation::Mean;
    conventions.distance = fourComponents ? Distance::Vertex4 : Distance::Vertex3;
    if (chosen == nullptr) return conventions;
    if (chosen->kind != JsonValue::Kind::Object) throw DecisionError("«convenios» debe ser un objeto");
    const bool ratings = method != Method::Ahp;
    for (const auto& [key, value] : chosen->members) {
        if (key == "agregacion") {
            conventions.aggregation =
                ratings ? ReadChoice(kAggregations, {Aggregation::Mean, Aggregation::Extremes}, key, value, method)
                        : ReadChoice(kAggregations, {Aggregation::Geometric, Aggregation::Mean}, key, value, method);
        } else if (key == "normalizacion" && ratings) {
            conventions.normalisation =
                ReadChoice(kNormalisations, {Normalisation::Linear, Normalisation::None}, key, value, method);
        } else if (key == "ideales" && method == Method::Topsis) {
            conventions.ideals =
                ReadChoice(kIdeals, {Ideals::OnesZeros, Ideals::Extremes, Ideals::Components}, key, value, method);
        } else if (key == "distancia" && method == Method::Topsis) {
            conventions.distance = ReadChoice(kDistances, {Distance::Vertex4, Distance::Vertex3}, key, value, method);
        } else if (key == "desborrosificacion" && method != Method::Topsis) {
            conventions.defuzzification = ReadChoice(
                kDefuzzifications, {Defuzzification::Centroid, Defuzzification::Mean, Defuzzification::GradedMean},
                key, value, method);
        } else if (key == "redondeo") {
            conventions.rounding = ReadRounding(value);
        } else {
            throw DecisionError("convenio desconocido en " + std::string(Word(method)) + ": «" + key + "»");
        }
    }
    return conventions;
}

}  // namespace trelvani::decision
