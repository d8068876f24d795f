#pragma once

#include "study/decision/problem.h"

namespace trelvani::decision {

// A fuzzy number's crisp value, all in double:
// the centroid grouped as the calculator's DEFUZY button groups it (a crisp
// number, of no area, gives a1); the mean of the vertices; the graded mean.
double Defuzzify(const Fuzzy& value, Defuzzification defuzzification);

}  // namespace trelvani::decision
