#include "study/decision/defuzzification.h"

#include <limits>

#include "core/centroid.h"
#include "core/runtime_error.h"
#include "core/vertex_means.h"

namespace trelvani::decision {
namespace {

// The calculator's centroid, all in double; a crisp number, of no area,
// gives a1. Beyond the double range it is infinite, for the caller to name.
double Centroid(const Fuzzy& z) {
    try {
        const MomentAndArea parts =
            CentroidParts(z[0], z[1], z[2], z[3], [](CentroidPiece, const auto& compute) { return compute(); });
        return parts.area == 0 ? z[0] : Divide(parts.moment, parts.area);
    } catch (const RuntimeError&) {
        return std::numeric_limits<double>::infinity();
    }
}

}  // namespace

double Defuzzify(const Fuzzy& z, Defuzzification defuzzification) {
    switch (defuzzification) {
    case Defuzzification::Centroid:
        return Centroid(z);
    case Defuzzification::Mean:
        return MeanOfVertices(z[0], z[1], z[2], z[3]);
    case Defuzzification::GradedMean:
        return GradedMeanOf(z[0], z[1], z[2], z[3]);
    }
    return z[0];
}

}  // namespace trelvani::decision
