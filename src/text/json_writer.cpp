#include "text/json_writer.h"

#include <charconv>

namespace trelvani {

void JsonWriter::StringOutput::Append(std::string_view piece) { text_->append(piece); }

JsonWriter::JsonWriter(std::string& text, JsonLayout layout) : appender_(&text), out_(appender_), layout_(layout) {}

JsonWriter::JsonWriter(JsonOutput& output, JsonLayout layout) : appender_(nullptr), out_(output), layout_(layout) {}

JsonWriter& JsonWriter::BeginObject() { return Open("{"); }
JsonWriter& JsonWriter::EndObject() { return Close("}"); }
JsonWriter& JsonWriter::BeginArray() { return Open("["); }
JsonWriter& JsonWriter::EndArray() { return Close("]"); }

JsonWriter& JsonWriter::Key(std::string_view name) {
    String(name);
    out_.Append(layout_ == JsonLayout::Spaced ? ": " : ":");
    commaDue_ = false;
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    // Each character with a short escape, followed by the letter after its
    // backslash.
    static constexpr std::string_view kShort = "\"\"\\\\\nn\tt\rr";
    Comma();
    out_.Append("\"");
    // Runs of plain text go out whole, between the escapes.
    std::size_t plainFrom = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '"' && c != '\\' && static_cast<unsigned char>(c) >= 0x20) continue;
        if (i > plainFrom) out_.Append(std::string_view(text.data() + plainFrom, i - plainFrom));
        plainFrom = i + 1;
        const std::size_t shortForm = kShort.find(c);
        const char escape[] = {'\\', shortForm != std::string_view::npos ? kShort[shortForm + 1] : 'u', '0', '0',
                               kHex[(c >> 4) & 0xf], kHex[c & 0xf]};
        out_.Append(std::string_view(escape, shortForm != std::string_view::npos ? 2 : sizeof escape));
    }
    if (plainFrom < text.size()) out_.Append(std::string_view(text.data() + plainFrom, text.size() - plainFrom));
    out_.Append("\"");
    commaDue_ = true;
    return *this;
}

JsonWriter& JsonWriter::Integer(int value) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    return Raw(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

JsonWriter& JsonWriter::Raw(std::string_view value) {
    Comma();
    out_.Append(value);
    commaDue_ = true;
    return *this;
}

JsonWriter& JsonWriter::RawMembers(std::string_view members) {
    return members.empty() ? *this : Raw(members);
}

void JsonWriter::Comma() {
    if (commaDue_) out_.Append(layout_ == JsonLayout::Spaced ? ", " : ",");
}

JsonWriter& JsonWriter::Open(std::string_view bracket) {
    Comma();
    out_.Append(bracket);
    commaDue_ = false;
    return *this;
}

JsonWriter& JsonWriter::Close(std::string_view bracket) {
    out_.Append(bracket);
    commaDue_ = true;
    return *this;
}

}  // namespace trelvani
