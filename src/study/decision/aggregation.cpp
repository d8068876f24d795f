#include "study/decision/aggregation.h"

#include <algorithm>

#include "core/power.h"

namespace trelvani::decision {
namespace {

// ((x¹ + x²) + … + xᴷ) / K
double Mean(const Cell& cell, std::size_t component) {
    double sum = cell.front().value[component];
    for (std::size_t k = 1; k < cell.size(); ++k) sum += cell[k].value[component];
    return sum / static_cast<double>(cell.size());
}

// pow(((x¹ · x²) · … · xᴷ), 1.0 / K)
double GeometricMean(const Cell& cell, std::size_t component) {
    double product = cell.front().value[component];
    for (std::size_t k = 1; k < cell.size(); ++k) product *= cell[k].value[component];
    return Power(product, 1.0 / static_cast<double>(cell.size()));
}

}  // namespace

Fuzzy Aggregate(const Cell& cell, Aggregation aggregation) {
    Fuzzy result{};
    for (std::size_t c = 0; c < 4; ++c) {
        result[c] = aggregation == Aggregation::Geometric ? GeometricMean(cell, c) : Mean(cell, c);
    }
    if (aggregation == Aggregation::Extremes) {
        result[0] = cell.front().value[0];
        result[3] = cell.front().value[3];
        for (const Entry& entry : cell) {
            result[0] = std::min(result[0], entry.value[0]);
            result[3] = std::max(result[3], entry.value[3]);
        }
    }
    return result;
}

}  // namespace trelvani::decision
