#include "study/decision/page_grids.h"

#include "study/decision/conventions.h"
#include "study/decision/json_tree.h"
#include "study/decision/problem_reading.h"
#include "study/decision/scales.h"
#include "text/character_classes.h"
#include "text/json_writer.h"

namespace trelvani::decision {
namespace {

using Kind = JsonValue::Kind;
using Texts = std::vector<std::string>;
using TextRows = std::vector<Texts>;

[[noreturn]] void Malformed(std::string_view what) {
    throw DecisionError("la página envió mal «" + std::string(what) + "»");
}

const JsonValue& Member(const JsonValue& root, std::string_view key, Kind kind) {
    const JsonValue* value = root.Member(key);
    if (value == nullptr || value->kind != kind) Malformed(key);
    return *value;
}

Texts ReadTexts(const JsonValue& value, std::string_view key, std::size_t size) {
    if (value.kind != Kind::Array || value.items.size() != size) Malformed(key);
    Texts texts;
    for (const JsonValue& item : value.items) {
        if (item.kind != Kind::String) Malformed(key);
        texts.push_back(item.text);
    }
    return texts;
}

// One list per maker, of rows whose sizes `rowSize` gives.
template <class RowSize>
std::vector<TextRows> ReadGrids(const JsonValue& value, std::string_view key, int makers, std::size_t rows,
                                const RowSize& rowSize) {
    if (value.kind != Kind::Array || value.items.size() != static_cast<std::size_t>(makers)) Malformed(key);
    std::vector<TextRows> grids;
    for (const JsonValue& grid : value.items) {
        if (grid.kind != Kind::Array || grid.items.size() != rows) Malformed(key);
        TextRows texts;
        for (std::size_t r = 0; r < rows; ++r) texts.push_back(ReadTexts(grid.items[r], key, rowSize(r)));
        grids.push_back(std::move(texts));
    }
    return grids;
}

void WriteTexts(JsonWriter& json, const Texts& texts) {
    json.BeginArray();
    for (const std::string& text : texts) json.String(text);
    json.EndArray();
}

template <class Item, class Write>
void WriteList(JsonWriter& json, const std::vector<Item>& items, const Write& write) {
    json.BeginArray();
    for (const Item& item : items) write(item);
    json.EndArray();
}

// The numbers a cell holds apart, each as typed; empty when it holds one
// term or one number.
Texts NumbersApart(std::string_view typed) {
    std::string_view text = TrimBlanks(typed);
    const bool bracketed = text.size() >= 2 && text.front() == '(' && text.back() == ')';
    if (bracketed) text = TrimBlanks(text.substr(1, text.size() - 2));
    Texts parts;
    const auto splitAt = [&](std::string_view separator) {
        for (std::size_t at; (at = text.find(separator)) != std::string_view::npos;) {
            parts.emplace_back(TrimBlanks(text.substr(0, at)));
            text.remove_prefix(at + separator.size());
        }
        parts.emplace_back(TrimBlanks(text));
    };
    if (text.find(';') != std::string_view::npos) {
        splitAt(";");
    } else if (text.find(", ") != std::string_view::npos) {
        splitAt(", ");
    } else {
        for (std::size_t start = 0; start < text.size();) {
            if (IsBlankChar(text[start])) {
                ++start;
                continue;
            }
            std::size_t end = start;
            while (end < text.size() && !IsBlankChar(text[end])) ++end;
            parts.emplace_back(text.substr(start, end - start));
            start = end;
        }
    }
    if (parts.size() < 2 && !bracketed) return {};
    return parts;
}

// One entry as the problem line holds it.
void WriteEntry(JsonWriter& json, const std::string& typed) {
    const Texts numbers = NumbersApart(typed);
    if (numbers.empty()) {
        json.String(typed);
    } else {
        WriteTexts(json, numbers);
    }
}

// One cell: the entry itself for one maker, else one entry per maker.
template <class EntryOf>
void WriteCell(JsonWriter& json, int makers, const EntryOf& entryOf) {
    if (makers == 1) {
        WriteEntry(json, entryOf(0));
        return;
    }
    json.BeginArray();
    for (std::size_t d = 0; d < static_cast<std::size_t>(makers); ++d) WriteEntry(json, entryOf(d));
    json.EndArray();
}

// "(0.5, 0.7, 0.9)" as a grid shows it: "0.5; 0.7; 0.9".
std::string GridText(const std::string& text) {
    if (text.size() < 2 || text.front() != '(' || text.back() != ')') return text;
    std::string grid;
    const std::string_view inner = std::string_view(text).substr(1, text.size() - 2);
    for (std::size_t i = 0; i < inner.size(); ++i) {
        if (inner[i] == ',' && i + 1 < inner.size() && inner[i + 1] == ' ') {
            grid += ';';
        } else {
            grid += inner[i];
        }
    }
    return grid;
}

}  // namespace

PageGrids ReadPageGrids(std::string_view json) {
    const JsonValue root = ParseJson(json);
    if (root.kind != Kind::Object) Malformed("grids");
    PageGrids grids;
    const std::string& method = Member(root, "method", Kind::String).text;
    bool known = false;
    for (Method m : {Method::Topsis, Method::Saw, Method::Ahp}) {
        if (method == Word(m)) {
            grids.method = m;
            known = true;
        }
    }
    if (!known) Malformed("method");
    const std::string& makers = Member(root, "makers", Kind::Number).text;
    grids.makers = 0;
    for (int k = 1; k <= kMaxDecisionMakers; ++k) {
        if (makers == std::to_string(k)) grids.makers = k;
    }
    if (grids.makers == 0) Malformed("makers");
    const JsonValue& criteria = Member(root, "criteria", Kind::Array);
    grids.criteria = ReadTexts(criteria, "criteria", criteria.items.size());
    const std::size_t n = grids.criteria.size();
    if (grids.method == Method::Ahp) {
        grids.comparisons = ReadGrids(Member(root, "comparisons", Kind::Array), "comparisons", grids.makers,
                                      n == 0 ? 0 : n - 1, [&](std::size_t r) { return n - 1 - r; });
    } else {
        const JsonValue& alternatives = Member(root, "alternatives", Kind::Array);
        grids.alternatives = ReadTexts(alternatives, "alternatives", alternatives.items.size());
        for (const std::string& type : ReadTexts(Member(root, "types", Kind::Array), "types", n)) {
            if (type != Word(CriterionType::Benefit) && type != Word(CriterionType::Cost)) Malformed("types");
            grids.types.push_back(type == Word(CriterionType::Cost) ? CriterionType::Cost : CriterionType::Benefit);
        }
        // One row of weights per maker.
        const JsonValue& weights = Member(root, "weights", Kind::Array);
        if (weights.items.size() != static_cast<std::size_t>(grids.makers)) Malformed("weights");
        for (const JsonValue& row : weights.items) grids.weights.push_back(ReadTexts(row, "weights", n));
        grids.ratings = ReadGrids(Member(root, "ratings", Kind::Array), "ratings", grids.makers,
                                  grids.alternatives.size(), [&](std::size_t) { return n; });
    }
    if (const JsonValue* conventions = root.Member("conventions")) {
        if (conventions->kind != Kind::Object) Malformed("conventions");
        for (const JsonMember& member : conventions->members) {
            if (member.value.kind != Kind::String) Malformed("conventions");
            grids.conventions.emplace_back(member.key, member.value.text);
        }
    }
    if (const JsonValue* scales = root.Member("scales")) {
        if (scales->kind != Kind::Object) Malformed("scales");
        for (const JsonMember& member : scales->members) {
            if (!RoleOfScaleKey(member.key)) Malformed("scales");
            grids.scales.emplace_back(member.key, JsonText(member.value));
        }
    }
    return grids;
}

std::string PageGridsJson(const PageGrids& grids) {
    std::string out;
    JsonWriter json(out);
    json.BeginObject();
    json.Key("method").String(Word(grids.method));
    json.Key("makers").Integer(grids.makers);
    json.Key("alternatives");
    WriteTexts(json, grids.alternatives);
    json.Key("criteria");
    WriteTexts(json, grids.criteria);
    json.Key("types");
    WriteList(json, grids.types, [&](CriterionType type) { json.String(Word(type)); });
    const auto texts = [&](const Texts& row) { WriteTexts(json, row); };
    const auto rows = [&](const TextRows& grid) { WriteList(json, grid, texts); };
    json.Key("weights");
    WriteList(json, grids.weights, texts);
    json.Key("ratings");
    WriteList(json, grids.ratings, rows);
    json.Key("comparisons");
    WriteList(json, grids.comparisons, rows);
    json.Key("conventions").BeginObject();
    for (const auto& [key, word] : grids.conventions) json.Key(key).String(word);
    json.EndObject();
    json.Key("scales").BeginObject();
    for (const auto& [key, text] : grids.scales) json.Key(key).Raw(text);
    json.EndObject().EndObject();
    return out;
}

PageGrids GridsOfProblem(const Problem& problem) {
    PageGrids grids;
    grids.method = problem.method;
    grids.makers = problem.decisionMakers;
    grids.alternatives = problem.alternatives;
    grids.criteria = problem.criteria;
    grids.types = problem.types;
    const auto makers = static_cast<std::size_t>(problem.decisionMakers);
    const auto grid = [&](const std::vector<std::vector<Cell>>& cells, std::size_t d) {
        TextRows rows;
        for (const std::vector<Cell>& row : cells) {
            Texts texts;
            for (const Cell& cell : row) texts.push_back(GridText(cell[d].text));
            rows.push_back(std::move(texts));
        }
        return rows;
    };
    for (std::size_t d = 0; d < makers; ++d) {
        if (problem.method == Method::Ahp) {
            grids.comparisons.push_back(grid(problem.comparisons, d));
            continue;
        }
        Texts weights;
        for (const Cell& cell : problem.weights) weights.push_back(GridText(cell[d].text));
        grids.weights.push_back(std::move(weights));
        grids.ratings.push_back(grid(problem.ratings, d));
    }
    const Conventions& c = problem.conventions;
    const auto chosen = [&](std::string_view key, std::string_view word) {
        grids.conventions.emplace_back(std::string(key), std::string(word));
    };
    chosen("agregacion", Word(c.aggregation));
    if (problem.method != Method::Ahp) chosen("normalizacion", Word(c.normalisation));
    if (problem.method == Method::Topsis) {
        chosen("ideales", Word(c.ideals));
        chosen("distancia", Word(c.distance));
    } else {
        chosen("desborrosificacion", Word(c.defuzzification));
    }
    chosen("redondeo", c.rounding ? std::to_string(*c.rounding) : std::string());
    return grids;
}

// Packed, as the program's own replies are, so that the line the page shows
// is the one a person would send it.
PageGrids GridsOfLine(std::string_view line) {
    const JsonValue root = ParseJson(line);
    PageGrids grids = GridsOfProblem(ReadProblem(root));
    for (const ScaleRole role : {ScaleRole::Weights, ScaleRole::Ratings, ScaleRole::Comparisons}) {
        const std::string_view key = ScaleKey(role);
        if (const JsonValue* scale = root.Member(key)) grids.scales.emplace_back(key, JsonText(*scale));
    }
    return grids;
}

std::string ProblemLineOf(const PageGrids& grids) {
    std::string out;
    JsonWriter json(out, JsonLayout::Compact);
    json.BeginObject();
    json.Key("metodo").String(Word(grids.method));
    json.Key("decisores").Integer(grids.makers);
    if (grids.method != Method::Ahp) {
        json.Key("alternativas");
        WriteTexts(json, grids.alternatives);
    }
    json.Key("criterios");
    WriteTexts(json, grids.criteria);
    if (grids.method == Method::Ahp) {
        json.Key("comparaciones").BeginArray();
        for (std::size_t i = 0; i + 1 < grids.criteria.size(); ++i) {
            json.BeginArray();
            for (std::size_t k = 0; k + i + 1 < grids.criteria.size(); ++k) {
                WriteCell(json, grids.makers, [&](std::size_t d) { return grids.comparisons[d][i][k]; });
            }
            json.EndArray();
        }
        json.EndArray();
    } else {
        json.Key("tipos");
        WriteList(json, grids.types, [&](CriterionType type) { json.String(Word(type)); });
        json.Key("pesos").BeginArray();
        for (std::size_t j = 0; j < grids.criteria.size(); ++j) {
            WriteCell(json, grids.makers, [&](std::size_t d) { return grids.weights[d][j]; });
        }
        json.EndArray();
        json.Key("valoraciones").BeginArray();
        for (std::size_t i = 0; i < grids.alternatives.size(); ++i) {
            json.BeginArray();
            for (std::size_t j = 0; j < grids.criteria.size(); ++j) {
                WriteCell(json, grids.makers, [&](std::size_t d) { return grids.ratings[d][i][j]; });
            }
            json.EndArray();
        }
        json.EndArray();
    }
    for (const auto& [key, text] : grids.scales) {
        // Only the scales the method reads: a method changed since keeps the others aside.
        if ((RoleOfScaleKey(key) == ScaleRole::Comparisons) == (grids.method == Method::Ahp)) json.Key(key).Raw(text);
    }
    if (!grids.conventions.empty()) {
        json.Key("convenios").BeginObject();
        for (const auto& [key, word] : grids.conventions) {
            json.Key(key);
            // The rounding is a number of decimals, or none; anything else
            // goes as typed, for the program to refuse in its words.
            const bool digits = !word.empty() && word.find_first_not_of("0123456789") == std::string::npos;
            if (key == "redondeo" && word.empty()) {
                json.Null();
            } else if (key == "redondeo" && digits) {
                json.Number(word);
            } else {
                json.String(word);
            }
        }
        json.EndObject();
    }
    json.EndObject();
    return out;
}

std::vector<UnreadCell> UnreadCells(const PageGrids& grids) {
    std::vector<UnreadCell> unread;
    const auto makers = static_cast<std::size_t>(grids.makers);
    const auto decisor = [&](std::size_t d) {
        return grids.makers == 1 ? std::string() : ", decisor " + std::to_string(d + 1);
    };
    // The scale each role's cells are read with; none when the problem's own
    // cannot be read (solving then says why).
    std::string givenScales;
    JsonWriter scalesJson(givenScales);
    scalesJson.BeginObject();
    for (const auto& [key, text] : grids.scales) scalesJson.Key(key).Raw(text);
    scalesJson.EndObject();
    const auto scaleOf = [&](ScaleRole role) -> std::optional<Scale> {
        try {
            return ReadScale(ParseJson(givenScales), role);
        } catch (const DecisionError&) {
            return std::nullopt;
        }
    };
    const std::optional<Scale> scales[] = {scaleOf(ScaleRole::Weights), scaleOf(ScaleRole::Ratings),
                                           scaleOf(ScaleRole::Comparisons)};
    const auto check = [&](ScaleRole role, const std::string& typed, const std::string& place, UnreadCell at) {
        const std::optional<Scale>& scale = scales[static_cast<std::size_t>(role)];
        if (!scale) return;
        std::string entry;
        JsonWriter json(entry);
        WriteEntry(json, typed);
        bool fourComponents = false;
        try {
            ReadTableEntry(ParseJson(entry), *scale, role, [&] { return place; }, fourComponents);
        } catch (const DecisionError& error) {
            at.reason = error.what();
            unread.push_back(std::move(at));
        }
    };
    const auto checkNames = [&](std::string_view key, const std::vector<std::string>& names, GridTable table) {
        std::vector<std::string> earlier;
        for (std::size_t i = 0; i < names.size(); ++i) {
            try {
                CheckName(key, names[i], earlier);
            } catch (const DecisionError& error) {
                unread.push_back({table, 0, i, 0, error.what()});
            }
            earlier.push_back(names[i]);
        }
    };
    if (grids.method != Method::Ahp) checkNames("alternativas", grids.alternatives, GridTable::Alternatives);
    checkNames("criterios", grids.criteria, GridTable::Criteria);
    for (std::size_t d = 0; d < makers; ++d) {
        if (grids.method == Method::Ahp) {
            for (std::size_t i = 0; i + 1 < grids.criteria.size(); ++i) {
                for (std::size_t j = i + 1; j < grids.criteria.size(); ++j) {
                    check(ScaleRole::Comparisons, grids.comparisons[d][i][j - i - 1],
                          grids.criteria[i] + " frente a " + grids.criteria[j] + decisor(d),
                          {GridTable::Comparisons, d, i, j, {}});
                }
            }
            continue;
        }
        for (std::size_t j = 0; j < grids.criteria.size(); ++j) {
            check(ScaleRole::Weights, grids.weights[d][j], "peso de " + grids.criteria[j] + decisor(d),
                  {GridTable::Weights, d, j, 0, {}});
        }
        for (std::size_t i = 0; i < grids.alternatives.size(); ++i) {
            for (std::size_t j = 0; j < grids.criteria.size(); ++j) {
                check(ScaleRole::Ratings, grids.ratings[d][i][j],
                      grids.alternatives[i] + ", " + grids.criteria[j] + decisor(d), {GridTable::Ratings, d, i, j, {}});
            }
        }
    }
    return unread;
}

std::string UnreadCellsJson(const std::vector<UnreadCell>& cells) {
    static constexpr std::string_view kTables[] = {"weights", "ratings", "comparisons", "alternatives", "criteria"};
    std::string out;
    JsonWriter json(out);
    WriteList(json, cells, [&](const UnreadCell& cell) {
        json.BeginObject();
        json.Key("table").String(kTables[static_cast<std::size_t>(cell.table)]);
        json.Key("maker").Number(std::to_string(cell.maker));
        json.Key("row").Number(std::to_string(cell.row));
        json.Key("column").Number(std::to_string(cell.column));
        json.Key("reason").String(cell.reason);
        json.EndObject();
    });
    return out;
}

}  // namespace trelvani::decision
