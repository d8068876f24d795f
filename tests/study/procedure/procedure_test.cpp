#include <set>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "core/buttons.h"
#include "core/controls.h"
#include "sample_clicks.h"
#include "study/procedure/procedure.h"
#include "study/procedure/procedure_writer.h"

namespace trelvani {
namespace {

TEST(Procedure, EveryRoundingNoteIsOnAStepSomeHandlerRecords) {
    std::set<std::string_view> named;
    for (const std::string_view button : kEveryButton) {
        for (const Step& step : SampleClick(button).steps) named.insert(step.name);
    }
    for (const auto& [step, note] : kRoundingNotes) EXPECT_TRUE(named.count(step)) << step << " is no handler's step";
}

TEST(Procedure, AFailureEndsTheStepsWithItsError) {
    const ClickRecord click = FailedClick();
    EXPECT_EQ(LineText(ProcedureOf(click).lines.back()), "z1 = x1 / y4 = 1 / 0 → error 11: División por cero");
}

TEST(ProcedureWriter, LatexWritesMathematicsAsCommandsAndACopyingClickAsASentence) {
    MemoryControls controls;
    for (std::size_t i = 0; i < 4; ++i) controls.SetText(kAllBoxes[i], "1e16");
    const std::string root = ProcedureAsLatex(ProcedureOf(RecordClick(*ButtonNamed("Raiz"), controls)));
    EXPECT_NE(root.find("\\item $z_{1} = \\sqrt{x_{1}} = \\sqrt{1 \\cdot 10^{16}} = 1 \\cdot 10^{8}$"), std::string::npos) << root;
    EXPECT_EQ(root.find("\u221a"), std::string::npos);
    controls.SetText(Box::XI, "-0.25");
    const std::string negative = ProcedureAsLatex(ProcedureOf(RecordClick(*ButtonNamed("Raiz"), controls)));
    EXPECT_NE(negative.find("\\item $z_{1} = \\sqrt{x_{1}} = \\sqrt{(-0.25)}$ $\\to$ error 5"), std::string::npos)
        << negative;
    const std::string copy = ProcedureAsLatex(ProcedureOf(RecordClick(*ButtonNamed("XZ"), controls)));
    EXPECT_EQ(copy.find("enumerate"), std::string::npos);
    EXPECT_NE(copy.find("solo copia o borra textos."), std::string::npos);
}

}  // namespace
}  // namespace trelvani
