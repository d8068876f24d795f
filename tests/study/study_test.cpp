#include <set>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "core/buttons.h"
#include "core/controls.h"
#include "study/announcement.h"
#include "study/check/answer_key.h"
#include "study/history/history.h"
#include "study/procedure/procedure.h"
#include "study/procedure/procedure_writer.h"
#include "study/record_bytes.h"
#include "text/document_escapes.h"

namespace trelvani {
namespace {

using namespace std::string_view_literals;

// A format a case does not check.
constexpr std::string_view kSkip = "(skip)";

struct EscapeCase {
    std::string_view typed;
    std::string_view latex;
    std::string_view markdown;
    std::string_view csv;
};

TEST(DocumentEscapes, EachFormatKeepsTheTextAsTyped) {
    const EscapeCase cases[] = {
        {"\\{}#$%&_~^", "\\textbackslash{}\\{\\}\\#\\$\\%\\&\\_\\allowbreak{}\\textasciitilde{}\\textasciicircum{}",
         "\\\\\\{\\}\\#\\$\\%\\&\\_\\~\\^", "\"\\{}#$%&_~^\""},
        // Ligatures and Spanish babel's shorthands.
        {"--- `` '' !` ,, <<\"", "-{}-{}-{}\\ \\textasciigrave{}\\textasciigrave{}\\ \\textquotesingle{}"
         "\\textquotesingle{}%\n\\ !\\textasciigrave{}\\ ,{},{}\\ \\textless{}\\textless{}\\textquotedbl{}",
         "\\-\\-\\- \\`\\` \\'\\' \\!\\` \\,\\, \\<\\<\\\"", "\"'--- `` '' !` ,, <<\"\"\""},
        {"~~x~~ H~2~O x^2^ $x$ @cite", kSkip, "\\~\\~x\\~\\~ H\\~2\\~O x\\^2\\^ \\$x\\$ \\@cite", kSkip},
        {"&lt; http://x.y :smile: a@b.c", kSkip, "\\&lt\\; http\\:\\/\\/x\\.y \\:smile\\: a\\@b\\.c", kSkip},
        {"a  b\tc\nd", "a\\ \\ b\\fbox{U+0009}\\allowbreak{}c\\fbox{U+000A}\\allowbreak{}d", "a  b c d", "\"a  b\tc\nd\""},
        {"\0=1+1"sv, "\\fbox{U+0000}\\allowbreak{}=1+1", "\xEF\xBF\xBD\\=1\\+1", "\"'\xEF\xBF\xBD=1+1\""},
        {"\xE2\x88\x92" "1 \xF0\x9F\x98\x80 \xC3\xB1\xC2\xBF \xFF", "\\fbox{U+2212}\\allowbreak{}1\\ \\fbox{U+1F600}"
         "\\allowbreak{}\\ \xC3\xB1\xC2\xBF\\ \\fbox{U+FFFD}", kSkip, kSkip},
        // Numbers as the calculator writes them stay numbers; anything else
        // that a spreadsheet would read as a formula is guarded.
        {"-1", kSkip, kSkip, "\"-1\""},
        {"-.5", kSkip, kSkip, "\"-.5\""},
        {" 2.25", kSkip, kSkip, "\" 2.25\""},
        {"1E+20", kSkip, kSkip, "\"1E+20\""},
        {"+1|2", kSkip, kSkip, "\"'+1|2\""},
        {"-", kSkip, kSkip, "\"'-\""},
        {"-1e", kSkip, kSkip, "\"'-1e\""},
        {" @a", kSkip, kSkip, "\"' @a\""},
        {"\tx", kSkip, kSkip, "\"'\tx\""},
        {"a\"b", kSkip, kSkip, "\"a\"\"b\""},
    };
    for (const EscapeCase& c : cases) {
        if (c.latex != kSkip) {
            EXPECT_EQ(LatexText(c.typed), c.latex) << c.typed;
        }
        if (c.markdown != kSkip) {
            EXPECT_EQ(MarkdownText(c.typed), c.markdown) << c.typed;
        }
        if (c.csv != kSkip) {
            EXPECT_EQ(CsvField(c.typed), c.csv) << c.typed;
        }
    }
}

TEST(DocumentEscapes, ALongTextBreaksIntoShortSourceLinesThatAddNoSpace) {
    const std::string latex = LatexText(std::string(100'000, '7'));
    std::size_t start = 0;
    for (std::size_t end; (end = latex.find('\n', start)) != std::string::npos; start = end + 1) {
        ASSERT_LE(end - start, 100u);
        ASSERT_EQ(latex[end - 1], '%');
    }
    EXPECT_GT(start, 100'000u);
}

// Every button once, on operands where each computes something.
struct ButtonCase {
    std::string_view button;
    std::string_view result;  // in the history's words
    std::string_view spoken;  // what a screen reader is given to say
};

TEST(StudyTexts, EachClickIsToldByWhatItWroteAndTheKeyAgreesWithItsBoxes) {
    const ButtonCase cases[] = {
        {"Suma", "Z = ( 6;  8;  10;  12)", "Z: 6, 8, 10, 12"},
        {"Multiplicacion", "Z = ( 5;  12;  21;  32)", "Z: 5, 12, 21, 32"},
        {"Resta", "Z = (-7; -5; -3; -1)", "Z: -7, -5, -3, -1"},
        {"Division", "Z = ( .125;  .285714285714286;  .5;  .8)", "Z: .125, .285714285714286, .5, .8"},
        {"Minimo", "Z = ( 1;  2;  3;  4)", "Z: 1, 2, 3, 4"},
        {"Maximo", "Z = ( 5;  6;  7;  8)", "Z: 5, 6, 7, 8"},
        {"Cuadrado", "Z = ( 1;  4;  9;  16)", "Z: 1, 4, 9, 16"},
        {"Raiz", "Z = ( 1;  1.4142135623731;  1.73205080756888;  2)", "Z: 1, 1.4142135623731, 1.73205080756888, 2"},
        {"DEFUZY", "Def = \" 2.5\"", "Def: 2.5"},
        {"XZ", "X = ( 1;  2;  3;  4)", "X: 1, 2, 3, 4"},
        {"YZ", "Y = ( 1;  2;  3;  4)", "Y: 1, 2, 3, 4"},
        {"Borrar", "X e Y vaciados", "X e Y vaciados"},
    };
    std::set<std::string_view> named;
    for (const ButtonCase& c : cases) {
        MemoryControls controls;
        const std::string_view texts[] = {"1", "2", "3", "4", "5", "6", "7", "8", "1", "2", "3", "4"};
        for (std::size_t i = 0; i < 12; ++i) controls.SetText(kAllBoxes[i], texts[i]);
        const ClickRecord click = RecordClick(*ButtonNamed(c.button), controls);
        ASSERT_FALSE(click.error) << c.button;
        EXPECT_EQ(ResultWords(click), c.result) << c.button;
        EXPECT_EQ(AnnouncementOf(click), c.spoken) << c.button;
        // As the page's writer gets it, handed over as bytes.
        const std::string bytes = ClickBytes(click);
        EXPECT_EQ(ProcedureAsText(ProcedureOf(ClickFromBytes(bytes))), ProcedureAsText(ProcedureOf(click))) << c.button;
        EXPECT_EQ(ClickFromBytes(std::string_view(bytes).substr(0, bytes.size() - 1)).button, nullptr) << c.button;
        for (const Step& step : click.steps) named.insert(step.name);
        // The key finds, under the names it looks for, the value of every
        // result box the click wrote.
        AnswerKey key;
        key.Update(click.button->id, click.steps);
        for (const WrittenText& written : click.written) {
            const auto box = BoxNamed(written.control);
            if (!box || *box < Box::ZI) continue;
            const Verdict verdict = key.Judge(static_cast<std::size_t>(*box) - static_cast<std::size_t>(Box::ZI), written.text);
            EXPECT_EQ(verdict.value, written.text) << c.button << ' ' << written.control;
            EXPECT_TRUE(verdict.agrees) << c.button << ' ' << written.control;
        }
    }
    for (const auto& [step, note] : kRoundingNotes) EXPECT_TRUE(named.count(step)) << step << " is no handler's step";
}

TEST(StudyTexts, TheEqualMeansAndAFailureAreToldInWords) {
    MemoryControls controls;
    ClickRecord click = RecordClick(*ButtonNamed("Maximo"), controls);
    EXPECT_EQ(ResultWords(click), "Mensajes: Ambos numeros son iguales");
    EXPECT_EQ(AnnouncementOf(click), "Ambos numeros son iguales");
    controls.SetText(Box::XI, "1");
    click = RecordClick(*ButtonNamed("Division"), controls);
    EXPECT_EQ(ResultWords(click), "error 11: División por cero");
    EXPECT_EQ(AnnouncementOf(click), "");  // the error box speaks
    EXPECT_TRUE(click.written.empty());
    EXPECT_EQ(LineText(ProcedureOf(click).lines.back()), "z1 = x1 / y4 = 1 / 0 → error 11: División por cero");
    EXPECT_EQ(ResultWords(ClickFromBytes(ClickBytes(click))), "error 11: División por cero");
    const History history = {HistoryEntryOf(click),
                             {ButtonId::ClearOperands, {std::string("\0x", 2), "", "-1", "=1", "", "", "", "x"}, "b"}};
    EXPECT_EQ(HistoryAsCsv(HistoryFromBytes(HistoryBytes(history))), HistoryAsCsv(history));
}

TEST(StudyTexts, LatexWritesMathematicsAsCommandsAndACopyingClickAsASentence) {
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
