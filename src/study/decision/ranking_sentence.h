#pragma once

#include <string>

#include "study/decision/solution.h"

namespace trelvani::decision {

// The outcome in one sentence, as the page shows and speaks it:
// "La mejor alternativa es A3, con el mayor CC (0.765…); el orden: A3, A1, A2."
std::string RankingSentence(const Problem& problem, const Solution& solution);

}  // namespace trelvani::decision
