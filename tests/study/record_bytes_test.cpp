#include <array>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "core/buttons.h"
#include "core/operand_io.h"
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

// As the page's core hands the window's texts to a share link's writer.
TEST(RecordBytes, TheWindowsTextsReadBackWhateverTheyHold) {
    const std::array<std::string, 8> typed = {"<b>\"x\"</b>", std::string("a\0b", 3), " 1 + 2 ", "\xF0\x9F\x98\x80",
                                              "", "=", "%41", "'); alert(1); //"};
    MemoryControls window;
    for (std::size_t i = 0; i < 4; ++i) {
        window.SetText(BoxesOf(Row::X)[i], typed[i]);
        window.SetText(BoxesOf(Row::Y)[i], typed[4 + i]);
    }
    const std::string bytes = WindowTextsBytes(window, &ButtonOf(ButtonId::Add));
    const WindowTexts handed = WindowTextsFromBytes(bytes);
    EXPECT_EQ(handed.x, (std::array<std::string, 4>{typed[0], typed[1], typed[2], typed[3]}));
    EXPECT_EQ(handed.y, (std::array<std::string, 4>{typed[4], typed[5], typed[6], typed[7]}));
    EXPECT_EQ(handed.lastButton, &ButtonOf(ButtonId::Add));
    EXPECT_EQ(WindowTextsFromBytes(WindowTextsBytes(window, nullptr)).lastButton, nullptr);
    const WindowTexts cut = WindowTextsFromBytes(std::string_view(bytes).substr(0, bytes.size() - 1));
    EXPECT_EQ(cut.x[0], "");
    EXPECT_EQ(cut.lastButton, nullptr);
}

}  // namespace
}  // namespace trelvani
