#pragma once

namespace trelvani {

// Components 1 to 3 are carried in double precision, component 4 in single.
struct TrapezoidalNumber {
    double c1 = 0.0;
    double c2 = 0.0;
    double c3 = 0.0;
    float c4 = 0.0f;
};

}  // namespace trelvani
