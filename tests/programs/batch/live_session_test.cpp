// trelvani-batch as a co-process: each line is written and its reply read
// back before anything more is sent, through a pipe and through a terminal.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "co_process.h"

namespace {

using trelvani::testing::CoProcess;

// One exchange: what is sent, then the start of the reply awaited before
// the next exchange ("" for none).
struct Exchange {
    std::string send;
    std::string replyStart;
};

struct LiveCase {
    const char* name;
    bool terminal;
    std::vector<Exchange> exchanges;
    std::string atEnd;  // sent last, to end the input ("" closes the pipe)
    std::string lastReplyStart;  // the reply that the end of input brings
    int status;
};

std::string SetXI(const std::string& text) { return R"({"set":{"XI":")" + text + R"("}})"; }

TEST(LiveSession, EachLineIsAnsweredBeforeTheNextIsSent) {
    const std::string answered = R"({"texts":{"XI":"1",)";
    const std::string limitLine = SetXI(std::string((4u << 20) - SetXI("").size(), '1'));
    const std::string blankTooLong(5u << 20, ' ');
    const std::vector<LiveCase> cases = {
        {"pipe", false, {{SetXI("1") + "\n", answered}, {R"({"click":"Borrar"})" "\n", R"({"texts":{"XI":"",)"}}, "",
         "", 0},
        {"pipe, a line of exactly the limit with CRLF", false,
         {{limitLine + "\r\n", R"({"texts":{"XI":"111)"}, {SetXI("1") + "\r\n", answered}}, "", "", 0},
        {"pipe, one byte past the limit with CRLF", false,
         {{limitLine + "1\r\n", R"({"invalid":"línea demasiado larga)"}}, "", "", 1},
        {"pipe, a blank line past the limit", false, {{blankTooLong + "\n" + SetXI("1") + "\n", answered}}, "", "",
         0},
        {"pipe, a last line without its newline", false, {{SetXI("1") + "\n", answered}, {SetXI("2"), ""}}, "",
         R"({"texts":{"XI":"2",)", 0},
        {"terminal", true, {{SetXI("1") + "\n", answered}, {R"({"click":"Suma"})" "\n", R"({"texts":{"XI":"1",)"}},
         "\x04", "", 0},
        {"terminal, Ctrl-D after a line without its newline", true, {{SetXI("2"), ""}}, "\x04\x04",
         R"({"texts":{"XI":"2",)", 0},
    };
    for (const LiveCase& c : cases) {
        CoProcess batch(TRELVANI_BATCH_EXE, c.terminal);
        for (const Exchange& exchange : c.exchanges) {
            ASSERT_TRUE(batch.Send(exchange.send)) << c.name;
            if (exchange.replyStart.empty()) continue;
            const std::string reply = batch.Reply();
            EXPECT_EQ(reply.rfind(exchange.replyStart, 0), 0u) << c.name << ": " << reply.substr(0, 80);
        }
        if (c.atEnd.empty()) {
            batch.CloseInput();
        } else {
            batch.Send(c.atEnd);
        }
        if (!c.lastReplyStart.empty()) {
            const std::string reply = batch.Reply();
            EXPECT_EQ(reply.rfind(c.lastReplyStart, 0), 0u) << c.name << ": " << reply.substr(0, 80);
        }
        EXPECT_EQ(batch.Status(), c.status) << c.name;
    }
}

}  // namespace
