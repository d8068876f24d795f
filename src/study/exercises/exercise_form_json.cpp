#include "study/exercises/exercise_form_json.h"

#include "core/buttons.h"
#include "study/decision/json_tree.h"
#include "study/decision/problem.h"
#include "study/exercises/exercise_list.h"
#include "text/json_text.h"

namespace trelvani {
namespace {

constexpr std::string_view kKindNames[] = {"exercise", "decision", "text"};
constexpr std::string_view kOperandKindNames[] = {"absent", "boxes", "range"};

void AppendMember(std::string& out, std::string_view key, std::string_view text) {
    out.append(out.back() == '{' ? "" : ",");
    AppendJsonString(out, key);
    out += ':';
    AppendJsonString(out, text);
}

void AppendOperand(std::string& out, std::string_view key, const FormOperand& operand) {
    out.append(",");
    AppendJsonString(out, key);
    out += ":{";
    AppendMember(out, "kind", kOperandKindNames[static_cast<std::size_t>(operand.kind)]);
    out += ",\"boxes\":[";
    for (std::size_t i = 0; i < 4; ++i) {
        if (i > 0) out += ',';
        AppendJsonString(out, operand.boxes[i]);
    }
    out += ']';
    AppendMember(out, "from", operand.from);
    AppendMember(out, "to", operand.to);
    AppendMember(out, "decimals", operand.decimals);
    out += '}';
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
    std::string out = "{\"rows\":[";
    for (const FormRow& row : rows) {
        if (out.back() != '[') out += ',';
        out += '{';
        AppendMember(out, "kind", kKindNames[static_cast<std::size_t>(row.kind)]);
        AppendMember(out, "text", row.text);
        AppendMember(out, "reason", row.reason);
        AppendOperand(out, "x", row.x);
        AppendOperand(out, "y", row.y);
        out += ",\"buttons\":[";
        for (std::size_t i = 0; i < row.buttons.size(); ++i) {
            if (i > 0) out += ',';
            AppendJsonString(out, row.buttons[i]);
        }
        out += ']';
        AppendMember(out, "statement", row.statement);
        AppendMember(out, "variants", row.variants);
        AppendMember(out, "seed", row.seed);
        AppendMember(out, "problem", row.decisionJson);
        AppendMember(out, "summary", row.summary);
        out += '}';
    }
    return out + "]}";
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
    std::string out = "{";
    AppendMember(out, "line", line);
    AppendMember(out, "reason", reason.value_or(""));
    return out + "}";
}

std::string FormButtonsJson() {
    std::string out = "[";
    for (const Button& button : kButtons) {
        if (out.back() != '[') out += ',';
        out += '{';
        AppendMember(out, "name", button.name);
        AppendMember(out, "caption", button.caption);
        out += '}';
    }
    return out + "]";
}

}  // namespace trelvani
