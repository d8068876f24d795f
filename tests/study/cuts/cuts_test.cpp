#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/buttons.h"
#include "core/controls.h"
#include "study/cuts/cut_reading.h"
#include "study/cuts/cut_writer.h"
#include "study/record_bytes.h"

namespace trelvani {
namespace {

Cut Of(double left, double right) { return {left, right, {}}; }
Cut Why(std::string reason) { return {0.0, 0.0, std::move(reason)}; }

void ExpectCut(const Cut& got, const Cut& want, const std::string& where) {
    EXPECT_EQ(got.undefined, want.undefined) << where;
    if (!want.defined()) return;
    EXPECT_EQ(got.left, want.left) << where;
    EXPECT_EQ(got.right, want.right) << where;
}

TEST(AlphaCuts, ExactCutOfEachOperationForEverySignOfTheEnds) {
    const std::string negative = "el corte de X tiene valores negativos";
    const std::string zero = "el corte de Y contiene el 0";
    struct Case {
        ExactRule rule;
        Cut x, y, want;
    } cases[] = {
        {ExactRule::Sum, Of(1, 2), Of(3, 5), Of(4, 7)},
        {ExactRule::Sum, Of(-2, -1), Of(-5, 3), Of(-7, 2)},
        {ExactRule::Difference, Of(1, 2), Of(3, 5), Of(-4, -1)},
        {ExactRule::Difference, Of(-2, 1), Of(-5, -3), Of(1, 6)},
        {ExactRule::Product, Of(1, 2), Of(3, 5), Of(3, 10)},
        {ExactRule::Product, Of(-2, -1), Of(-5, -3), Of(3, 10)},
        {ExactRule::Product, Of(-2, -1), Of(3, 5), Of(-10, -3)},
        {ExactRule::Product, Of(-2, 1), Of(3, 5), Of(-10, 5)},
        {ExactRule::Product, Of(-2, 1), Of(-3, 5), Of(-10, 6)},
        {ExactRule::Quotient, Of(1, 2), Of(4, 8), Of(0.125, 0.5)},
        {ExactRule::Quotient, Of(-2, 1), Of(-8, -4), Of(-0.25, 0.5)},
        {ExactRule::Quotient, Of(1, 2), Of(-1, 4), Why(zero)},
        {ExactRule::Quotient, Of(1, 2), Of(0, 4), Why(zero)},
        {ExactRule::Quotient, Of(1, 2), Of(-4, 0), Why(zero)},
        {ExactRule::Square, Of(1, 2), {}, Of(1, 4)},
        {ExactRule::Square, Of(-2, -1), {}, Of(1, 4)},
        {ExactRule::Square, Of(-1, 2), {}, Of(0, 4)},
        {ExactRule::Square, Of(-3, 2), {}, Of(0, 9)},
        {ExactRule::Root, Of(4, 9), {}, Of(2, 3)},
        {ExactRule::Root, Of(0, 4), {}, Of(0, 2)},
        {ExactRule::Root, Of(-1, 4), {}, Why(negative)},
        {ExactRule::Maximum, Of(1, 4), Of(2, 3), Of(2, 4)},
        {ExactRule::Minimum, Of(1, 4), Of(-2, 3), Of(-2, 3)},
        // What the operands lack, the result lacks, with their reason.
        {ExactRule::Sum, Why("X desborda"), Of(1, 2), Why("X desborda")},
        {ExactRule::Product, Of(1, 2), Why("Y no está ordenado"), Why("Y no está ordenado")},
        {ExactRule::Square, Of(1, 2), Why("Y desborda"), Of(1, 4)},
        {ExactRule::Product, Of(1e200, 1e200), Of(1e200, 1e200), Why("desborda")},
    };
    for (const Case& c : cases) {
        ExpectCut(ExactCut(c.rule, c.x, c.y), c.want, "rule " + std::to_string(static_cast<int>(c.rule)) + " x [" +
                                                          std::to_string(c.x.left) + ", " + std::to_string(c.x.right) + "]");
    }
}

TEST(AlphaCuts, AlphaTrapezoidDecidesEachVertexAtItsOwnLevel) {
    const Measure zero{0.0, "el corte de Y contiene el 0"}, negative{0.0, "el corte de X tiene valores negativos"};
    const auto value = [](double v) { return Measure{v, {}}; };
    const struct {
        ExactRule rule;
        OperandCuts atZero, atOne;
        std::array<Measure, 4> want;
    } cases[] = {
        // Y = (-8.95, -1.595, -1.293, 8.433): only its support holds 0.
        {ExactRule::Quotient, {Of(1, 4), Of(-8.95, 8.432999610900879)}, {Of(2, 3), Of(-1.595, -1.293)},
         {zero, value(-2.320185614849188), value(-1.2539184952978057), zero}},
        {ExactRule::Root, {Of(-1, 16), {}}, {Of(4, 9), {}}, {negative, value(2), value(3), negative}},
        // One end beyond the range leaves the other.
        {ExactRule::Product, {Of(1, 1e200), Of(1, 1e200)}, {Of(2, 3), Of(2, 3)},
         {value(1), value(4), value(9), {0.0, "desborda"}}},
    };
    for (const auto& c : cases) {
        const auto got = AlphaTrapezoid(c.rule, c.atZero, c.atOne);
        for (std::size_t i = 0; i < 4; ++i) {
            const std::string where = std::to_string(static_cast<int>(c.rule)) + ", vertex " + std::to_string(i);
            EXPECT_EQ(got[i].undefined, c.want[i].undefined) << where;
            EXPECT_EQ(got[i].value, c.want[i].value) << where;
        }
    }
}

TEST(AlphaCuts, OperandsAreCutAsReadAndOutOfOrderIsNamedWithTheValuesRead) {
    ExpectCut(CutAt({1, 2, 3, 4.0f}, 0.5), Of(1.5, 3.5), "(1, 2, 3, 4)");
    // The fourth component is the single it was read as.
    ExpectCut(CutAt({0, 0, 0, 0.7f}, 0.0), Of(0, 0.699999988079071), "x4 = 0.7");
    EXPECT_EQ(CutProblem({{0, 0, 0.7, 0.7f}, false}, 'X'), "X no está ordenado: x3 = 0.7 > x4 = 0.699999988079071");
    EXPECT_EQ(CutProblem({{3, 2, 1, 0.0f}, false}, 'Y'),
              "Y no está ordenado: y1 = 3 > y2 = 2, y2 = 2 > y3 = 1, y3 = 1 > y4 = 0");
    EXPECT_EQ(CutProblem({{}, true}, 'Z'), "Z desborda");
    EXPECT_EQ(CutProblem({{1, 1, 1, 1.0f}, false}, 'X'), "");
}

TEST(AlphaCuts, AlphaTypedWithAPointOrACommaInZeroToOne) {
    const struct {
        const char* typed;
        bool read;
        double alpha;
    } cases[] = {
        {"0,5", true, 0.5}, {" 0.25 ", true, 0.25}, {"1", true, 1}, {"0", true, 0}, {"-0", true, 0},
        {"1e-1", true, 0.1}, {"+.75", true, 0.75}, {"1.5", false, 0}, {"-0.1", false, 0}, {"", false, 0},
        {"abc", false, 0}, {"nan", false, 0}, {"inf", false, 0}, {"0x1", false, 0}, {"0.5.", false, 0},
        {"0 5", false, 0}, {"1e999", false, 0},
    };
    for (const auto& c : cases) {
        double alpha = -1.0;
        EXPECT_EQ(ReadAlpha(c.typed, alpha), c.read) << c.typed;
        if (c.read) {
            EXPECT_EQ(alpha, c.alpha) << c.typed;
            EXPECT_FALSE(std::signbit(alpha)) << c.typed;
        }
    }
}

// A click on fresh boxes holding `x` and `y`, and its report at `alphas`.
struct Clicked {
    MemoryControls controls;
    CutReport report;
};

Clicked Click(const char* button, const std::vector<std::string>& x, const std::vector<std::string>& y,
              const std::vector<double>& alphas = {}) {
    Clicked clicked;
    for (std::size_t i = 0; i < x.size(); ++i) clicked.controls.SetText(kAllBoxes[i], x[i]);
    for (std::size_t i = 0; i < y.size(); ++i) clicked.controls.SetText(kAllBoxes[4 + i], y[i]);
    const OperandReading before[2] = {ReadForCuts(clicked.controls, Row::X), ReadForCuts(clicked.controls, Row::Y)};
    const auto error = RunClick(HandlerOf(ButtonNamed(button)->id), clicked.controls);
    clicked.report = CutReportOf(ButtonNamed(button)->id, error.has_value(), before[0], before[1],
                                 ReadForCuts(clicked.controls, Row::Z), CentroidOf(clicked.controls), alphas);
    return clicked;
}

TEST(CutReport, LargestGapAndTheAlphaTrapezoidOfAProductAcrossZero) {
    const CutReport product = Click("Multiplicacion", {"1", "2", "3", "4"}, {"5", "6", "7", "8"}).report;
    EXPECT_EQ(product.gap.left.value, 0.25);
    EXPECT_EQ(product.gap.leftAlpha, 0.5);
    EXPECT_EQ(product.gap.right.value, 0.25);
    ASSERT_TRUE(product.hasAlphaTrapezoid);
    EXPECT_EQ(Of(product.alphaTrapezoid[0].value, product.alphaTrapezoid[3].value).right, 32);

    // The vertex formulas give z1 = -2; by α-cuts the left end at 0 is -8.
    const Clicked crossing = Click("Multiplicacion", {"-2", "-1", "1", "2"}, {"1", "2", "3", "4"}, {0.0});
    EXPECT_EQ(crossing.controls.View(Box::ZI), "-2");
    ExpectCut(crossing.report.rows[0].exact, Of(-8, 8), "α = 0");
    EXPECT_EQ(crossing.report.gap.left.value, 6);
    EXPECT_EQ(crossing.report.gap.leftAlpha, 0);

    // A quotient whose divisor reaches 0 up to α = 1/3: the gap is taken
    // where the exact cut exists, the largest just above it (-117 against -1).
    const CutReport quotient = Click("Division", {"-4", "-3", "-2", "-1"}, {"-1", "2", "3", "4"}, {0.0, 1.0}).report;
    ExpectCut(quotient.rows[0].exact, Why("el corte de Y contiene el 0"), "α = 0");
    ExpectCut(quotient.rows[1].exact, Of(-1.5, -2.0 / 3.0), "α = 1");
    EXPECT_EQ(quotient.gap.left.value, 116);
    EXPECT_EQ(quotient.gap.leftAlpha, 22.0 / 64.0);
    EXPECT_FALSE(quotient.alphaTrapezoid[0].defined());
    // Its core excludes 0: the trapezoid keeps L(1) and R(1), and says why the others have no value.
    const CutSection section{ButtonNamed("Division"), false, false, quotient};
    EXPECT_EQ(ConventionRows(section).at(1).value,
              "(sin valor; -1.5; -0.6666666666666666; sin valor): en α = 0, el corte de Y contiene el 0");

    // A runtime error: Z as the boxes show it, and nothing exact.
    const CutReport failed = Click("Division", {"1", "1", "1", "1"}, {"0", "0", "0", "0"}, {0.5}).report;
    EXPECT_EQ(failed.rule, ExactRule::None);
    EXPECT_TRUE(failed.curve.empty());
    ExpectCut(failed.rows[0].z, Of(0, 0), "blank Z");
}

TEST(CutReport, ConventionsOnWorkedExamples) {
    const struct {
        std::vector<std::string> z;
        Measure centroid, mean, graded;
    } cases[] = {
        {{"1", "2", "3", "4"}, {2.5, {}}, {2.5, {}}, {2.5, {}}},
        {{"0", "1", "1", "4"}, {static_cast<double>(5.0f / 3.0f), {}}, {1.5, {}}, {4.0 / 3.0, {}}},
        {{"5", "12", "21", "32"}, {static_cast<double>(53.0f / 3.0f), {}}, {17.5, {}}, {103.0 / 6.0, {}}},
        {{"1", "1", "1", "1"}, {0.0, "el área de Z es cero"}, {1, {}}, {1, {}}},
        {{"1e308", "1e308", "1e308", "1"}, {0.0, "desborda"}, {0.0, "desborda"}, {0.0, "desborda"}},
    };
    for (const auto& c : cases) {
        MemoryControls controls;
        for (std::size_t i = 0; i < 4; ++i) controls.SetText(kAllBoxes[8 + i], c.z[i]);
        const CutReport report = CutReportOf(ButtonId::Defuzzify, false, {}, {}, ReadForCuts(controls, Row::Z),
                                             CentroidOf(controls), {});
        const std::string where = c.z[0] + " " + c.z[1] + " " + c.z[2] + " " + c.z[3];
        for (const auto& [got, want] : {std::pair{report.conventions.centroid, c.centroid},
                                        {report.conventions.vertexMean, c.mean}, {report.conventions.gradedMean, c.graded}}) {
            EXPECT_EQ(got.undefined, want.undefined) << where;
            if (want.defined()) {
                EXPECT_EQ(got.value, want.value) << where;
            }
        }
        EXPECT_EQ(controls.View(Box::Def), "  ") << "Def is never written";
    }
}

TEST(CutSection, WrittenTheSameFromTheBytesThePageHandsOver) {
    MemoryControls controls;
    const char* texts[] = {"-0.3", "-0.2", "0.1", "0.7", "1", "2", "3", "4"};
    for (std::size_t i = 0; i < 8; ++i) controls.SetText(kAllBoxes[i], texts[i]);
    for (const Button& button : kButtons) {
        const ClickRecord click = RecordClick(button, controls);
        const CutInputs inputs = CutInputsOf(click, controls, " 0,3 ");
        const CutSection direct = CutSectionOf(inputs);
        const std::string bytes = CutInputsBytes(inputs);
        const CutSection carried = CutSectionOf(CutInputsFromBytes(bytes));
        EXPECT_EQ(CutsAsText(carried), CutsAsText(direct)) << button.name;
        EXPECT_EQ(CutsAsLatex(carried), CutsAsLatex(direct)) << button.name;
        EXPECT_EQ(CutRows(carried).size(), 6u) << button.name;
    }
    EXPECT_EQ(CutInputsFromBytes("\x05").button, nullptr);
}

TEST(CutSection, GapSentencesSayWhereItComesFrom) {
    const auto sentences = [](const char* button, std::vector<std::string> x, std::vector<std::string> y) {
        MemoryControls controls;
        for (std::size_t i = 0; i < 4; ++i) controls.SetText(kAllBoxes[i], x[i]), controls.SetText(kAllBoxes[4 + i], y[i]);
        const ClickRecord click = RecordClick(*ButtonNamed(button), controls);
        return GapSentences(CutSectionOf(CutInputsOf(click, controls, "")));
    };
    // Z's fourth component is the single nearest 1.2; the exact end is 0.7 read as a single, plus 0.5.
    EXPECT_EQ(sentences("Suma", {"0.1", "0.2", "0.3", "0.7"}, {"0.2", "0.3", "0.4", "0.5"})[0],
              "La Z de la calculadora se separa del resultado exacto hasta 5.960464477539063e-08 (α = 0, lado "
              "derecho); esa diferencia viene solo del redondeo de los textos de las casillas y de la cuarta "
              "componente.");
    const auto maximum = sentences("Maximo", {"1", "2", "3", "4"}, {"0", "2", "3", "9"});
    ASSERT_EQ(maximum.size(), 2u);
    EXPECT_TRUE(maximum[1].starts_with("El botón no calcula el máximo difuso")) << maximum[1];
    EXPECT_EQ(sentences("Division", {"-2", "-1", "1", "2"}, {"-1", "-0.5", "0.5", "1"})[0],
              "No se puede comparar con el resultado exacto: el corte de Y contiene el 0.");
    EXPECT_EQ(sentences("Raiz", {"-1", "0", "1", "4"}, {" ", " ", " ", " "})[0],
              "El botón terminó en un error: no hay resultado que comparar con el exacto.");
}

}  // namespace
}  // namespace trelvani
