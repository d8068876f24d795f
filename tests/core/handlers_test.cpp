#include <array>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "core/buttons.h"
#include "core/controls.h"

namespace trelvani {
namespace {

using Four = std::array<std::string_view, 4>;

constexpr std::array<Box, 4> kX = {Box::XI, Box::XII, Box::XIII, Box::XIV};
constexpr std::array<Box, 4> kY = {Box::YI, Box::YII, Box::YIII, Box::YIV};
constexpr std::array<Box, 4> kZ = {Box::ZI, Box::ZII, Box::ZIII, Box::ZIV};

void Fill(MemoryControls& controls, const std::array<Box, 4>& boxes, const Four& texts) {
    for (std::size_t i = 0; i < 4; ++i) controls.SetText(boxes[i], texts[i]);
}

Four Read(const MemoryControls& controls, const std::array<Box, 4>& boxes,
          std::array<std::string, 4>& storage) {
    for (std::size_t i = 0; i < 4; ++i) storage[i] = controls.Text(boxes[i]);
    return {storage[0], storage[1], storage[2], storage[3]};
}

ClickHandler Handler(std::string_view button) {
    const Button* found = ButtonNamed(button);
    EXPECT_NE(found, nullptr) << button;
    return HandlerOf(found->id);
}

// Runs `button` on X and Y and returns Z's four texts.
struct BinaryCase {
    std::string_view button;
    Four x;
    Four y;
    Four z;
};

void ExpectZ(const BinaryCase& c) {
    MemoryControls controls;
    Fill(controls, kX, c.x);
    Fill(controls, kY, c.y);
    const auto error = RunClick(Handler(c.button), controls);
    ASSERT_FALSE(error.has_value()) << c.button << " raised " << error->code();
    std::array<std::string, 4> storage;
    EXPECT_EQ(Read(controls, kZ, storage), c.z)
        << c.button << " X=(" << c.x[0] << ',' << c.x[1] << ',' << c.x[2] << ',' << c.x[3] << ")";
}

TEST(Handlers, AdditionAndSubtraction) {
    const BinaryCase cases[] = {
        {"Suma", {"1", "2", "3", "4"}, {"5", "6", "7", "8"}, {" 6", " 8", " 10", " 12"}},
        {"Resta", {"1", "2", "3", "4"}, {"5", "6", "7", "8"}, {"-7", "-5", "-3", "-1"}},
        {"Suma", {"-2", "-1", "1", "2"}, {"1", "2", "3", "4"}, {"-1", " 1", " 4", " 6"}},
        {"Resta", {"-2", "-1", "1", "2"}, {"1", "2", "3", "4"}, {"-6", "-4", "-1", " 1"}},
        {"Suma", {"1", "2", "3", "4"}, {"0.1", "0.2", "0.3", "0.4"}, {" 1.1", " 2.2", " 3.3", " 4.4"}},
        {"Resta", {"1", "2", "3", "4"}, {"0.1", "0.2", "0.3", "0.4"},
         {" .599999994039536", " 1.7", " 2.8", " 3.9"}},
        {"Suma", {"-0.3", "-0.2", "-0.1", "0"}, {"0", "0.5", "0.7", "1"}, {"-.3", " .3", " .6", " .9999999"}},
        {"Resta", {"-0.3", "-0.2", "-0.1", "0"}, {"0", "0.5", "0.7", "1"}, {"-1.3", "-.9", "-.6", " 0"}},
        {"Suma", {"", "", "", ""}, {"", "", "", ""}, {" 0", " 0", " 0", " 0"}},
        {"Resta", {"", "", "", ""}, {"", "", "", ""}, {" 0", " 0", " 0", " 0"}},
        {"Suma", {"1", "2", "3", "4"}, {"1", "2", "3", "4"}, {" 2", " 4", " 6", " 8"}},
        {"Resta", {"1", "2", "3", "4"}, {"1", "2", "3", "4"}, {"-3", "-1", " 1", " 3"}},
        {"Suma", {"4", "3", "2", "1"}, {"0", "0", "0", "0"}, {" 4", " 3", " 2", " 1"}},
        {"Resta", {"4", "3", "2", "1"}, {"0", "0", "0", "0"}, {" 4", " 3", " 2", " 1"}},
    };
    for (const auto& c : cases) ExpectZ(c);
}

TEST(Handlers, MultiplicationAndDivision) {
    const BinaryCase cases[] = {
        {"Multiplicacion", {"1", "2", "3", "4"}, {"5", "6", "7", "8"}, {" 5", " 12", " 21", " 32"}},
        {"Division", {"1", "2", "3", "4"}, {"5", "6", "7", "8"}, {" .125", " .285714285714286", " .5", " .8"}},
        {"Multiplicacion", {"-2", "-1", "1", "2"}, {"1", "2", "3", "4"}, {"-2", "-2", " 3", " 10"}},
        {"Division", {"-2", "-1", "1", "2"}, {"1", "2", "3", "4"}, {"-.5", "-.333333333333333", " .5", " 2"}},
        {"Multiplicacion", {"-4", "-3", "-2", "-1"}, {"1", "2", "3", "4"}, {"-4", "-6", "-6", " 5"}},
        {"Division", {"-4", "-3", "-2", "-1"}, {"1", "2", "3", "4"}, {"-1", "-1", "-1", "-1"}},
        {"Multiplicacion", {"-4", "-3", "-2", "-1"}, {"-4", "-3", "-2", "-1"}, {" 16", " 9", " 4", " 25"}},
        {"Division", {"-4", "-3", "-2", "-1"}, {"-4", "-3", "-2", "-1"}, {" 4", " 1.5", " .666666666666667", " .25"}},
        {"Multiplicacion", {"1", "2", "3", "4.1"}, {"5", "6", "7", "8.3"}, {" 5", " 12", " 21", " 34.03"}},
        {"Division", {"1", "2", "3", "4.1"}, {"5", "6", "7", "8.3"}, {" .120481924942156", " .285714285714286", " .5", " .82"}},
        {"Multiplicacion", {"1", "2", "3", "4"}, {"0.1", "0.2", "0.3", "0.4"}, {" .1", " .4", " .9", " 1.6"}},
        {"Division", {"1", "2", "3", "4"}, {"0.1", "0.2", "0.3", "0.4"}, {" 2.4999999627471", " 6.66666666666667", " 15", " 40"}},
        {"Multiplicacion", {"1", "2", "3", "4"}, {"1", "2", "3", "4"}, {" 1", " 4", " 9", " 16"}},
        {"Division", {"1", "2", "3", "4"}, {"1", "2", "3", "4"}, {" .25", " .666666666666667", " 1.5", " 4"}},
        {"Multiplicacion", {"", "", "", ""}, {"", "", "", ""}, {" 0", " 0", " 0", " 0"}},
    };
    for (const auto& c : cases) ExpectZ(c);
}

TEST(Handlers, MaximumAndMinimumCopyTheWholeOperand) {
    const BinaryCase cases[] = {
        {"Maximo", {"1", "2", "3", "4"}, {"5", "6", "7", "8"}, {" 5", " 6", " 7", " 8"}},
        {"Minimo", {"1", "2", "3", "4"}, {"5", "6", "7", "8"}, {" 1", " 2", " 3", " 4"}},
        {"Maximo", {"0", "1", "2", "10"}, {"1", "2", "3", "4"}, {" 0", " 1", " 2", " 10"}},
        {"Minimo", {"0", "1", "2", "10"}, {"1", "2", "3", "4"}, {" 1", " 2", " 3", " 4"}},
        {"Maximo", {"0.5", "1.5", "2.5", "10.1"}, {"1", "2", "3", "4"}, {" .5", " 1.5", " 2.5", " 10.1"}},
        {"Minimo", {"0.5", "1.5", "2.5", "10.1"}, {"1", "2", "3", "4"}, {" 1", " 2", " 3", " 4"}},
        {"Maximo", {"palabra", "  ", "3", "40"}, {"1", "2", "3", "4"}, {" 0", " 0", " 3", " 40"}},
    };
    for (const auto& c : cases) ExpectZ(c);
}

TEST(Handlers, EqualMeansShowTheMessageAndKeepZ) {
    const std::array<std::array<Four, 2>, 6> operands = {{
        {{{"1", "2", "3", "4"}, {"0", "2", "3", "5"}}},
        {{{"1", "2", "3", "4"}, {"1", "2", "3", "4"}}},
        {{{"-3", "-1", "1", "3"}, {"-1", "0", "0", "1"}}},
        {{{"", "", "", ""}, {"", "", "", ""}}},
        // Identical operands whose mean is no single: still equal.
        {{{"0.1", "0.1", "0.1", "0.1"}, {"0.1", "0.1", "0.1", "0.1"}}},
        {{{"1e30", "1e30", "1e30", "1e30"}, {"1e30", "1e30", "1e30", "1e30"}}},
    }};
    for (std::string_view button : {"Maximo", "Minimo"}) {
        for (const auto& [x, y] : operands) {
            MemoryControls controls;
            Fill(controls, kX, x);
            Fill(controls, kY, y);
            Fill(controls, kZ, {"z1", "z2", "z3", "z4"});
            ASSERT_FALSE(RunClick(Handler(button), controls).has_value());
            EXPECT_EQ(controls.Mensajes(), "Ambos numeros son iguales") << button << ' ' << x[0];
            std::array<std::string, 4> storage;
            EXPECT_EQ(Read(controls, kZ, storage), (Four{"z1", "z2", "z3", "z4"}));
        }
    }
}

struct UnaryCase {
    std::string_view button;
    Four input;
    Four z;
};

TEST(Handlers, SquareAndSquareRoot) {
    const UnaryCase cases[] = {
        {"Cuadrado", {"1", "2", "3", "4"}, {" 1", " 4", " 9", " 16"}},
        {"Cuadrado", {"-2", "-1", "0", "2"}, {" 4", " 1", " 0", " 4"}},
        {"Cuadrado", {"0.5", "1", "1.5", "2"}, {" .25", " 1", " 2.25", " 4"}},
        {"Cuadrado", {"1", "2", "3", "4.1"}, {" 1", " 4", " 9", " 16.81"}},
        {"Raiz", {"1", "4", "9", "16"}, {" 1", " 2", " 3", " 4"}},
        {"Raiz", {"1", "2", "3", "4"}, {" 1", " 1.4142135623731", " 1.73205080756888", " 2"}},
        {"Raiz", {"1", "2", "3", "2"}, {" 1", " 1.4142135623731", " 1.73205080756888", " 1.414214"}},
        {"Raiz", {"0.25", "0.5", "1", "2.25"}, {" .5", " .707106781186548", " 1", " 1.5"}},
        {"Raiz", {"0", "-0", "", "0"}, {" 0", " 0", " 0", " 0"}},
    };
    for (const auto& c : cases) {
        MemoryControls controls;
        Fill(controls, kX, c.input);
        Fill(controls, kY, {"1e999", "1e999", "1e999", "1e999"});  // never read
        ASSERT_FALSE(RunClick(Handler(c.button), controls).has_value()) << c.button << ' ' << c.input[3];
        std::array<std::string, 4> storage;
        EXPECT_EQ(Read(controls, kZ, storage), c.z) << c.button << ' ' << c.input[3];
    }
}

TEST(Handlers, DefuzzificationShowsASingle) {
    const std::pair<Four, std::string_view> cases[] = {
        {{"6", "8", "10", "12"}, " 9"},
        {{"1", "2", "3", "4"}, " 2.5"},
        {{"0", "1", "2", "6"}, " 2.428571"},
        {{"0", "3", "3", "6"}, " 3"},
        {{"4", "3", "2", "1"}, " 2.5"},
        {{"-4", "-2", "0", "10"}, " 1.5"},
        {{"0.1", "0.2", "0.3", "0.4"}, " .25"},
        {{"0", "0", "0", "1"}, " .3333333"},
    };
    for (const auto& [z, def] : cases) {
        MemoryControls controls;
        Fill(controls, kZ, z);
        ASSERT_FALSE(RunClick(Handler("DEFUZY"), controls).has_value()) << z[0] << z[1] << z[2] << z[3];
        EXPECT_EQ(controls.Text(Box::Def), def);
    }
}

TEST(Handlers, ClearEmptiesOnlyTheOperands) {
    MemoryControls controls;
    Fill(controls, kX, {"1", "2", "3", "4"});
    Fill(controls, kY, {"5", "6", "7", "8"});
    Fill(controls, kZ, {"z1", "z2", "z3", "z4"});
    controls.SetText(Box::Def, "d");
    controls.SetMensajes("m");
    MemoryControls expected = controls;
    Fill(expected, kX, {"", "", "", ""});
    Fill(expected, kY, {"", "", "", ""});
    ASSERT_FALSE(RunClick(Handler("Borrar"), controls).has_value());
    EXPECT_EQ(controls, expected);
}

TEST(Handlers, CopiesNormaliseZThroughNumbers) {
    const Four z = {"0,5", "", "2.5E3", "1.23456789"};
    for (const auto& [button, target, other] : {std::tuple{"XZ", kX, kY}, std::tuple{"YZ", kY, kX}}) {
        MemoryControls controls;
        Fill(controls, kZ, z);
        Fill(controls, other, {"o1", "o2", "o3", "o4"});
        ASSERT_FALSE(RunClick(Handler(button), controls).has_value());
        std::array<std::string, 4> storage;
        EXPECT_EQ(Read(controls, target, storage), (Four{" 0", " 0", " 2500", " 1.234568"})) << button;
        EXPECT_EQ(Read(controls, other, storage), (Four{"o1", "o2", "o3", "o4"})) << button;
        EXPECT_EQ(Read(controls, kZ, storage), z) << button;
    }
    MemoryControls controls;
    Fill(controls, kZ, {"1.23456789", " 12", "-3", " 12"});
    ASSERT_FALSE(RunClick(Handler("XZ"), controls).has_value());
    std::array<std::string, 4> storage;
    EXPECT_EQ(Read(controls, kX, storage), (Four{" 1.23456789", " 12", "-3", " 12"}));
}

struct ErrorCase {
    std::string_view button;
    Four x;
    Four y;
    Four z;
    int error;
    std::string_view failingStep;  // the listing's last step; "" for none
};

TEST(Handlers, RuntimeErrorsChangeNoText) {
    const Four any = {"1", "2", "3", "4"};
    const ErrorCase cases[] = {
        {"Division", any, {"1", "2", "3", "0"}, any, 11, "z1"},
        {"Division", any, {"1", "2", "0", "4"}, any, 11, "z2"},
        {"Division", any, {"1", "0", "3", "4"}, any, 11, "z3"},
        {"Division", any, {"0", "2", "3", "4"}, any, 11, "z4"},
        {"Division", {"1", "2", "3", "0"}, {"0", "2", "3", "4"}, any, 6, "z4"},
        {"Division", {"", "", "", ""}, {"", "", "", ""}, any, 6, "z1"},
        {"Division", {"1e300", "2", "3", "4"}, {"1", "2", "3", "1e-30"}, any, 6, "z1"},
        {"Suma", {"1", "2", "3", "1e39"}, any, any, 6, "x4"},
        {"Suma", any, {"1", "2", "3", "-1e39"}, any, 6, "y4"},
        {"Suma", {"-3e38", "0", "0", "3e38"}, {"-3e38", "0", "0", "3e38"}, any, 6, "wXY"},
        {"Suma", {"1.7e308", "2", "3", "4"}, {"1.7e308", "2", "3", "4"}, any, 6, "z1"},
        {"Suma", {"1e309", "2", "3", "4"}, any, any, 6, "x1"},
        {"Resta", {"1", "2", "3", "3e38"}, {"-3e38", "2", "3", "4"}, any, 6, "z4"},
        {"Multiplicacion", {"1e200", "2", "3", "4"}, {"1e200", "2", "3", "4"}, any, 6, "z1"},
        {"Multiplicacion", {"0", "2", "3", "1e20"}, {"0", "2", "3", "1e20"}, any, 6, "p"},
        {"Maximo", any, {"1e39", "1e39", "1e39", "0"}, any, 6, "mY"},
        {"Minimo", {"1e39", "1e39", "1e39", "0"}, any, any, 6, "mX"},
        {"Cuadrado", {"1e200", "2", "3", "4"}, any, any, 6, "z1"},
        {"Cuadrado", {"1", "2", "3", "1e20"}, any, any, 6, "z4"},
        {"Raiz", {"-1", "0", "1", "4"}, any, any, 5, "z1"},
        {"Raiz", {"0", "1", "4", "-9"}, any, any, 5, "z4"},
        {"DEFUZY", any, any, {"5", "5", "5", "5"}, 6, "D"},
        {"DEFUZY", any, any, {" ", " ", " ", " "}, 6, "D"},
        {"DEFUZY", any, any, {"1", "3", "2", "2"}, 11, "D"},
        {"DEFUZY", any, any, {"1", "2", "3", "1E+39"}, 6, "z4"},
        {"XZ", any, any, {"1", "2", "3", "1E+39"}, 6, ""},
        {"YZ", any, any, {"1e999", "2", "3", "4"}, 6, ""},
    };
    for (const auto& c : cases) {
        MemoryControls controls;
        Fill(controls, kX, c.x);
        Fill(controls, kY, c.y);
        Fill(controls, kZ, c.z);
        controls.SetText(Box::Def, "d");
        controls.SetMensajes("Ambos numeros son iguales");
        const MemoryControls before = controls;
        StepList steps;
        const auto error = RunClick(Handler(c.button), controls, &steps);
        ASSERT_TRUE(error.has_value()) << c.button << ' ' << c.x[0] << ' ' << c.y[0] << ' ' << c.z[0];
        EXPECT_EQ(error->code(), c.error) << c.button << ' ' << c.x[0] << ' ' << c.y[0];
        EXPECT_EQ(controls, before) << c.button;
        // The listing ends with the step that failed, and only it has no value.
        const std::string_view failed = steps.empty() ? "" : steps.back().name;
        EXPECT_EQ(failed, c.failingStep) << c.button << ' ' << c.x[0] << ' ' << c.y[0] << ' ' << c.z[0];
        if (!steps.empty()) {
            EXPECT_EQ(steps.back().error, c.error) << c.button;
        }
        for (std::size_t i = 0; i + 1 < steps.size(); ++i) EXPECT_TRUE(steps[i].value.has_value()) << c.button;
    }
}

}  // namespace
}  // namespace trelvani
