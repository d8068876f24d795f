#include "study/decision/problem_reading.h"

#include <array>
#include <string>

#include "study/decision/conventions.h"
#include "study/decision/entry_reading.h"
#include "study/decision/json_tree.h"
#include "study/decision/scales.h"

namespace trelvani::decision {
namespace {

using Kind = JsonValue::Kind;

// Every key a problem may have, and which methods use it.
struct KeyUse {
    std::string_view key;
    bool ratings;  // TOPSIS and SAW
    bool ahp;
};
constexpr std::array<KeyUse, 12> kKeys = {{
    {"metodo", true, true},
    {"decisores", true, true},
    {"alternativas", true, false},
    {"criterios", true, true},
    {"tipos", true, false},
    {"pesos", true, false},
    {"valoraciones", true, false},
    {"comparaciones", false, true},
    {"escala_pesos", true, false},
    {"escala_valoraciones", true, false},
    {"escala_comparaciones", false, true},
    {"convenios", true, true},
}};

std::string Quoted(std::string_view key) { return "«" + std::string(key) + "»"; }

// "1 fila", "2 filas"
std::string Counted(std::size_t count, std::string_view noun) {
    return std::to_string(count) + " " + std::string(noun) + (count == 1 ? "" : "s");
}

const JsonValue& Required(const JsonValue& root, std::string_view key) {
    const JsonValue* value = root.Member(key);
    if (value == nullptr) throw DecisionError("falta " + Quoted(key));
    return *value;
}

Method ReadMethod(const JsonValue& root) {
    const JsonValue& value = Required(root, "metodo");
    for (Method method : {Method::Topsis, Method::Saw, Method::Ahp}) {
        if (value.kind == Kind::String && value.text == Word(method)) return method;
    }
    const std::string given = value.kind == Kind::String ? Quoted(value.text) : "ese valor";
    throw DecisionError("método desconocido: " + given + " (topsis, saw, ahp)");
}

void CheckKeys(const JsonValue& root, Method method) {
    for (const auto& member : root.members) {
        const KeyUse* use = nullptr;
        for (const KeyUse& candidate : kKeys) {
            if (candidate.key == member.key) use = &candidate;
        }
        if (use == nullptr) throw DecisionError("clave desconocida: " + Quoted(member.key));
        if (!(method == Method::Ahp ? use->ahp : use->ratings)) {
            throw DecisionError(Quoted(member.key) + " no se usa en " + std::string(Word(method)));
        }
    }
}

int ReadDecisionMakers(const JsonValue& root) {
    const JsonValue* value = root.Member("decisores");
    if (value == nullptr) return 1;
    for (int k = 1; k <= kMaxDecisionMakers; ++k) {
        if (value->kind == Kind::Number && value->text == std::to_string(k)) return k;
    }
    throw DecisionError("«decisores» debe ser un entero de 1 a 50");
}

std::vector<std::string> ReadNames(const JsonValue& root, std::string_view key, std::size_t least,
                                   std::size_t most) {
    const JsonValue& value = Required(root, key);
    const std::string limits = Quoted(key) + " debe ser una lista de " + std::to_string(least) + " a " +
                               std::to_string(most) + " nombres";
    if (value.kind != Kind::Array || value.items.size() < least) throw DecisionError(limits);
    if (value.items.size() > most) throw DecisionError(limits + "; tiene " + std::to_string(value.items.size()));
    std::vector<std::string> names;
    for (const JsonValue& item : value.items) {
        if (item.kind != Kind::String) throw DecisionError(limits);
        CheckName(key, item.text, names);
        names.push_back(item.text);
    }
    return names;
}

std::vector<CriterionType> ReadTypes(const JsonValue& root, std::size_t criteria) {
    const JsonValue* value = root.Member("tipos");
    if (value == nullptr) return std::vector<CriterionType>(criteria, CriterionType::Benefit);
    const std::string shape = "«tipos» debe tener «beneficio» o «costo» para cada criterio (" +
                              std::to_string(criteria) + ")";
    if (value->kind != Kind::Array || value->items.size() != criteria) throw DecisionError(shape);
    std::vector<CriterionType> types;
    for (const JsonValue& item : value->items) {
        if (item.kind == Kind::String && item.text == Word(CriterionType::Benefit)) {
            types.push_back(CriterionType::Benefit);
        } else if (item.kind == Kind::String && item.text == Word(CriterionType::Cost)) {
            types.push_back(CriterionType::Cost);
        } else {
            throw DecisionError(shape);
        }
    }
    return types;
}


// What kind of entries a table holds, for its messages and checks.
struct Table {
    const Scale& scale;
    ScaleRole role;
    int decisionMakers;
    bool& fourComponents;
};

// The K entries of one cell; with K = 1 the cell is the entry itself.
Cell ReadCell(const JsonValue& value, const Table& table, const std::string& place) {
    const auto checked = [&](const JsonValue& item, const PlaceName& where) {
        return ReadTableEntry(item, table.scale, table.role, where, table.fourComponents);
    };
    if (table.decisionMakers == 1) return Cell{checked(value, [&] { return place; })};
    const auto k = static_cast<std::size_t>(table.decisionMakers);
    if (value.kind != Kind::Array || value.items.size() != k) {
        const std::string found = value.kind == Kind::Array ? std::to_string(value.items.size()) : "1";
        throw DecisionError(place + ": se esperaban " + std::to_string(k) + " entradas, una por decisor; hay " +
                            found);
    }
    Cell cell;
    cell.reserve(k);
    for (std::size_t d = 0; d < k; ++d) {
        cell.push_back(checked(value.items[d], [&] { return place + ", decisor " + std::to_string(d + 1); }));
    }
    return cell;
}

const JsonValue& RequiredArray(const JsonValue& root, std::string_view key, std::size_t size,
                               const std::string& shape) {
    const JsonValue& value = Required(root, key);
    if (value.kind != Kind::Array || value.items.size() != size) throw DecisionError(Quoted(key) + " " + shape);
    return value;
}

void ReadRatingTables(const JsonValue& root, Problem& problem, bool& fourComponents) {
    const std::size_t m = problem.alternatives.size();
    const std::size_t n = problem.criteria.size();
    const std::string perCriterion = "una celda por criterio (" + std::to_string(n) + ")";
    const Table weights{problem.weightScale, ScaleRole::Weights, problem.decisionMakers, fourComponents};
    const JsonValue& weightCells = RequiredArray(root, "pesos", n, "debe tener " + perCriterion);
    for (std::size_t j = 0; j < n; ++j) {
        problem.weights.push_back(ReadCell(weightCells.items[j], weights, "peso de " + problem.criteria[j]));
    }
    const Table ratings{problem.ratingScale, ScaleRole::Ratings, problem.decisionMakers, fourComponents};
    const JsonValue& rows =
        RequiredArray(root, "valoraciones", m, "debe tener una fila por alternativa (" + std::to_string(m) + ")");
    problem.ratings.resize(m);
    for (std::size_t i = 0; i < m; ++i) {
        const JsonValue& row = rows.items[i];
        if (row.kind != Kind::Array || row.items.size() != n) {
            throw DecisionError("«valoraciones», fila de " + problem.alternatives[i] + ": debe tener " + perCriterion);
        }
        problem.ratings[i].reserve(n);
        for (std::size_t j = 0; j < n; ++j) {
            problem.ratings[i].push_back(
                ReadCell(row.items[j], ratings, problem.alternatives[i] + ", " + problem.criteria[j]));
        }
    }
}

// The upper triangle, row by row: row i holds criterion i against i+1 … n.
void ReadComparisons(const JsonValue& root, Problem& problem, bool& fourComponents) {
    const std::size_t n = problem.criteria.size();
    const Table comparisons{problem.comparisonScale, ScaleRole::Comparisons, problem.decisionMakers, fourComponents};
    const JsonValue& rows = RequiredArray(root, "comparaciones", n - 1,
                                          "debe tener " + Counted(n - 1, "fila") +
                                              ", el triángulo sobre la diagonal");
    problem.comparisons.resize(n - 1);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const JsonValue& row = rows.items[i];
        if (row.kind != Kind::Array || row.items.size() != n - 1 - i) {
            throw DecisionError("«comparaciones», fila de " + problem.criteria[i] + ": debe tener " +
                                Counted(n - 1 - i, "celda") + ", frente a " + problem.criteria[i + 1] +
                                (i + 2 < n ? " … " + problem.criteria.back() : std::string()));
        }
        for (std::size_t j = i + 1; j < n; ++j) {
            problem.comparisons[i].push_back(
                ReadCell(row.items[j - i - 1], comparisons, problem.criteria[i] + " frente a " + problem.criteria[j]));
        }
    }
}

}  // namespace

