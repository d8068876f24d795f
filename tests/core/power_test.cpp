#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "core/power.h"

namespace trelvani {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kLeastSubnormal = 0x1p-1074;

std::string Hex(double x) {
    char text[40];
    return {text, std::to_chars(text, text + sizeof text, x, std::chars_format::hex).ptr};
}

// Values whose nearest double is known. Roots in general are checked against
// a 60-digit reference by power_reference_test.py.
TEST(Power, KnownValues) {
    struct Case {
        double base, exponent, want;
    };
    const Case cases[] = {
        {8.0, 1.0 / 3.0, 2.0},  // 8^fl(1/3) is 2·(1 − 4e-17), nearest 2
        // The closest to a tie among the reference check's inputs, a few
        // millionths of an ulp away; the C library misses the middle two.
        {0x1.6aa7951f7a807p-12, 1.0 / 23.0, 0x1.6a10c00de1bp-1},
        {0x1.65afd10f8fcfcp+216, 1.0 / 39.0, 0x1.7705d985b9a37p+5},
        {0x1.09ab97fe4421bp+555, 1.0 / 41.0, 0x1.73ac49ae221d7p+13},
        {0x1.bb12a7eb8abdfp-765, 1.0 / 30.0, 0x1.70b832d52c966p-26},
        // Powers of two, into the subnormals and out of the range.
        {0.5, 3.0, 0.125},
        {2.0, 1023.0, 0x1p1023},
        {2.0, 1024.0, kInfinity},
        {2.0, -1074.0, kLeastSubnormal},
        {2.0, -1075.0, 0.0},              // the tie rounds to even, 0
        {2.0, -1075.5, 0.0},              // 0.35 of the least subnormal
        {2.0, -1074.5, kLeastSubnormal},  // 0.71 of it
        {2.0, -1073.5, kLeastSubnormal},  // 1.41 of it
        {0x1p-1074, 1.0 / 1074.0, 0.5},
        {0x1.fffffffffffffp1023, 1.0 / 1024.0, 2.0},
        {1e300, 2.0, kInfinity},
        {1e-300, 2.0, 0.0},
        // Zero, one, the exponent zero and what lies outside the domain.
        {0.0, 1.0 / 3.0, 0.0},
        {0.0, 0.0, 1.0},
        {0.0, -1.0, kInfinity},
        {1.0, 1e308, 1.0},
        {0x1p-1074, 0.0, 1.0},
        {-2.0, 0.5, kNaN},
        {kInfinity, 0.5, kNaN},
        {2.0, kInfinity, kNaN},
        {kNaN, 1.0, kNaN},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Hex(Power(c.base, c.exponent)), Hex(c.want)) << Hex(c.base) << " ^ " << Hex(c.exponent);
    }
}

// Exponents whose correctly rounded result IEEE arithmetic gives directly:
// x^1 = x, x^2 = x·x, x^-1 = 1 / x and x^0.5 = sqrt x, over bases from the
// least subnormal to the largest double. Bases a few ulps from 1 (as products
// like a · (1 / a) give) put x^0.5 and x^-1 within 2^-106 of a tie, and
// 0x1.0000006p-512 squared is a subnormal 1/16 of its unit above a tie.
TEST(Power, AgreesWithTheCorrectlyRoundedOperations) {
    const double bases[] = {kLeastSubnormal, 3 * kLeastSubnormal, 0x1.23456789abcdep-1030, 0x1p-1022,
                            0x1.0000006p-512, 1e-300, 0.015, 0.1, 1.0 / 3.0, 0x1.ffffffffffffep-1, 0x1.fffffffffffffp-1,
                            0x1.0000000000001p0, 0x1.0000000000003p0, 1.5, 3.0, 9.999999999999998,
                            1e160, 1.7976931348623157e308};
    for (double x : bases) {
        EXPECT_EQ(Hex(Power(x, 1.0)), Hex(x)) << Hex(x);
        EXPECT_EQ(Hex(Power(x, 2.0)), Hex(x * x)) << Hex(x);
        EXPECT_EQ(Hex(Power(x, -1.0)), Hex(1.0 / x)) << Hex(x);
        EXPECT_EQ(Hex(Power(x, 0.5)), Hex(std::sqrt(x))) << Hex(x);
    }
}

}  // namespace
}  // namespace trelvani
