#pragma once

#include <cstdint>
#include <random>
#include <string>

namespace trelvani::testing {

// Box texts of every kind a user might type, and many they should not:
// digits, blanks, signs, exponents, commas, junk, huge and tiny magnitudes.
class RandomTexts {
public:
    explicit RandomTexts(std::uint64_t seed) : engine_(seed) {}

    std::string Next();
    std::uint64_t Below(std::uint64_t bound) { return engine_() % bound; }

private:
    std::string Number();
    std::mt19937_64 engine_;
};

}  // namespace trelvani::testing
