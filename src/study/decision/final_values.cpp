#include "study/decision/final_values.h"

namespace trelvani::decision {

FinalValues FinalValuesOf(const Problem& problem, const Solution& solution) {
    FinalValues final;
    const auto take = [&](std::string_view symbol, const std::vector<std::string>& labels,
                          const std::vector<double>& values) {
        for (std::size_t i = 0; i < labels.size() && i < values.size(); ++i) {
            final.values.push_back({std::string(symbol) + " de " + labels[i], labels[i], values[i]});
        }
    };
    switch (problem.method) {
    case Method::Topsis:
        final.caption = "Coeficiente de cercanía (CC) de cada alternativa";
        take("CC", problem.alternatives, solution.closeness);
        break;
    case Method::Saw:
        final.caption = "Valor nítido de S de cada alternativa";
        take("S", problem.alternatives, solution.values);
        break;
    case Method::Ahp:
        final.caption = "Peso normalizado de cada criterio";
        take("Peso", problem.criteria, solution.normalisedWeights);
        break;
    }
    return final;
}

}  // namespace trelvani::decision
