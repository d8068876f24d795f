#include <string>
#include <string_view>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "text/json_writer.h"

namespace trelvani {
namespace {

struct StringCase {
    std::string_view text;
    std::string_view json;
};

std::string JsonString(std::string_view text) {
    std::string out;
    JsonWriter(out).String(text);
    return out;
}

// The escapes trelvani-batch's replies have always had, and a JSON reader
// gets back exactly the text: NUL, the C0 controls, DEL, and UTF-8 (line and
// paragraph separators included) whole.
TEST(JsonWriter, StringsReadBackAsTyped) {
    using namespace std::string_view_literals;
    const StringCase cases[] = {
        {"", R"("")"},
        {"a\"b\\c/", R"("a\"b\\c/")"},
        {"uno\ndos\r\n\ttres", R"("uno\ndos\r\n\ttres")"},
        {"\0\x01\x08\x0b\x0c\x1b[0m\x1f\x7f"sv, "\"\\u0000\\u0001\\u0008\\u000b\\u000c\\u001b[0m\\u001f\x7f\""},
        {"ñ €\u2028\u2029 \U0001D11E", "\"ñ €\u2028\u2029 \U0001D11E\""},
    };
    for (const StringCase& c : cases) {
        const std::string written = JsonString(c.text);
        EXPECT_EQ(written, c.json) << c.json;
        EXPECT_EQ(nlohmann::json::parse(written).get<std::string>(), c.text) << c.json;
    }
    // Every byte below a space, and the plain text between escapes.
    std::string all;
    for (int c = 0; c < 0x20; ++c) all.append("x").push_back(static_cast<char>(c));
    EXPECT_EQ(nlohmann::json::parse(JsonString(all)).get<std::string>(), all);
}

// Commas between members and items at every depth, none after a key or an
// opening bracket, and the spaced layout of a typed exercise list.
TEST(JsonWriter, CommasFallBetweenValuesAtEveryDepth) {
    struct Case {
        const char* name;
        void (*write)(JsonWriter&);
        JsonLayout layout;
        std::string_view json;
    };
    const Case cases[] = {
        {"empty",
         [](JsonWriter& j) {
             j.BeginObject().Key("a").BeginArray().EndArray().Key("b").BeginObject().EndObject().EndObject();
         },
         JsonLayout::Compact, R"({"a":[],"b":{}})"},
        {"nested",
         [](JsonWriter& j) {
             j.BeginArray().Integer(-1).BeginArray().BeginObject().Key("k").Null().Key("l").Bool(false).EndObject();
             j.BeginArray().EndArray().EndArray().Number("2.50").String("x").EndArray();
         },
         JsonLayout::Compact, R"([-1,[{"k":null,"l":false},[]],2.50,"x"])"},
        {"raw",
         [](JsonWriter& j) {
             j.BeginObject().Key("given").Raw(R"({"a":1})").RawMembers("").RawMembers(R"("b":[2],"c":3)");
             j.Key("d").Bool(true).EndObject();
         },
         JsonLayout::Compact, R"({"given":{"a":1},"b":[2],"c":3,"d":true})"},
        {"spaced",
         [](JsonWriter& j) {
             j.BeginObject().Key("X").BeginArray().String("1").String("2").EndArray();
             j.Key("b").BeginArray().String("Suma").EndArray().EndObject();
         },
         JsonLayout::Spaced, R"({"X": ["1", "2"], "b": ["Suma"]})"},
    };
    for (const Case& c : cases) {
        std::string out;
        JsonWriter json(out, c.layout);
        c.write(json);
        EXPECT_EQ(out, c.json) << c.name;
    }
}

}  // namespace
}  // namespace trelvani
