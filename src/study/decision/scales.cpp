#include "study/decision/scales.h"

#include <array>

#include "text/character_classes.h"

namespace trelvani::decision {
namespace {

struct ChenTerm {
    const char* abbreviation;
    const char* name;
    Fuzzy value;
};

// Triangles (l, m, u), held as (l, m, m, u).
constexpr std::array<ChenTerm, 7> kChenWeights = {{
    {"MB", "muy baja", {0, 0, 0, 0.1}},
    {"B", "baja", {0, 0.1, 0.1, 0.3}},
    {"MDB", "medianamente baja", {0.1, 0.3, 0.3, 0.5}},
    {"M", "media", {0.3, 0.5, 0.5, 0.7}},
    {"MDA", "medianamente alta", {0.5, 0.7, 0.7, 0.9}},
    {"A", "alta", {0.7, 0.9, 0.9, 1}},
    {"MA", "muy alta", {0.9, 1, 1, 1}},
}};
constexpr std::array<ChenTerm, 7> kChenRatings = {{
    {"MP", "muy pobre", {0, 0, 0, 1}},
    {"P", "pobre", {0, 1, 1, 3}},
    {"MDP", "medianamente pobre", {1, 3, 3, 5}},
    {"R", "regular", {3, 5, 5, 7}},
    {"MDB", "medianamente buena", {5, 7, 7, 9}},
    {"B", "buena", {7, 9, 9, 10}},
    {"MB", "muy buena", {9, 10, 10, 10}},
}};

Scale Chen(const std::array<ChenTerm, 7>& terms) {
    Scale scale{"chen", {}};
    for (const ChenTerm& term : terms) scale.terms.push_back({term.abbreviation, term.name, term.value, false});
    return scale;
}

// "1" is (1, 1, 1, 1), "k" is (k − 1, k, k, k + 1) for k = 2 … 8, "9" is
// (9, 9, 9, 9), and "1/k" is the reciprocal of "k".
Scale Saaty() {
    Scale scale{"saaty", {}};
    for (int k = 1; k <= 9; ++k) {
        const double x = k;
        const Fuzzy value = k == 1 || k == 9 ? Fuzzy{x, x, x, x} : Fuzzy{x - 1, x, x, x + 1};
        scale.terms.push_back({std::to_string(k), "", value, true});
    }
    for (int k = 2; k <= 9; ++k) {
        const Fuzzy& v = scale.terms[static_cast<std::size_t>(k - 1)].value;
        scale.terms.push_back({"1/" + std::to_string(k), "", {1.0 / v[3], 1.0 / v[2], 1.0 / v[1], 1.0 / v[0]}, true});
    }
    return scale;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameWords(std::string_view a, std::string_view b) {
    if (a.size() != b.size() || a.empty()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) return false;
    }
    return true;
}

}  // namespace

std::optional<Scale> BuiltInScale(ScaleRole role, std::string_view name) {
    switch (role) {
    case ScaleRole::Weights:
        if (name == "chen") return Chen(kChenWeights);
        break;
    case ScaleRole::Ratings:
        if (name == "chen") return Chen(kChenRatings);
        break;
    case ScaleRole::Comparisons:
        if (name == "saaty") return Saaty();
        break;
    }
    return std::nullopt;
}

Scale DefaultScale(ScaleRole role) { return *BuiltInScale(role, role == ScaleRole::Comparisons ? "saaty" : "chen"); }

const ScaleTerm* FindTerm(const Scale& scale, std::string_view text) {
    text = TrimBlanks(text);
    for (const ScaleTerm& term : scale.terms) {
        if (SameWords(term.abbreviation, text) || SameWords(term.name, text)) return &term;
    }
    return nullptr;
}

std::string ScaleDescription(ScaleRole role, const Scale& scale) {
    static constexpr std::array<const char*, 3> kRoles = {"pesos", "valoraciones", "comparaciones"};
    std::string text = std::string("escala de ") + kRoles[static_cast<std::size_t>(role)] + " (";
    for (std::size_t i = 0; i < scale.terms.size(); ++i) {
        if (i > 0) text += ", ";
        text += scale.terms[i].abbreviation;
    }
    return text + ")";
}

std::string_view ScaleKey(ScaleRole role) {
    switch (role) {
    case ScaleRole::Weights:
        return "escala_pesos";
    case ScaleRole::Ratings:
        return "escala_valoraciones";
    case ScaleRole::Comparisons:
        break;
    }
    return "escala_comparaciones";
}

std::optional<ScaleRole> RoleOfScaleKey(std::string_view key) {
    for (const ScaleRole role : {ScaleRole::Weights, ScaleRole::Ratings, ScaleRole::Comparisons}) {
        if (ScaleKey(role) == key) return role;
    }
    return std::nullopt;
}

}  // namespace trelvani::decision
