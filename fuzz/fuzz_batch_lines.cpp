// Lines of a batch session against a reading of the same line through
// nlohmann-json's DOM: the streaming reader must accept exactly the lines of
// the right shape, set exactly their texts, and change nothing otherwise.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "batch/session.h"
#include "ops/buttons.h"

namespace {

using nlohmann::json;

void Check(bool condition, const char* what, std::string_view line) {
    if (condition) return;
    std::fprintf(stderr, "%s: %.*s\n", what, static_cast<int>(line.size()), line.data());
    std::abort();
}

// Whether the DOM reading has the shape of a request.
bool ShapeIsRight(std::string_view line, const json& document) {
    if (line.find('\0') != std::string_view::npos || !document.is_object()) return false;
    for (const auto& [key, value] : document.items()) {
        if (key == "click") {
            if (!value.is_string() || trelvani::ButtonNamed(value.get<std::string>()) == nullptr) return false;
        } else if (key == "set") {
            if (!value.is_object()) return false;
            for (const auto& [name, text] : value.items()) {
                if (!trelvani::BoxNamed(name) || !text.is_string()) return false;
            }
        } else {
            return false;
        }
    }
    return true;
}

// Repeated keys make a line invalid; the DOM cannot see them, so a plain
// SAX pass counts the keys of each object.
bool HasRepeatedKey(std::string_view line) {
    struct Counter : nlohmann::json_sax<json> {
        std::vector<std::set<std::string>> open;
        bool repeated = false;
        bool null() override { return true; }
        bool boolean(bool) override { return true; }
        bool number_integer(number_integer_t) override { return true; }
        bool number_unsigned(number_unsigned_t) override { return true; }
        bool number_float(number_float_t, const string_t&) override { return true; }
        bool string(string_t&) override { return true; }
        bool binary(binary_t&) override { return true; }
        bool start_object(std::size_t) override { open.emplace_back(); return true; }
        bool key(string_t& key) override { repeated |= !open.back().insert(key).second; return true; }
        bool end_object() override { open.pop_back(); return true; }
        bool start_array(std::size_t) override { return true; }
        bool end_array() override { return true; }
        bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override { return false; }
    } counter;
    json::sax_parse(line.begin(), line.end(), &counter);
    return counter.repeated;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    trelvani::batch::Session session;
    for (std::size_t start = 0; start <= input.size();) {
        std::size_t end = input.find('\n', start);
        if (end == std::string_view::npos) end = input.size();
        const std::string_view line = input.substr(start, end - start);
        start = end + 1;

        const trelvani::MemoryControls before = session.controls();
        trelvani::batch::StringOutput reply;
        const bool valid = session.Handle(line, reply);
        const json answer = json::parse(reply.text, nullptr, false);
        Check(answer.is_object() && answer.contains(valid ? "texts" : "invalid"), "malformed reply", line);

        const json document = json::parse(line, nullptr, false);
        const bool expected = !document.is_discarded() && ShapeIsRight(line, document) && !HasRepeatedKey(line);
        Check(valid == expected, valid ? "accepted a bad line" : "rejected a good line", line);
        if (!valid) {
            Check(session.controls() == before, "an invalid line changed a box", line);
        } else if (!document.contains("click") && document.contains("set")) {
            for (const auto& [name, text] : document["set"].items()) {
                Check(session.controls().Text(*trelvani::BoxNamed(name)) == text.get<std::string>(),
                      "a text was not set as given", line);
            }
        }
    }
    return 0;
}
