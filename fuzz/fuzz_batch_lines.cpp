// Lines of a batch session against a reading of the same line through
// nlohmann-json's DOM: the streaming reader must accept exactly the lines of
// the right shape, set exactly their texts, and change nothing otherwise.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/buttons.h"
#include "protocol/line_reader.h"
#include "protocol/reply.h"
#include "protocol/session.h"
#include "study/cuts/cut_replies.h"

namespace {

using nlohmann::json;

void Check(bool condition, const char* what, std::string_view line) {
    if (condition) return;
    std::fprintf(stderr, "%s: %.*s\n", what, static_cast<int>(line.size()), line.data());
    std::abort();
}

// The DOM keeps only the last of a repeated key, so the parse callback
// watches for repeats itself.
json ParseNoticingRepeats(std::string_view line, bool& repeated) {
    std::vector<std::set<std::string>> open;
    return json::parse(line, [&](int, json::parse_event_t event, json& parsed) {
        if (event == json::parse_event_t::object_start) open.emplace_back();
        if (event == json::parse_event_t::object_end) open.pop_back();
        if (event == json::parse_event_t::key) repeated |= !open.back().insert(parsed.get<std::string>()).second;
        return true;
    }, false);
}

bool IsRequest(std::string_view line, const json& document) {
    if (line.find('\0') != std::string_view::npos || !document.is_object()) return false;
    for (const auto& [key, value] : document.items()) {
        if (key == "click") {
            if (!value.is_string() || trelvani::ButtonNamed(value.get<std::string>()) == nullptr) return false;
        } else if (key == "steps") {
            if (!value.is_boolean()) return false;
        } else if (key != "set" || !value.is_object()) {
            return false;
        } else {
            for (const auto& [name, text] : value.items()) {
                if (!trelvani::BoxNamed(name) || !text.is_string()) return false;
            }
        }
    }
    return true;
}

// The input as it may arrive from a pipe: in reads of any size, here
// from 1 byte to `largest`, chosen by a generator seeded from the input.
class SplitSource final : public trelvani::protocol::ByteSource {
public:
    SplitSource(std::string_view input, std::size_t largest) : input_(input), largest_(largest), state_(input.size()) {}
    std::size_t Read(char* into, std::size_t capacity) override {
        state_ = state_ * 6364136223846793005u + 1442695040888963407u;
        std::size_t count = 1 + (state_ >> 33) % largest_;
        count = std::min({count, capacity, input_.size() - at_});
        std::copy_n(input_.data() + at_, count, into);
        at_ += count;
        return count;
    }

private:
    std::string_view input_;
    std::size_t largest_;
    std::uint64_t state_;
    std::size_t at_ = 0;
};

// The whole session's replies, and whether every line was valid. A short
// line limit brings overlong lines within the fuzzer's reach.
std::string AnswerAll(std::string_view input, std::size_t largestRead) {
    SplitSource source(input, largestRead);
    trelvani::protocol::StringOutput out;
    trelvani::CutReplies cuts;
    const bool valid = trelvani::protocol::AnswerLines(source, out, cuts, 64);
    return out.text + (valid ? "valid" : "invalid");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    // However the input is split into reads, the replies are the same.
    const std::string whole = AnswerAll(input, input.size() + 1);
    for (std::size_t largest : {1u, 3u, 17u}) Check(AnswerAll(input, largest) == whole, "replies depend on the reads", input);

    trelvani::CutReplies cuts;
    trelvani::protocol::Session session(cuts);
    for (std::size_t start = 0; start <= input.size();) {
        std::size_t end = input.find('\n', start);
        if (end == std::string_view::npos) end = input.size();
        const std::string_view line = input.substr(start, end - start);
        start = end + 1;

        const trelvani::MemoryControls before = session.controls();
        trelvani::protocol::StringOutput reply;
        const bool valid = session.Handle(line, reply);
        const json answer = json::parse(reply.text, nullptr, false);
        Check(answer.is_object() && answer.contains(valid ? "texts" : "invalid"), "malformed reply", line);

        bool repeated = false;
        const json document = ParseNoticingRepeats(line, repeated);
        const bool expected = !document.is_discarded() && !repeated && IsRequest(line, document);
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
