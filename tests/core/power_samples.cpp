// Prints Power(x, 1.0 / K) for seeded inputs shaped like the decision
// methods' geometric means, one "x y result" line each, every double as the
// hexadecimal digits of its bits, for power_reference_test.py to check
// against a high-precision reference. Built for WebAssembly too, it shows
// both editions print the same lines.
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "core/power.h"

namespace {

std::mt19937_64 generator(35);

// Uniform in [0, n) from raw bits, the same on every standard library.
std::uint64_t Below(std::uint64_t n) { return generator() % n; }

// A double in [1, 2) with 52 random fraction bits.
double RandomMantissa() {
    return 1.0 + static_cast<double>(generator() >> 12) * 0x1p-52;
}

// A rating or weight as users type them: a term of Chen's or Saaty's scales,
// a reciprocal 1.0 / k, or a decimal of one to three digits.
double TypedFactor() {
    static constexpr std::array<double, 12> kTerms = {0.1, 0.3, 0.5, 0.7, 0.9, 1, 3, 5, 7, 9, 10, 2};
    switch (Below(3)) {
    case 0: return kTerms[static_cast<std::size_t>(Below(kTerms.size()))];
    case 1: return 1.0 / static_cast<double>(1 + Below(9));
    default: return static_cast<double>(1 + Below(999)) / 100.0;
    }
}

void Print(double x, double y) {
    std::string line;
    for (double value : {x, y, trelvani::Power(x, y)}) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);  // std::bit_cast is missing from the web toolchain
        std::array<char, 16> text{};
        const auto end = std::to_chars(text.data(), text.data() + text.size(), bits, 16).ptr;
        line.append(text.data(), end);
        line += ' ';
    }
    line.back() = '\n';
    std::fputs(line.c_str(), stdout);
}

}  // namespace

int main(int argc, char** argv) {
    const long count = argc > 1 ? std::stol(argv[1]) : 100000;
    for (long i = 0; i < count; ++i) {
        const bool rowMean = i % 4 == 3;  // AHP: n = 2 … 15 comparisons
        const std::uint64_t k = rowMean ? 2 + Below(14) : 1 + Below(50);
        double product = 1.0;
        if (i % 2 == 0) {
            // Anywhere from 1e-310 to 1e300: factors of a random size around
            // a target magnitude, multiplied left to right.
            const double target = static_cast<double>(Below(2027 - k)) - 1030.0;
            for (std::uint64_t f = 0; f < k; ++f) {
                product *= RandomMantissa() * std::ldexp(1.0, static_cast<int>(target / static_cast<double>(k)));
            }
        } else {
            product = TypedFactor();
            for (std::uint64_t f = 1; f < k; ++f) product *= TypedFactor();
        }
        Print(product, 1.0 / static_cast<double>(k));
    }
}
