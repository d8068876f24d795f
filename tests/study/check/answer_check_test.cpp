#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "core/buttons.h"
#include "core/controls.h"
#include "sample_clicks.h"
#include "study/check/answer_key.h"

namespace trelvani {
namespace {

struct JudgeCase {
    std::string_view hand;
    std::string_view value;  // as the calculator shows it
    HandReading reading;
    bool agrees;
};

TEST(AnswerCheck, HandResultsAgreeToTheDigitsWritten) {
    constexpr auto kNumber = HandReading::Number;
    const JudgeCase cases[] = {
        {"0.3", " .3", kNumber, true},
        {" 0,3 ", " .3", kNumber, true},  // a decimal comma, blanks around
        {"-2.5", "-2.5", kNumber, true},
        {"\xe2\x88\x92" "2.5", "-2.5", kNumber, true},  // U+2212 MINUS SIGN
        {"+7", " 7", kNumber, true},
        {"3e2", " 300", kNumber, true},
        {"3.0E+2", " 300", kNumber, true},
        {"1.5e-7", " 1.5E-07", kNumber, true},
        // Half a unit of the last digit written, both bounds included.
        {"0.3", " .25", kNumber, true},
        {"0.3", " .35", kNumber, true},
        {"0.3", " .2499999", kNumber, false},
        {"0.3", " .3500001", kNumber, false},
        {"0.30", " .305", kNumber, true},
        {"0.30", " .306", kNumber, false},
        {"-0.3", "-.35", kNumber, true},
        {"-0.3", "-.3500001", kNumber, false},
        {"0", " .5", kNumber, true},
        {"0", "-.5", kNumber, true},
        {"-0", " .5000001", kNumber, false},
        {"1", " .9999999", kNumber, true},
        {"1.0000000", " .9999999", kNumber, false},
        {"1e400", " 1.79769313486232E+308", kNumber, false},
        {"", " 1", HandReading::Empty, false},
        {" \t ", " 1", HandReading::Empty, false},
        {"1,5,", " 1.5", HandReading::NotANumber, false},
        {"1.2.3", " 1", HandReading::NotANumber, false},
        {"e5", " 1", HandReading::NotANumber, false},
        {"1e", " 1", HandReading::NotANumber, false},
        {"1 2", " 12", HandReading::NotANumber, false},
        {"<b>1</b>", " 1", HandReading::NotANumber, false},
        {"\xf0\x9f\x98\x80", " 1", HandReading::NotANumber, false},
    };
    for (const JudgeCase& c : cases) {
        HandNumber hand;
        HandNumber value;
        EXPECT_EQ(ReadHandNumber(c.hand, hand), c.reading) << c.hand;
        ASSERT_EQ(ReadHandNumber(c.value, value), HandReading::Number) << c.value;
        if (c.reading == HandReading::Number) {
            EXPECT_EQ(AgreesToWrittenDigits(hand, value), c.agrees) << c.hand << " ~ " << c.value;
        }
    }
}

struct SlipCase {
    std::string_view button;
    std::array<std::string_view, 8> xy;
    std::size_t result;
    std::string_view hand;
    std::string_view slipWord;  // a word the slip's name holds; "" for none
};

TEST(AnswerCheck, WellKnownSlipsAreNamed) {
    const SlipCase cases[] = {
        {"Resta", {"1", "2", "3", "4", "5", "6", "7", "8"}, 0, "-4", "cruzar"},
        {"Resta", {"1", "2", "3", "4", "5", "6", "7", "8"}, 3, "-4", "cruzar"},
        {"Resta", {"1", "2", "3", "4", "5", "6", "7", "8"}, 0, "-7", ""},  // right: no slip
        {"Resta", {"1", "2", "3", "4", "5", "6", "7", "8"}, 0, "-9", ""},  // wrong, but no known slip
        {"Division", {"1", "2", "3", "4", "5", "6", "7", "8"}, 0, "0.2", "cruzar"},
        {"Suma", {"-0.3", "-0.2", "-0.1", "0", "0", "0.5", "0.7", "1"}, 3, "1.0000000", "x4 + y4"},
        {"Multiplicacion", {"-2", "-1", "1", "2", "1", "2", "3", "4"}, 3, "8", "x4 · y4"},
        {"Multiplicacion", {"1", "2", "3", "4", "5", "6", "7", "8"}, 3, "14", "c = z1 + p"},
    };
    const Box boxes[] = {Box::XI, Box::XII, Box::XIII, Box::XIV, Box::YI, Box::YII, Box::YIII, Box::YIV};
    for (const SlipCase& c : cases) {
        MemoryControls controls;
        for (std::size_t i = 0; i < 8; ++i) controls.SetText(boxes[i], c.xy[i]);
        StepList steps;
        ASSERT_FALSE(RunClick(HandlerOf(ButtonNamed(c.button)->id), controls, &steps).has_value());
        AnswerKey key;
        key.Update(ButtonNamed(c.button)->id, steps);
        const Verdict verdict = key.Judge(c.result, c.hand);
        EXPECT_EQ(verdict.slip.empty(), c.slipWord.empty()) << c.button << ' ' << c.hand << ": " << verdict.slip;
        EXPECT_NE(verdict.slip.find(c.slipWord), std::string_view::npos) << c.button << ' ' << c.hand;
    }
}

struct ValueCase {
    std::array<std::string_view, 2> buttons;  // the second may be empty
    std::size_t result;
    std::string_view hand;
    HandReading reading;
    bool agrees;
};

// A hand result is judged against the value the click computed, as its
// steps list it, not against the box's rounded text.
TEST(AnswerCheck, TheValueTheStepsListAgreesAsTheBoxTextDoes) {
    constexpr auto kNumber = HandReading::Number;
    const ValueCase cases[] = {
        {{"Division", ""}, 1, "0.6666666666666666", kNumber, true},  // X = Y = (1, 2, 3, 4)
        {{"Division", ""}, 1, " .666666666666667", kNumber, true},
        {{"Division", ""}, 1, "0.66666666666666", kNumber, false},
        {{"Multiplicacion", "DEFUZY"}, 4, "7.666666507720947", kNumber, true},  // D, a single
        {{"Multiplicacion", "DEFUZY"}, 4, " 7.666667", kNumber, true},
        {{"Multiplicacion", "DEFUZY"}, 4, "7.666666666666666", kNumber, false},  // the unrounded double
        {{"Division", ""}, 0, std::string_view("\0-0.25", 6), HandReading::NotANumber, false},
        {{"Division", ""}, 0, "-0.25\x01", HandReading::NotANumber, false},
    };
    for (const ValueCase& c : cases) {
        MemoryControls controls;
        const std::string_view xy[] = {"1", "2", "3", "4", "1", "2", "3", "4"};
        for (std::size_t i = 0; i < 8; ++i) controls.SetText(kAllBoxes[i], xy[i]);
        AnswerKey key;
        for (const std::string_view button : c.buttons) {
            if (button.empty()) continue;
            StepList steps;
            ASSERT_FALSE(RunClick(HandlerOf(ButtonNamed(button)->id), controls, &steps).has_value()) << button;
            key.Update(ButtonNamed(button)->id, steps);
        }
        const Verdict verdict = key.Judge(c.result, c.hand);
        EXPECT_EQ(verdict.reading, c.reading) << c.hand;
        EXPECT_EQ(verdict.agrees, c.agrees) << c.hand;
    }
}

TEST(AnswerCheck, TheKeyFollowsWhatEachClickComputed) {
    MemoryControls controls;
    const Box boxes[] = {Box::XI, Box::XII, Box::XIII, Box::XIV, Box::YI, Box::YII, Box::YIII, Box::YIV};
    const std::string_view xy[] = {"1", "2", "3", "4", "5", "6", "7", "8"};
    for (std::size_t i = 0; i < 8; ++i) controls.SetText(boxes[i], xy[i]);
    AnswerKey key;
    EXPECT_EQ(key.Judge(0, "6").value, "");  // nothing computed yet
    for (std::string_view button : {"Suma", "DEFUZY", "XZ", "Division"}) {
        StepList steps;
        ASSERT_FALSE(RunClick(HandlerOf(ButtonNamed(button)->id), controls, &steps).has_value()) << button;
        key.Update(ButtonNamed(button)->id, steps);
    }
    // The quotient of (6, 8, 10, 12) by Y replaced Z; the sum's centroid stays.
    EXPECT_EQ(key.Judge(0, "0.75").value, " .75");
    EXPECT_TRUE(key.Judge(0, "0.75").agrees);
    EXPECT_EQ(key.Judge(4, "9").value, " 9");
}

// Under the names it looks for, the key finds the value of every result box
// a click wrote.
TEST(AnswerCheck, TheKeyAgreesWithEveryResultBoxAClickWrote) {
    for (const std::string_view button : kEveryButton) {
        const ClickRecord click = SampleClick(button);
        ASSERT_FALSE(click.error) << button;
        AnswerKey key;
        key.Update(click.button->id, click.steps);
        for (const WrittenText& written : click.written) {
            const auto box = BoxNamed(written.control);
            if (!box || *box < Box::ZI) continue;
            const Verdict verdict = key.Judge(static_cast<std::size_t>(*box) - static_cast<std::size_t>(Box::ZI), written.text);
            EXPECT_EQ(verdict.value, written.text) << button << ' ' << written.control;
            EXPECT_TRUE(verdict.agrees) << button << ' ' << written.control;
        }
    }
}

// What the page says of each verdict, byte for byte, for the window's clicks
// and for an exercise's hidden results.
TEST(AnswerCheck, VerdictSentencesNameTheResultAndWhatItAgreesWith) {
    struct SentenceCase {
        std::size_t result;
        Verdict verdict;
        JudgedAgainst against;
        std::string_view sentence;
    };
    constexpr auto kClicks = JudgedAgainst::Clicks;
    constexpr auto kExercise = JudgedAgainst::Exercise;
    constexpr auto kNumber = HandReading::Number;
    const SentenceCase cases[] = {
        {0, {HandReading::Empty, false, " 1", ""}, kClicks, ""},
        {4, {HandReading::Empty, false, "", ""}, kExercise, ""},
        {1, {HandReading::NotANumber, false, " 1", ""}, kClicks, "ZII: no es un número."},
        {4, {HandReading::NotANumber, false, "", ""}, kExercise, "Def: no es un número."},
        {2, {kNumber, false, "", ""}, kClicks, "ZIII: la calculadora aún no lo ha calculado."},
        {2, {kNumber, false, "", ""}, kExercise, "ZIII: el ejercicio no lo pide."},
        {3, {kNumber, true, " .75", ""}, kClicks, "ZIV: coincide; la calculadora da \" .75\"."},
        {3, {kNumber, true, " .75", ""}, kExercise, "ZIV: coincide."},
        {0, {kNumber, false, "-2", "¿restó?"}, kClicks, "ZI: no coincide; la calculadora da \"-2\". ¿restó?"},
        {0, {kNumber, false, "-2", "¿restó?"}, kExercise, "ZI: no coincide. ¿restó?"},
        {4, {kNumber, false, " 9", ""}, kExercise, "Def: no coincide."},
    };
    for (const SentenceCase& c : cases) {
        EXPECT_EQ(VerdictSentence(c.result, c.verdict, c.against), c.sentence) << c.sentence;
    }
}

}  // namespace
}  // namespace trelvani
