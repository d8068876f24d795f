#pragma once

#include <string>
#include <string_view>

namespace trelvani {

// Where a JSON writer's text goes, a piece at a time.
class JsonOutput {
public:
    virtual void Append(std::string_view piece) = 0;

protected:
    ~JsonOutput() = default;
};

// How a text is laid out: packed, as replies and page data are, or with a
// space after each comma and colon, as a person types a line of an exercise
// list.
enum class JsonLayout { Compact, Spaced };

// Writes JSON a token at a time, putting in the commas and colons itself: a
// comma is due before a key or value that follows another value. Strings are
// escaped one way everywhere: quotes and backslashes, a line break, tab and
// carriage return as \n, \t and \r, any other control character as \u00XX;
// everything else, UTF-8 included, is kept as it is. It allocates nothing
// but what its output does.
class JsonWriter {
public:
    // Appends to `text`.
    explicit JsonWriter(std::string& text, JsonLayout layout = JsonLayout::Compact);
    explicit JsonWriter(JsonOutput& output, JsonLayout layout = JsonLayout::Compact);
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    JsonWriter& Key(std::string_view name);
    JsonWriter& String(std::string_view text);
    // A number's text as it was written or formatted, unquoted.
    JsonWriter& Number(std::string_view text) { return Raw(text); }
    JsonWriter& Integer(int value);
    JsonWriter& Bool(bool value) { return Raw(value ? "true" : "false"); }
    JsonWriter& Null() { return Raw("null"); }
    // One whole value written elsewhere (an object, a reply, a number).
    JsonWriter& Raw(std::string_view value);
    // Members or items written elsewhere, in the object or array now open;
    // nothing when empty.
    JsonWriter& RawMembers(std::string_view members);

private:
    class StringOutput final : public JsonOutput {
    public:
        explicit StringOutput(std::string* text) : text_(text) {}
        void Append(std::string_view piece) override;

    private:
        std::string* text_;
    };

    void Comma();
    JsonWriter& Open(std::string_view bracket);
    JsonWriter& Close(std::string_view bracket);

    StringOutput appender_;
    JsonOutput& out_;
    JsonLayout layout_;
    bool commaDue_ = false;
};

}  // namespace trelvani
