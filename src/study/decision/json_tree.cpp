#include "study/decision/json_tree.h"

#include <optional>

#include <nlohmann/json.hpp>

#include "study/decision/problem.h"
#include "text/json_number_texts.h"
#include "text/json_writer.h"

namespace trelvani::decision {
namespace {

// A problem nests five deep (a line, a table, a row, a cell, a trapezoid);
// a little room is left so that a misplaced bracket still gets a reason
// that names its place.
constexpr std::size_t kMaxDepth = 8;

class TreeBuilder final : public nlohmann::json_sax<nlohmann::json> {
public:
    explicit TreeBuilder(std::vector<std::string> numbers) : numbers_(std::move(numbers)) {}

    JsonValue root;
    std::optional<std::string> reason;

    bool null() override { return Put(JsonValue{}); }
    bool boolean(bool value) override { return Put(JsonValue{JsonValue::Kind::Boolean, value ? "true" : "false", {}, {}}); }
    bool number_integer(number_integer_t) override { return Number(); }
    bool number_unsigned(number_unsigned_t) override { return Number(); }
    bool number_float(number_float_t, const string_t&) override { return Number(); }
    bool binary(binary_t&) override { return Fail("JSON no válido"); }
    bool string(string_t& text) override { return Put(JsonValue{JsonValue::Kind::String, std::move(text), {}, {}}); }

    bool start_object(std::size_t) override { return Open(JsonValue::Kind::Object); }
    bool start_array(std::size_t) override { return Open(JsonValue::Kind::Array); }
    bool end_object() override { return Close(); }
    bool end_array() override { return Close(); }

    bool key(string_t& name) override {
        JsonValue& object = *open_.back();
        for (const auto& member : object.members) {
            if (member.key == name) return Fail("clave repetida: «" + name + "»");
        }
        object.members.push_back({std::move(name), JsonValue{}});
        return true;
    }

    bool parse_error(std::size_t, const std::string& token, const nlohmann::detail::exception& error) override {
        // The lexer refuses a number beyond the double range (its error 406).
        if (error.id == 406) return Fail("«" + token + "» pasa del rango del double");
        return Fail("JSON no válido");
    }

private:
    bool Number() {
        JsonValue value{JsonValue::Kind::Number, next_ < numbers_.size() ? numbers_[next_] : std::string(), {}, {}};
        ++next_;
        return Put(std::move(value));
    }

    // Where the next value goes: the root, the array's end, or the member
    // whose key was just read.
    JsonValue& Slot() {
        if (open_.empty()) return root;
        JsonValue& parent = *open_.back();
        if (parent.kind == JsonValue::Kind::Array) return parent.items.emplace_back();
        return parent.members.back().value;
    }

    bool Put(JsonValue value) {
        Slot() = std::move(value);
        return true;
    }

    bool Open(JsonValue::Kind kind) {
        if (open_.size() == kMaxDepth) return Fail("JSON anidado en más de 8 niveles");
        JsonValue& slot = Slot();
        slot.kind = kind;
        open_.push_back(&slot);
        return true;
    }

    bool Close() {
        open_.pop_back();
        return true;
    }

    bool Fail(std::string why) {
        if (!reason) reason = std::move(why);
        return false;
    }

    std::vector<std::string> numbers_;
    std::size_t next_ = 0;
    // Pointers stay valid: only the innermost open value grows.
    std::vector<JsonValue*> open_;
};

}  // namespace

const JsonValue* JsonValue::Member(std::string_view key) const {
    for (const auto& member : members) {
        if (member.key == key) return &member.value;
    }
    return nullptr;
}

JsonValue ParseJson(std::string_view line) {
    if (line.find('\0') != std::string_view::npos) throw DecisionError("la línea contiene un byte nulo");
    TreeBuilder builder(NumberTexts(line));
    if (!nlohmann::json::sax_parse(line.begin(), line.end(), &builder)) {
        throw DecisionError(builder.reason.value_or("JSON no válido"));
    }
    return std::move(builder.root);
}

namespace {

// Numbers as they were written; strings escaped afresh.
void WriteJson(JsonWriter& json, const JsonValue& value) {
    switch (value.kind) {
    case JsonValue::Kind::Null: json.Null(); return;
    case JsonValue::Kind::Boolean: json.Bool(value.text == "true"); return;
    case JsonValue::Kind::Number: json.Number(value.text); return;
    case JsonValue::Kind::String: json.String(value.text); return;
    case JsonValue::Kind::Array:
        json.BeginArray();
        for (const JsonValue& item : value.items) WriteJson(json, item);
        json.EndArray();
        return;
    case JsonValue::Kind::Object:
        json.BeginObject();
        for (const auto& member : value.members) {
            json.Key(member.key);
            WriteJson(json, member.value);
        }
        json.EndObject();
        return;
    }
}

}  // namespace

std::string JsonText(const JsonValue& value) {
    std::string out;
    JsonWriter json(out);
    WriteJson(json, value);
    return out;
}

}  // namespace trelvani::decision
