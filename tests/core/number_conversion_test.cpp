#include <cfloat>
#include <cmath>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "core/checked_arithmetic.h"
#include "core/number_to_text.h"
#include "core/runtime_error.h"
#include "core/text_to_number.h"

namespace trelvani {
namespace {

struct DoubleCase {
    double value;
    std::string_view text;
};

TEST(NumberToTextDouble, FifteenDigitsTiesAwayAndFormThresholds) {
    const DoubleCase cases[] = {
        {6.0, " 6"},
        {-6.0, "-6"},
        {0.0, " 0"},
        {-0.0, " 0"},
        {0.5, " .5"},
        {2.25, " 2.25"},
        {-2.5, "-2.5"},
        {1.0 / 3.0, " .333333333333333"},
        {-0.8999999999999999, "-.9"},
        {1e20, " 1E+20"},
        {123456789012345.0, " 123456789012345"},
        {1e15, " 1E+15"},
        {999999999999999.5, " 1E+15"},
        {1234567890123445.0, " 1.23456789012345E+15"},  // exact tie, away from zero
        {0x1.525ecdf403233p+0, " 1.32175910193758"},     // 16th digit 4999..., rounds down
        {0.0001, " .0001"},
        {0.00001, " .00001"},
        {1e-15, " 1E-15"},
        {5.6789e-11, " .000000000056789"},
        {5.6789e-12, " 5.6789E-12"},
        {0.000123456789012345, " .000123456789012345"},
        {0.0000123456789012345, " 1.23456789012345E-05"},
        {DBL_MAX, " 1.79769313486232E+308"},
        {-DBL_MAX, "-1.79769313486232E+308"},
        {0x1p-1074, " 4.94065645841247E-324"},
        {0.5999999940395355, " .599999994039536"},
        {2.4999999627470975, " 2.4999999627471"},
        {1.4142135623730951, " 1.4142135623731"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(NumberToText(value).view(), text) << std::hexfloat << value;
    }
}

struct SingleCase {
    float value;
    std::string_view text;
};

TEST(NumberToTextSingle, SevenDigitsTiesAwayAndFormThresholds) {
    const SingleCase cases[] = {
        {6.0f, " 6"},
        {-0.0f, " 0"},
        {1.0f / 3.0f, " .3333333"},
        {654322.25f, " 654322.3"},          // exact tie, away from zero
        {0x1.2ee97p+0f, " 1.183249"},       // 8th digit 4999..., rounds down
        {1e7f, " 1E+07"},
        {12345678.0f, " 1.234568E+07"},
        {9999999.0f, " 9999999"},
        {0.000005f, " .000005"},
        {0x1.fffffep-1f, " .9999999"},
        {0.1f, " .1"},
        {34.03f, " 34.03"},
        {FLT_MAX, " 3.402823E+38"},
        {-FLT_MAX, "-3.402823E+38"},
        {0x1p-149f, " 1.401298E-45"},
        {1.23456789f, " 1.234568"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(NumberToText(value).view(), text) << std::hexfloat << value;
    }
}

struct ReadCase {
    std::string_view text;
    double value;
};

TEST(TextToNumber, GrammarBlanksAndJunk) {
    const ReadCase cases[] = {
        {"", 0.0},
        {" ", 0.0},
        {"  ", 0.0},
        {"palabras", 0.0},
        {"0,00000", 0.0},
        {"1,5", 1.0},
        {" 1 2", 12.0},
        {"- 5", -5.0},
        {"+5", 5.0},
        {"++5", 0.0},
        {"-", 0.0},
        {".", 0.0},
        {".5", 0.5},
        {"5.", 5.0},
        {"1.2.3", 1.2},
        {"2.5E3", 2500.0},
        {"1e3", 1000.0},
        {"1E+3", 1000.0},
        {"1d2", 100.0},
        {"1D-2", 0.01},
        {"1e", 1.0},
        {"1e+", 1.0},
        {"1 e 2", 100.0},
        {"\t1\ne\n-\t2", 0.01},
        {"\r5", 0.0},
        {"1e5x", 1e5},
        {"&H10", 0.0},
        {"0x10", 0.0},
        {"1.23456789", 1.23456789},
        {"0.1", 0.1},
        {"1e-310", 0x0.012688b70e62bp-1022},
        {"4.9406564584124654e-324", 0x1p-1074},
        {"1e-400", 0.0},
        {"1e-99999999999999999999", 0.0},
        {"0e99999999999999999999", 0.0},
        {"1.7976931348623158e308", DBL_MAX},
        {"-1.7976931348623158e308", -DBL_MAX},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(TextToNumber(text), value) << '"' << text << '"';
    }
    EXPECT_TRUE(std::signbit(TextToNumber("-1e-400")));
}

TEST(TextToNumber, BeyondDoubleRangeIsOverflow) {
    const std::string huge = "1" + std::string(400, '0');
    // The 15-digit text of the largest doubles lies just beyond the range.
    for (std::string_view text : {std::string_view("1e309"), std::string_view("-1e309"),
                                  std::string_view(" 1.79769313486232E+308"),
                                  std::string_view("1.7976931348623159e308"),
                                  std::string_view("1e99999999999999999999"),
                                  std::string_view(huge)}) {
        try {
            TextToNumber(text);
            ADD_FAILURE() << "no error for " << text;
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.code(), 6) << text;
        }
    }
}

TEST(TextToNumber, VeryLongTextsReadWhole) {
    const std::string tiny = "0." + std::string(400, '0') + "1";
    EXPECT_EQ(TextToNumber(tiny), 0.0);
    std::string digits(100000, '0');
    digits.front() = '1';
    digits.insert(1, ".");
    EXPECT_EQ(TextToNumber(digits), 1.0);
}

TEST(RoundToSingle, LargestSingleIsTheLimit) {
    EXPECT_EQ(RoundToSingle(0x1.fffffep+127), FLT_MAX);
    EXPECT_EQ(RoundToSingle(0.1), 0.1f);
    for (double beyond : {0x1.fffffe0000001p+127, -0x1.fffffe0000001p+127, 1e39}) {
        try {
            RoundToSingle(beyond);
            ADD_FAILURE() << beyond;
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.code(), 6);
        }
    }
}

}  // namespace
}  // namespace trelvani