Scale ReadScale(const JsonValue& root, ScaleRole role) {
    const std::string_view key = ScaleKey(role);
    const JsonValue* value = root.Member(key);
    if (value == nullptr) return DefaultScale(role);
    if (value->kind == Kind::String) {
        if (auto scale = BuiltInScale(role, value->text)) return *scale;
        const std::string known = role == ScaleRole::Comparisons ? "saaty" : "chen";
        throw DecisionError("escala desconocida en " + Quoted(key) + ": " + Quoted(value->text) + " (" + known +
                            ", o un objeto de términos)");
    }
    if (value->kind != Kind::Object || value->members.empty()) {
        throw DecisionError(Quoted(key) + " debe ser el nombre de una escala o un objeto de términos");
    }
    Scale scale;
    for (const auto& member : value->members) {
        // Named, not bound: a lambda below captures it.
        const std::string& term = member.key;
        const auto& numbers = member.value;
        if (term.find_first_not_of(" \t\r\n") == std::string::npos) {
            throw DecisionError(Quoted(key) + ": un término está vacío");
        }
        if (FindTerm(scale, term) != nullptr) throw DecisionError(Quoted(key) + ": " + Quoted(term) + " se repite");
        const PlaceName place = [&] { return Quoted(key) + ", " + Quoted(term); };
        std::string text;
        const Fuzzy fuzzy = ReadFuzzyArray(numbers, place, text);
        scale.terms.push_back({term, "", fuzzy, numbers.items.size() == 4});
    }
    return scale;
}

