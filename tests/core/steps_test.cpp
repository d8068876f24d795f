#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "core/buttons.h"
#include "core/controls.h"
#include "core/steps.h"

namespace trelvani {
namespace {

// A listing in short: "name=value~unrounded" for a value, "name:formula" for
// an outcome, "name!error" for the failing step.
std::string Compact(const StepList& steps) {
    std::string out;
    for (const Step& step : steps) {
        if (!out.empty()) out += ' ';
        out += step.name;
        if (step.error) {
            out += '!' + std::to_string(*step.error);
        } else if (!step.value) {
            out += ':' + std::string(step.formula);
        } else {
            out += '=' + ShortestText(*step.value);
            if (step.unrounded) out += '~' + ShortestText(*step.unrounded);
        }
    }
    return out;
}

struct StepsCase {
    std::string_view button;
    std::array<std::string_view, 4> operands;  // X, or Z for DEFUZY
    std::array<std::string_view, 4> y;
    std::string_view listing;
};

TEST(Steps, EachHandlerListsWhatItComputed) {
    const StepsCase cases[] = {
        {"Suma", {"-0.3", "-0.2", "-0.1", "0"}, {"0", "0.5", "0.7", "1"},
         "x1=-0.3 x2=-0.2 x3=-0.1 x4=0~0 y1=0 y2=0.5 y3=0.7 y4=1~1 z1=-0.3 z2=0.3 z3=0.6 wX=0.3 wY=1 "
         "wXY=1.2999999523162842~1.3 z4=0.9999999403953552~0.9999999523162841"},
        {"Resta", {"1", "2", "3", "4"}, {"0.1", "0.2", "0.3", "0.4"},
         "x1=1 x2=2 x3=3 x4=4~4 y1=0.1 y2=0.2 y3=0.3 y4=0.4000000059604645~0.4 z1=0.5999999940395355 z2=1.7 "
         "z3=2.8 z4=3.9000000953674316~3.9"},
        {"Multiplicacion", {"1", "2", "3", "4.1"}, {"5", "6", "7", "8.3"},
         "x1=1 x2=2 x3=3 x4=4.099999904632568~4.1 y1=5 y2=6 y3=7 y4=8.300000190734863~8.3 z1=5 z2=12 z3=21 "
         "wX=3.0999999046325684 wY=3.3000001907348633 p=10.230000495910645~10.230000276565534 "
         "c=15.230000495910645~15.230000495910645 q=34.029998779296875~34.02999999046324 "
         "z4=34.029998779296875~34.029998779296875"},
        {"Multiplicacion", {"-2", "-1", "1", "2"}, {"1", "2", "3", "4"},
         "x1=-2 x2=-1 x3=1 x4=2~2 y1=1 y2=2 y3=3 y4=4~4 z1=-2 z2=-2 z3=3 wX=4 wY=3 p=12~12 c=10~10 q=8~8 z4=10~10"},
        {"Division", {"1", "2", "3", "4"}, {"5", "6", "7", "8"},
         "x1=1 x2=2 x3=3 x4=4~4 y1=5 y2=6 y3=7 y4=8~8 z1=0.125 z2=0.2857142857142857 z3=0.5 z4=0.800000011920929~0.8"},
        {"Maximo", {"1", "2", "3", "4"}, {"0", "2", "3", "5"},
         "x1=1 x2=2 x3=3 x4=4~4 y1=0 y2=2 y3=3 y4=5~5 mX=2.5~2.5 mY=2.5~2.5 Mensajes:mX = mY"},
        {"Minimo", {"0.5", "1.5", "2.5", "10.1"}, {"1", "2", "3", "4"},
         "x1=0.5 x2=1.5 x3=2.5 x4=10.100000381469727~10.1 y1=1 y2=2 y3=3 y4=4~4 "
         "mX=3.6500000953674316~3.6500000953674316 mY=2.5~2.5 Z:Y"},
        {"Cuadrado", {"1", "2", "3", "4.1"}, {},
         "x1=1 x2=2 x3=3 x4=4.099999904632568~4.1 z1=1 z2=4 z3=9 z4=16.809999465942383~16.80999921798707"},
        {"Raiz", {"1", "2", "3", "2"}, {},
         "x1=1 x2=2 x3=3 x4=2~2 z1=1 z2=1.4142135623730951 z3=1.7320508075688772 "
         "z4=1.4142135381698608~1.4142135623730951"},
        {"DEFUZY", {"0.1", "0.2", "0.3", "0.4"}, {},
         "z1=0.1 z2=0.2 z3=0.3 z4=0.4000000059604645~0.4 L=0.008333333333333335 C=0.024999999999999994 "
         "R=0.016666667759418493 M=0.05000000109275182 A=0.2000000029802322 D=0.25~0.2500000017384688"},
        {"DEFUZY", {"0", "1", "2", "6"}, {},
         "z1=0 z2=1 z3=2 z4=6~6 L=0.3333333333333333 C=1.5 R=6.666666666666666 M=8.5 A=3.5 "
         "D=2.4285714626312256~2.4285714285714284"},
        {"XZ", {"1", "2", "3", "4"}, {}, ""},
    };
    for (const StepsCase& c : cases) {
        MemoryControls controls;
        const Box first = c.button == "DEFUZY" ? Box::ZI : Box::XI;
        for (std::size_t i = 0; i < 4; ++i) {
            controls.SetText(static_cast<Box>(static_cast<std::size_t>(first) + i), c.operands[i]);
            controls.SetText(static_cast<Box>(static_cast<std::size_t>(Box::YI) + i), c.y[i]);
        }
        StepList steps;
        ASSERT_FALSE(RunClick(HandlerOf(ButtonNamed(c.button)->id), controls, &steps).has_value()) << c.button;
        EXPECT_EQ(Compact(steps), c.listing) << c.button;
    }
}

// The text is std::to_chars's shortest form, written without it so that
// the WebAssembly edition, which lacks it, writes the same.
TEST(Steps, ShortestTextIsTheStandardShortestForm) {
    const std::pair<double, std::string_view> cases[] = {
        {0x1.4cccccp+0, "1.2999999523162842"},  // the single nearest to 1.3, widened
        {-0.0, "-0"},
        {1e15, "1e+15"},
        {123456789012345680.0, "123456789012345680"},
        {1e-4, "1e-04"},
        {0x1.2feb2d2840166p+64, "21899647263916318720"},  // whole numbers take their exact digits
        {1e-5, "1e-05"},
        {0x1.fffffffffffffp+1023, "1.7976931348623157e+308"},
        {0x0.0000000000001p-1022, "5e-324"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(ShortestText(value), text);
    std::mt19937_64 bits(20261207);
    for (int i = 0; i < 200'000; ++i) {
        const double value = std::bit_cast<double>(bits());
        if (!std::isfinite(value)) continue;
        char expected[32];
        const auto end = std::to_chars(expected, expected + sizeof expected, value).ptr;
        ASSERT_EQ(ShortestText(value), std::string_view(expected, static_cast<std::size_t>(end - expected)));
    }
}

}  // namespace
}  // namespace trelvani
