#include "study/exercises/exercise_form_json.h"

#include "core/buttons.h"
#include "study/decision/json_tree.h"
#include "study/decision/problem.h"
#include "study/exercises/exercise_list.h"
#include "text/json_writer.h"

namespace trelvani {
namespace {

constexpr std::string_view kKindNames[] = {"exercise", "decision", "text"};
constexpr std::string_view kOperandKindNames[] = {"absent", "boxes", "range"};

void OperandMember(JsonWriter& json, std::string_view key, const FormOperand& operand) {
    json.Key(key).BeginObject();
    json.Key("kind").String(kOperandKindNames[static_cast<std::size_t>(operand.kind)]);
    json.Key("boxes").BeginArray();
    for (const std::string& box : operand.boxes) json.String(box);
    json.EndArray();
    json.Key("from").String(operand.from);
    json.Key("to").String(operand.to);
    json.Key("decimals").String(operand.decimals);
    json.EndObject();
}

using decision::JsonValue;

// A string member of the page's JSON, or "" when missing or of another type.
std::string StringAt(const JsonValue& object, std::string_view key) {
    const JsonValue* member = object.Member(key);
    return member != nullptr && member->kind == JsonValue::Kind::String ? member->text : std::string();
}

template <std::size_t N>
std::optional<std::size_t> IndexNamed(const std::string_view (&names)[N], const std::string& name) {
    for (std::size_t i = 0; i < N; ++i) {
        if (names[i] == name) return i;
    }
    return std::nullopt;
}

std::optional<FormOperand> OperandFrom(const JsonValue& row, std::string_view key) {
    const JsonValue* found = row.Member(key);
    if (found == nullptr || found->kind != JsonValue::Kind::Object) return FormOperand{};
    const auto kind = IndexNamed(kOperandKindNames, StringAt(*found, "kind"));
    if (!kind) return std::nullopt;
    FormOperand operand;
    operand.kind = static_cast<FormOperand::Kind>(*kind);
    if (const JsonValue* boxes = found->Member("boxes"); boxes != nullptr) {
        for (std::size_t i = 0; i < 4 && i < boxes->items.size(); ++i) {
            if (boxes->items[i].kind == JsonValue::Kind::String) operand.boxes[i] = boxes->items[i].text;
        }
    }
    operand.from = StringAt(*found, "from");
    operand.to = StringAt(*found, "to");
    operand.decimals = StringAt(*found, "decimals");
    return operand;
}

}  // namespace

std::string FormRowsJson(const std::vector<FormRow>& rows) {
    std::string out;
    JsonWriter json(out);
    json.BeginObject().Key("rows").BeginArray();
    for (const FormRow& row : rows) {
        json.BeginObject();
        json.Key("kind").String(kKindNames[static_cast<std::size_t>(row.kind)]);
        json.Key("text").String(row.text);
        json.Key("reason").String(row.reason);
        OperandMember(json, "x", row.x);
        OperandMember(json, "y", row.y);
        json.Key("buttons").BeginArray();
        for (const std::string& button : row.buttons) json.String(button);
        json.EndArray();
        json.Key("statement").String(row.statement);
        json.Key("variants").String(row.variants);
        json.Key("seed").String(row.seed);
        json.Key("problem").String(row.decisionJson);
        json.Key("summary").String(row.summary);
        json.EndObject();
    }
    json.EndArray().EndObject();
    return out;
}

std::optional<FormRow> FormRowFromJson(std::string_view json) {
    JsonValue row;
    try {
        row = decision::ParseJson(json);
    } catch (const decision::DecisionError&) {
        return std::nullopt;
    }
    if (row.kind != JsonValue::Kind::Object) return std::nullopt;
    const auto kind = IndexNamed(kKindNames, StringAt(row, "kind"));
    auto x = OperandFrom(row, "x");
    auto y = OperandFrom(row, "y");
    if (!kind || !x || !y) return std::nullopt;
    FormRow read;
    read.kind = static_cast<FormRow::Kind>(*kind);
    read.text = StringAt(row, "text");
    read.x = std::move(*x);
    read.y = std::move(*y);
    if (const JsonValue* buttons = row.Member("buttons"); buttons != nullptr) {
        for (const JsonValue& button : buttons->items) {
            if (button.kind == JsonValue::Kind::String) read.buttons.push_back(button.text);
        }
    }
    read.statement = StringAt(row, "statement");
    read.variants = StringAt(row, "variants");
    read.seed = StringAt(row, "seed");
    read.decisionJson = StringAt(row, "problem");
    // A problem comes back only as the form was given it: it must still be one object.
    if (read.kind == FormRow::Kind::Decision && (read.decisionJson.empty() || read.decisionJson.front() != '{')) {
        return std::nullopt;
    }
    return read;
}

std::string FormLineJson(const FormRow& row) {
    const std::string line = FormRowLine(row);
    ExerciseLine read;
    const auto reason = ReadExerciseLine(line, read);
    std::string out;
    JsonWriter(out).BeginObject().Key("line").String(line).Key("reason").String(reason.value_or("")).EndObject();
    return out;
}

std::string FormButtonsJson() {
    std::string out;
    JsonWriter json(out);
    json.BeginArray();
    for (const Button& button : kButtons) {
        json.BeginObject().Key("name").String(button.name).Key("caption").String(button.caption).EndObject();
    }
    json.EndArray();
    return out;
}

}  // namespace trelvani
