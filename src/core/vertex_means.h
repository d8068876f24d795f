#pragma once

namespace trelvani {

// Two crisp values of a trapezoid beside its centroid, grouped so that every
// edition gives the same bits.

// (((z1 + z2) + z3) + z4) / 4
constexpr double MeanOfVertices(double z1, double z2, double z3, double z4) {
    return (((z1 + z2) + z3) + z4) / 4.0;
}

// (((z1 + 2·z2) + 2·z3) + z4) / 6
constexpr double GradedMeanOf(double z1, double z2, double z3, double z4) {
    return (((z1 + 2.0 * z2) + 2.0 * z3) + z4) / 6.0;
}

}  // namespace trelvani
