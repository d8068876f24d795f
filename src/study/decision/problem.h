#pragma once

#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace trelvani::decision {

// (a1, a2, a3, a4); a triangle (l, m, u) is held as (l, m, m, u), a crisp
// number x as (x, x, x, x).
using Fuzzy = std::array<double, 4>;

enum class Method { Topsis, Saw, Ahp };
enum class CriterionType { Benefit, Cost };
enum class Aggregation { Mean, Extremes, Geometric };
enum class Normalisation { Linear, None };
enum class Ideals { OnesZeros, Extremes, Components };
enum class Distance { Vertex4, Vertex3 };
enum class Defuzzification { Centroid, Mean, GradedMean };

// The conventions in force, each one the problem's or its method's default.
// Only those the method uses mean anything.
struct Conventions {
    Aggregation aggregation = Aggregation::Mean;
    Normalisation normalisation = Normalisation::Linear;
    Ideals ideals = Ideals::OnesZeros;
    Distance distance = Distance::Vertex3;
    Defuzzification defuzzification = Defuzzification::Centroid;
    // Decimals every table is rounded to before the next step; none: exact.
    std::optional<int> rounding;
};

// One decision maker's entry as given: its text for the data tables (a term
// as typed, or the numbers as written: "MDB", "(1, 2, 3)", "0,5") and its value.
struct Entry {
    std::string text;
    Fuzzy value{};
};
// One entry per decision maker, in their order.
using Cell = std::vector<Entry>;

struct ScaleTerm {
    std::string abbreviation;  // "MDB", "3", "1/5"; for a scale of the problem's own, its key
    std::string name;          // "medianamente buena"; empty where the term has no other name
    Fuzzy value{};
    // Written with four numbers: a trapezoid counts for the default distance.
    bool fourComponents = false;
};
struct Scale {
    std::string name;  // "chen", "saaty"; empty for a scale the problem gives
    std::vector<ScaleTerm> terms;
};

struct Problem {
    Method method = Method::Topsis;
    int decisionMakers = 1;
    std::vector<std::string> alternatives;
    std::vector<std::string> criteria;
    std::vector<CriterionType> types;             // one per criterion (TOPSIS, SAW)
    std::vector<Cell> weights;                    // one per criterion (TOPSIS, SAW)
    std::vector<std::vector<Cell>> ratings;       // [alternative][criterion] (TOPSIS, SAW)
    std::vector<std::vector<Cell>> comparisons;   // AHP: row i holds criterion i against i+1 … n−1
    Scale weightScale;       // TOPSIS, SAW
    Scale ratingScale;       // TOPSIS, SAW
    Scale comparisonScale;   // AHP
    Conventions conventions;
};

// Why a problem cannot be read or solved, in Spanish, naming the place:
// "A2, C3, decisor 2: «MBX» no es un término de la escala de valoraciones (MP, P, …)".
class DecisionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace trelvani::decision
