// The decision methods compiled to WebAssembly, so that Node can check them
// line for line against the native trelvani-decision: the page must give the
// same bits as the program.
#include <emscripten.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

#include "protocol/line_reader.h"
#include "study/decision/problem_reading.h"
#include "study/decision/reply.h"
#include "study/decision/solution.h"

namespace {

// One line handed in from JavaScript, read as the program reads its input:
// the same limit, the same blank lines skipped.
class LineBytes final : public trelvani::protocol::ByteSource {
public:
    explicit LineBytes(std::string_view bytes) : rest_(bytes) {}
    std::size_t Read(char* into, std::size_t capacity) override {
        const std::size_t count = std::min(capacity, rest_.size());
        std::memcpy(into, rest_.data(), count);
        rest_.remove_prefix(count);
        return count;
    }

private:
    std::string_view rest_;
};

std::string g_reply;

}  // namespace

extern "C" {

// Answers one problem line (without its line end) with the reply line, also
// without its end; the reply stays valid until the next call. A blank line
// gets none (a null pointer), as in trelvani-decision.
EMSCRIPTEN_KEEPALIVE const char* trelvani_decision_handle(const char* line, std::size_t length,
                                                          std::size_t* replyLength) {
    using Status = trelvani::protocol::LineReader::Status;
    *replyLength = 0;
    LineBytes bytes(std::string_view(line, length));
    trelvani::protocol::LineReader lines(bytes, trelvani::decision::kMaxProblemBytes);
    std::string problem;
    const Status status = lines.Next(problem);
    if (status == Status::End || (status == Status::Line && problem.empty())) return nullptr;
    g_reply = status == Status::Line ? trelvani::decision::AnswerProblem(problem).reply
                                     : trelvani::decision::ErrorJson(trelvani::decision::UnreadLineReason(status == Status::TooLong));
    *replyLength = g_reply.size();
    return g_reply.data();
}

}  // extern "C"
