#pragma once

#include <array>
#include <span>
#include <string_view>
#include <vector>

#include "core/buttons.h"
#include "study/cuts/alpha_cuts.h"

namespace trelvani {

struct CutRow {
    double alpha = 0.0;
    Cut x, y, z;
    // Only where the click has an exact result.
    Cut exact;
};

struct Conventions {
    Measure centroid, vertexMean, gradedMean;
};

// How a click's Z stands against the exact result by the extension
// principle, and against the common ways of reading a trapezoid.
struct CutReport {
    // None when the button has no exact result or the click failed.
    ExactRule rule = ExactRule::None;
    std::vector<CutRow> rows;
    // The exact cut at α = k/64, k = 0 … 64; empty without a rule.
    std::vector<Cut> curve;
    Gap gap;
    // Z as read back from its boxes.
    std::array<Measure, 4> z;
    // Only for the rules whose result curves away from a trapezoid.
    bool hasAlphaTrapezoid = false;
    std::array<Measure, 4> alphaTrapezoid;
    Conventions conventions;
};

// The report for a click of `button` that found X and Y as `x` and `y`,
// with Z now read as `z` and its centroid as DEFUZY gives it; `failed` when
// the click raised a runtime error. One row per α, in order.
CutReport CutReportOf(ButtonId button, bool failed, const OperandReading& x, const OperandReading& y,
                      const OperandReading& z, const Measure& centroid, std::span<const double> alphas);

}  // namespace trelvani
