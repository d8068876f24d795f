#include "study/cuts/cut_report.h"

namespace trelvani {

CutReport CutReportOf(ButtonId button, bool failed, const OperandReading& x, const OperandReading& y,
                      const OperandReading& z, const Measure& centroid, std::span<const double> alphas) {
    CutReport report;
    report.rule = failed ? ExactRule::None : ExactRuleOf(button);
    const std::string problems[3] = {CutProblem(x, 'X'), CutProblem(y, 'Y'), CutProblem(z, 'Z')};
    const auto cutOf = [&](int row, double alpha) {
        const OperandReading& reading = row == 0 ? x : row == 1 ? y : z;
        return problems[row].empty() ? CutAt(reading.number, alpha) : Cut{0.0, 0.0, problems[row]};
    };
    const bool hasExact = report.rule != ExactRule::None;
    const auto exactAt = [&](double alpha) { return ExactCut(report.rule, cutOf(0, alpha), cutOf(1, alpha)); };

    for (double alpha : alphas) {
        CutRow row{alpha, cutOf(0, alpha), cutOf(1, alpha), cutOf(2, alpha), {}};
        if (hasExact) row.exact = exactAt(alpha);
        report.rows.push_back(std::move(row));
    }
    if (hasExact) {
        std::vector<Cut> zCurve;
        for (int k = 0; k < kLevels; ++k) {
            report.curve.push_back(exactAt(LevelAlpha(k)));
            zCurve.push_back(cutOf(2, LevelAlpha(k)));
        }
        report.gap = LargestGap(report.curve, zCurve);
        report.hasAlphaTrapezoid = CurvesOutOfTrapezoid(report.rule);
        if (report.hasAlphaTrapezoid) {
            const double zero = LevelAlpha(0), one = LevelAlpha(kLevels - 1);
            report.alphaTrapezoid =
                AlphaTrapezoid(report.rule, {cutOf(0, zero), cutOf(1, zero)}, {cutOf(0, one), cutOf(1, one)});
        }
    }

    // The means and the centroid are taken of Z's vertices as they stand,
    // in order or not, as DEFUZY takes them.
    if (z.overflows) {
        const Measure none{0.0, problems[2]};
        report.z = {none, none, none, none};
        report.conventions = {none, none, none};
        return report;
    }
    const TrapezoidalNumber& n = z.number;
    report.z = {Measure{n.c1, {}}, Measure{n.c2, {}}, Measure{n.c3, {}}, Measure{static_cast<double>(n.c4), {}}};
    report.conventions = {centroid, VertexMean(n), GradedMean(n)};
    return report;
}

}  // namespace trelvani
