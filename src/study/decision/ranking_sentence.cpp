#include "study/decision/ranking_sentence.h"

#include "core/steps.h"
#include "study/decision/final_values.h"

namespace trelvani::decision {

std::string RankingSentence(const Problem& problem, const Solution& solution) {
    const FinalValues final = FinalValuesOf(problem, solution);
    if (solution.order.empty() || solution.order.front() >= final.values.size()) return {};
    const FinalValue& best = final.values[solution.order.front()];
    std::string sentence;
    switch (problem.method) {
    case Method::Topsis:
        sentence = "La mejor alternativa es " + best.label + ", con el mayor coeficiente de cercanía (CC = ";
        break;
    case Method::Saw:
        sentence = "La mejor alternativa es " + best.label + ", con el mayor valor nítido de S (";
        break;
    case Method::Ahp:
        sentence = "El criterio de más peso es " + best.label + " (peso normalizado ";
        break;
    }
    AppendShortest(sentence, best.value);
    sentence += "); el orden: ";
    for (std::size_t place = 0; place < solution.order.size(); ++place) {
        if (place > 0) sentence += ", ";
        sentence += final.values[solution.order[place]].label;
    }
    return sentence + ".";
}

}  // namespace trelvani::decision
