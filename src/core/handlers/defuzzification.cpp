#include "core/centroid.h"
#include "core/checked_arithmetic.h"
#include "core/handlers/handlers.h"
#include "core/number_to_text.h"
#include "core/operand_io.h"
#include "core/step_names.h"

namespace trelvani {
namespace {

struct PieceStep {
    std::string_view name;
    std::string_view formula;
};

constexpr PieceStep StepOf(CentroidPiece piece) {
    switch (piece) {
    case CentroidPiece::Left: return {step::kLeftPiece, "((z2 - z1) / 2) * (z1 + 2/3 * (z2 - z1))"};
    case CentroidPiece::Core: return {step::kCorePiece, "(z3 - z2) * (z2 + 0.5 * (z3 - z2))"};
    case CentroidPiece::Right: return {step::kRightPiece, "(0.5 * (z4 - z3)) * (z3 + 1/3 * (z4 - z3))"};
    case CentroidPiece::Moment: return {step::kMoment, "L + C + R"};
    case CentroidPiece::Area: return {step::kArea, "0.5 * (z2 - z1) + (z3 - z2) + 0.5 * (z4 - z3)"};
    }
    return {};
}

}  // namespace

// The centroid of Z's trapezoid, each piece listed as a step.
void DEFUZY_Click(Controls& controls, Steps& steps) {
    const TrapezoidalNumber z = ReadOperand(controls, Row::Z, steps);
    const MomentAndArea parts = CentroidParts(z.c1, z.c2, z.c3, z.c4, [&](CentroidPiece piece, const auto& compute) {
        const PieceStep step = StepOf(piece);
        return steps.Double(step.name, step.formula, compute);
    });
    const float centroid = steps.Single(step::kCentroid, "M / A", [&] { return Divide(parts.moment, parts.area); });
    controls.SetText(Box::Def, NumberToText(centroid));
}

}  // namespace trelvani
