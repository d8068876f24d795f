#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace trelvani::decision {

// A JSON value as the problem's reader needs it: numbers keep their text as
// written, and an object keeps its members in order. Repeated keys, nesting
// deeper than any problem needs, and malformed JSON are refused while the
// line is lexed.
struct JsonMember;

struct JsonValue {
    enum class Kind { Null, Boolean, Number, String, Array, Object };
    Kind kind = Kind::Null;
    std::string text;  // a string's value, or a number as written
    std::vector<JsonValue> items;
    std::vector<JsonMember> members;

    const JsonValue* Member(std::string_view key) const;
};

// A struct of its own rather than a std::pair, which clang cannot hold in a
// vector while JsonValue is still incomplete.
struct JsonMember {
    std::string key;
    JsonValue value;
};

// Throws DecisionError.
JsonValue ParseJson(std::string_view line);

// The value as compact JSON: keys in their order, numbers as written.
std::string JsonText(const JsonValue& value);

}  // namespace trelvani::decision