void CheckName(std::string_view key, const std::string& name, const std::vector<std::string>& earlier) {
    if (name.find_first_not_of(" \t\r\n") == std::string::npos) {
        throw DecisionError("un nombre de " + Quoted(key) + " está vacío");
    }
    for (const std::string& before : earlier) {
        if (before == name) throw DecisionError(Quoted(name) + " se repite en " + Quoted(key));
    }
}

Entry ReadTableEntry(const JsonValue& value, const Scale& scale, ScaleRole role, const PlaceName& place,
                     bool& fourComponents) {
    Entry entry = ReadEntry(value, scale, role, place, fourComponents);
    if (role == ScaleRole::Comparisons && !(entry.value[0] > 0)) {
        throw DecisionError(place() + ": la comparación " + Quoted(entry.text) + " no es positiva");
    }
    if (role != ScaleRole::Comparisons && entry.value[0] < 0) {
        const bool weight = role == ScaleRole::Weights;
        throw DecisionError(place() + ": " + (weight ? "el peso " : "la valoración ") + Quoted(entry.text) +
                            (weight ? " es negativo" : " es negativa"));
    }
    return entry;
}

Problem ReadProblem(std::string_view line) {
    if (line.size() > kMaxProblemBytes) throw DecisionError("la línea pasa de 1 MiB (1048576 bytes)");
    return ReadProblem(ParseJson(line));
}

Problem ReadProblem(const JsonValue& root) {
    if (root.kind != Kind::Object) throw DecisionError("se esperaba un objeto JSON");
    Problem problem;
    problem.method = ReadMethod(root);
    CheckKeys(root, problem.method);
    problem.decisionMakers = ReadDecisionMakers(root);
    bool fourComponents = false;
    if (problem.method == Method::Ahp) {
        problem.criteria = ReadNames(root, "criterios", 2, kMaxAhpCriteria);
        problem.comparisonScale = ReadScale(root, ScaleRole::Comparisons);
        ReadComparisons(root, problem, fourComponents);
    } else {
        problem.alternatives = ReadNames(root, "alternativas", 1, kMaxAlternatives);
        problem.criteria = ReadNames(root, "criterios", 1, kMaxCriteria);
        problem.types = ReadTypes(root, problem.criteria.size());
        problem.weightScale = ReadScale(root, ScaleRole::Weights);
        problem.ratingScale = ReadScale(root, ScaleRole::Ratings);
        ReadRatingTables(root, problem, fourComponents);
    }
    problem.conventions = ReadConventions(problem.method, root.Member("convenios"), fourComponents);
    return problem;
}

}  // namespace trelvani::decision
