#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "core/buttons.h"
#include "sample_clicks.h"
#include "study/history/history.h"
#include "study/procedure/procedure.h"
#include "study/procedure/procedure_writer.h"
#include "study/record_bytes.h"

namespace trelvani {
namespace {

// As the page's writer gets a click, handed over as bytes.
TEST(RecordBytes, EachClickReadsBackAsItWasAndCutBytesReadAsNone) {
    for (const std::string_view button : kEveryButton) {
        const ClickRecord click = SampleClick(button);
        const std::string bytes = ClickBytes(click);
        EXPECT_EQ(ProcedureAsText(ProcedureOf(ClickFromBytes(bytes))), ProcedureAsText(ProcedureOf(click))) << button;
        EXPECT_EQ(ClickFromBytes(std::string_view(bytes).substr(0, bytes.size() - 1)).button, nullptr) << button;
    }
}

TEST(RecordBytes, AFailureAndTheHistoryReadBackAsTheyWere) {
    const ClickRecord click = FailedClick();
    EXPECT_EQ(ResultWords(ClickFromBytes(ClickBytes(click))), "error 11: División por cero");
    const History history = {HistoryEntryOf(click),
                             {ButtonId::ClearOperands, {std::string("\0x", 2), "", "-1", "=1", "", "", "", "x"}, "b"}};
    EXPECT_EQ(HistoryAsCsv(HistoryFromBytes(HistoryBytes(history))), HistoryAsCsv(history));
}

}  // namespace
}  // namespace trelvani
