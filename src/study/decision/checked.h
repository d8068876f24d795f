#pragma once

#include <cmath>
#include <string>

#include "study/decision/problem.h"

namespace trelvani::decision {

// Every value a method computes passes through these: a result beyond the
// double range, or a division by zero, stops the problem with a reason that
// names its place. `place` is called only then, so naming costs nothing.
template <class Place>
double Finite(double value, const Place& place) {
    if (!std::isfinite(value)) throw DecisionError(place() + ": un valor pasa del rango del double");
    return value;
}

template <class Place>
Fuzzy Finite(const Fuzzy& value, const Place& place) {
    for (double component : value) Finite(component, place);
    return value;
}

template <class Place>
double Quotient(double dividend, double divisor, const Place& place) {
    if (divisor == 0) throw DecisionError(place() + ": división por cero");
    return Finite(dividend / divisor, place);
}

}  // namespace trelvani::decision
