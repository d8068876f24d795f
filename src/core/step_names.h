#pragma once

#include <array>
#include <string_view>

// The names the handlers give their steps. The handlers list them and the
// learning features read them, both through these: a step renamed here is
// renamed for both.
namespace trelvani::step {

// An operand's four components as read from its boxes; Z's are also the
// results of the arithmetic buttons.
inline constexpr std::array<std::string_view, 4> kX = {"x1", "x2", "x3", "x4"};
inline constexpr std::array<std::string_view, 4> kY = {"y1", "y2", "y3", "y4"};
inline constexpr std::array<std::string_view, 4> kZ = {"z1", "z2", "z3", "z4"};
inline constexpr std::string_view kZ4 = kZ[3];

// Suma and Multiplicacion: the support widths and, for Suma, their sum at
// single precision.
inline constexpr std::string_view kWidthX = "wX";
inline constexpr std::string_view kWidthY = "wY";
inline constexpr std::string_view kSummedWidth = "wXY";
// Multiplicacion's fourth component is the larger of the candidate
// z1 + p and the corner product q; its formula is the name it kept.
inline constexpr std::string_view kWidthProduct = "p";
inline constexpr std::string_view kCandidate = "c";
inline constexpr std::string_view kCornerProduct = "q";

// Maximo and Minimo: the means compared, and the outcome, either Z copying
// an operand (formula kOperandX or kOperandY) or Mensajes saying the means
// are equal (formula kEqualMeans).
inline constexpr std::string_view kMeanX = "mX";
inline constexpr std::string_view kMeanY = "mY";
inline constexpr std::string_view kCopied = "Z";
inline constexpr std::string_view kOperandX = "X";
inline constexpr std::string_view kOperandY = "Y";
inline constexpr std::string_view kMessage = "Mensajes";
inline constexpr std::string_view kEqualMeans = "mX = mY";

// DEFUZY: the pieces of the trapezoid's moment, the moment, the area and
// the centroid.
inline constexpr std::string_view kLeftPiece = "L";
inline constexpr std::string_view kCorePiece = "C";
inline constexpr std::string_view kRightPiece = "R";
inline constexpr std::string_view kMoment = "M";
inline constexpr std::string_view kArea = "A";
inline constexpr std::string_view kCentroid = "D";

}  // namespace trelvani::step
