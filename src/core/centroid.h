#pragma once

#include "core/checked_arithmetic.h"

namespace trelvani {

// The pieces of a trapezoid's centroid, in the order they are computed.
enum class CentroidPiece { Left, Core, Right, Moment, Area };

struct MomentAndArea {
    double moment = 0.0;
    double area = 0.0;
};

// The moment and the area of (z1, z2, z3, z4): a left triangle, a core
// rectangle and a right triangle, each area times its centroid. The centroid
// is moment / area. `record(piece, compute)` runs a piece's computation and
// gives its value back, so a click can list each piece as a step. The
// grouping fixes the last digits shown, so keep it as it is.
template <class Record>
MomentAndArea CentroidParts(double z1, double z2, double z3, double z4, const Record& record) {
    const double twoThirds = 2.0 / 3.0;
    const double oneThird = 1.0 / 3.0;

    // Each difference is taken with the first piece that needs it.
    double leftRise = 0.0;
    double core = 0.0;
    double rightFall = 0.0;
    const double left = record(CentroidPiece::Left, [&] {
        leftRise = Subtract(z2, z1);
        return Multiply(Divide(leftRise, 2.0), Add(z1, Multiply(twoThirds, leftRise)));
    });
    const double middle = record(CentroidPiece::Core, [&] {
        core = Subtract(z3, z2);
        return Multiply(core, Add(z2, Multiply(0.5, core)));
    });
    const double right = record(CentroidPiece::Right, [&] {
        rightFall = Subtract(z4, z3);
        return Multiply(Multiply(0.5, rightFall), Add(z3, Multiply(oneThird, rightFall)));
    });
    MomentAndArea parts;
    parts.moment = record(CentroidPiece::Moment, [&] { return Add(Add(left, middle), right); });
    parts.area = record(CentroidPiece::Area, [&] {
        return Add(Add(Multiply(0.5, leftRise), core), Multiply(0.5, rightFall));
    });
    return parts;
}

}  // namespace trelvani
