// Allocation failures aimed at every allocation a line makes, one at a time
// and from one on: the line is either answered as without the failure, or
// rejected for memory with every box and Mensajes as they were.
#include <cstdlib>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "protocol/reply.h"
#include "protocol/session.h"
#include "study/cuts/cut_replies.h"

namespace {

// The allocation that fails (counted from 0 once armed), and whether every
// later one fails too.
long g_untilFailure = -1;
bool g_failFromThenOn = false;
bool g_failed = false;

void* Allocate(std::size_t size) {
    if (g_untilFailure == 0 || (g_failed && g_failFromThenOn)) {
        g_untilFailure = -1;
        g_failed = true;
        throw std::bad_alloc();
    }
    if (g_untilFailure > 0) --g_untilFailure;
    if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
    throw std::bad_alloc();
}

// Written into memory reserved beforehand, as standard output would be.
class FixedOutput final : public trelvani::protocol::ReplyOutput {
public:
    FixedOutput() { text.reserve(1 << 20); }
    void Write(std::string_view piece) override {
        ASSERT_LE(text.size() + piece.size(), text.capacity());
        text.append(piece);
    }
    std::string text;
};

struct Outcome {
    bool valid;
    std::string reply;
    trelvani::MemoryControls after;
    bool failed;
};

Outcome HandleFailing(const std::string& earlier, const std::string& line, long failAt, bool fromThenOn) {
    trelvani::CutReplies cuts;
    trelvani::protocol::Session session(cuts);
    FixedOutput ignored;
    session.Handle(earlier, ignored);
    FixedOutput out;
    g_failed = false;
    g_failFromThenOn = fromThenOn;
    g_untilFailure = failAt;
    const bool valid = session.Handle(line, out);
    g_untilFailure = -1;
    g_failFromThenOn = false;
    return {valid, out.text, session.controls(), g_failed};
}

TEST(AllocationFailure, ALineEitherSucceedsOrChangesNothing) {
    const std::string longText(100'000, '7');
    const std::string earlier = R"({"set":{"XI":"1","XII":"2","XIII":"3","XIV":"4","YI":"5","YIV":"8","ZI":")" +
                                longText + R"("},"click":"Maximo"})";
    const std::vector<std::string> lines = {
        R"({"set":{"YII":"6","YIII":"7"},"click":"Suma"})",
        R"({"set":{"ZII":")" + longText + R"("},"click":"XZ"})",
        R"({"set":{"XI":")" + longText + R"("},"click":"Minimo"})",
        R"({"set":{"YIV":"0"},"click":"Division"})",
        R"({"set":{"ZI":"1","ZII":"2","ZIII":"3","ZIV":"4"},"click":"DEFUZY"})",
        R"({"set":{"XI":"1"},"click":"Nada"})",
        // Equal means write Mensajes, and the steps are listed after it.
        R"({"set":{"YI":"1","YII":"2","YIII":"3","YIV":"4"},"click":"Maximo","steps":true})",
    };
    const std::string rejected = R"({"invalid":"memoria insuficiente para esta línea"})";
    for (const std::string& line : lines) {
        const Outcome expected = HandleFailing(earlier, line, -1, false);
        const trelvani::MemoryControls before = HandleFailing(earlier, "{}", -1, false).after;
        for (bool fromThenOn : {false, true}) {
            for (long failAt = 0;; ++failAt) {
                const Outcome outcome = HandleFailing(earlier, line, failAt, fromThenOn);
                const std::string where = line.substr(0, 40) + (fromThenOn ? ", from allocation " : ", allocation ") +
                                          std::to_string(failAt);
                if (outcome.reply == rejected) {
                    EXPECT_FALSE(outcome.valid) << where;
                    EXPECT_TRUE(outcome.after == before) << where;
                } else {
                    EXPECT_EQ(outcome.reply, expected.reply) << where;
                    EXPECT_EQ(outcome.valid, expected.valid) << where;
                    EXPECT_TRUE(outcome.after == expected.after) << where;
                }
                if (!outcome.failed) break;
            }
        }
    }
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
