#include "study/exercises/exercise_form.h"

#include <optional>

#include "study/decision/json_tree.h"
#include "study/decision/problem.h"
#include "study/exercises/exercise_list.h"
#include "text/json_writer.h"

namespace trelvani {
namespace {

using decision::JsonValue;

// A JSON number as the grammar has it: -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?
bool IsJsonNumber(std::string_view text) {
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
        return i - start;
    };
    if (i < text.size() && text[i] == '-') ++i;
    if (i < text.size() && text[i] == '0') {
        ++i;
    } else if (digits() == 0) {
        return false;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        if (digits() == 0) return false;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        if (digits() == 0) return false;
    }
    return i == text.size();
}

// A number typed into the form: as it is where JSON takes it, with a
// decimal comma read as a point, and otherwise as a string for the reader
// to refuse by name.
void NumberField(JsonWriter& json, std::string_view typed) {
    if (IsJsonNumber(typed)) {
        json.Number(typed);
        return;
    }
    std::string pointed(typed);
    if (const std::size_t comma = pointed.find(','); comma != std::string::npos) pointed[comma] = '.';
    if (IsJsonNumber(pointed)) {
        json.Number(pointed);
    } else {
        json.String(typed);
    }
}

std::string TextOf(const JsonValue& value) { return value.text; }

FormOperand OperandOf(const JsonValue* value) {
    FormOperand operand;
    if (value == nullptr) return operand;
    if (value->kind == JsonValue::Kind::Array) {
        operand.kind = FormOperand::Kind::Boxes;
        for (std::size_t i = 0; i < 4 && i < value->items.size(); ++i) operand.boxes[i] = TextOf(value->items[i]);
        return operand;
    }
    operand.kind = FormOperand::Kind::Range;
    for (const auto& [key, member] : value->members) {
        if (key == "desde") operand.from = member.text;
        if (key == "hasta") operand.to = member.text;
        if (key == "decimales") operand.decimals = member.text;
    }
    return operand;
}

std::string Counted(std::size_t count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

std::string NamesListed(const std::vector<std::string>& names) {
    std::string out;
    for (std::size_t i = 0; i < names.size(); ++i) out.append(i > 0 ? ", " : "").append(names[i]);
    return out;
}

std::string SummaryOf(const decision::Problem& problem) {
    const char* method = problem.method == decision::Method::Topsis ? "TOPSIS difuso"
                         : problem.method == decision::Method::Saw  ? "SAW difuso"
                                                                    : "AHP difuso";
    std::string summary = std::string(method) + " con " +
                          (problem.method == decision::Method::Ahp
                               ? std::string()
                               : Counted(problem.alternatives.size(), "alternativa", "alternativas") + " (" +
                                     NamesListed(problem.alternatives) + "), ") +
                          Counted(problem.criteria.size(), "criterio", "criterios") + " (" +
                          NamesListed(problem.criteria) + ") y " +
                          Counted(static_cast<std::size_t>(problem.decisionMakers), "decisor", "decisores") + ".";
    return summary;
}

void OperandMember(JsonWriter& json, std::string_view name, const FormOperand& operand) {
    if (operand.kind == FormOperand::Kind::Absent) return;
    json.Key(name);
    if (operand.kind == FormOperand::Kind::Boxes) {
        json.BeginArray();
        for (const std::string& box : operand.boxes) json.String(box);
        json.EndArray();
        return;
    }
    json.BeginObject().Key("desde");
    NumberField(json, operand.from);
    json.Key("hasta");
    NumberField(json, operand.to);
    json.Key("decimales");
    NumberField(json, operand.decimals);
    json.EndObject();
}

}  // namespace

FormRow ReadFormRow(std::string_view text) {
    FormRow row;
    row.text = std::string(text);
    ExerciseLine line;
    if (auto reason = ReadExerciseLine(text, line)) {
        row.kind = FormRow::Kind::Text;
        row.reason = std::move(*reason);
        return row;
    }
    row.statement = line.statement.value_or("");
    if (line.decision) {
        row.kind = FormRow::Kind::Decision;
        row.decisionJson = line.decisionJson;
        row.summary = SummaryOf(*line.decision);
        return row;
    }
    // Read again as a tree: the reader keeps ranges as units, the form
    // shows every field as it was typed.
    JsonValue root;
    try {
        root = decision::ParseJson(text);
    } catch (const decision::DecisionError& error) {
        row.kind = FormRow::Kind::Text;
        row.reason = error.what();
        return row;
    }
    row.x = OperandOf(root.Member("X"));
    row.y = OperandOf(root.Member("Y"));
    for (const JsonValue& button : root.Member("botones")->items) row.buttons.push_back(button.text);
    if (const JsonValue* variants = root.Member("variantes")) row.variants = variants->text;
    if (const JsonValue* seed = root.Member("semilla")) row.seed = seed->text;
    return row;
}

std::vector<FormRow> ReadFormRows(std::string_view list) {
    std::vector<FormRow> rows;
    while (!list.empty()) {
        const std::size_t end = list.find('\n');
        std::string_view line = list.substr(0, end);
        list.remove_prefix(end == std::string_view::npos ? list.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.find_first_not_of(" \t\r") == std::string_view::npos) continue;
        rows.push_back(ReadFormRow(line));
    }
    return rows;
}

std::string FormRowLine(const FormRow& row) {
    if (row.kind == FormRow::Kind::Text) return row.text;
    std::string line;
    JsonWriter json(line, JsonLayout::Spaced);
    json.BeginObject();
    if (row.kind == FormRow::Kind::Decision) {
        json.Key("decision").Raw(row.decisionJson);
        if (!row.statement.empty()) json.Key("enunciado").String(row.statement);
        json.EndObject();
        return line;
    }
    OperandMember(json, "X", row.x);
    OperandMember(json, "Y", row.y);
    json.Key("botones").BeginArray();
    for (const std::string& button : row.buttons) json.String(button);
    json.EndArray();
    if (!row.statement.empty()) json.Key("enunciado").String(row.statement);
    if (!row.variants.empty()) {
        json.Key("variantes");
        NumberField(json, row.variants);
    }
    if (!row.seed.empty()) {
        json.Key("semilla");
        NumberField(json, row.seed);
    }
    json.EndObject();
    return line;
}

}  // namespace trelvani
