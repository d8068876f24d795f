#include <cstddef>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace trelvani
