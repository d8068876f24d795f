// The batch session compiled to WebAssembly, so that Node can check it line
// for line against the native trelvani-batch.
#include <emscripten.h>

#include <cstddef>
#include <string_view>

#include "protocol/session.h"
#include "study/cuts/cut_replies.h"

namespace {

trelvani::CutReplies g_cuts;
trelvani::protocol::Session g_session(g_cuts);
trelvani::protocol::StringOutput g_reply;

}  // namespace

extern "C" {

// Answers one line; the reply stays valid until the next call. A blank line
// gets none (a null pointer), as in trelvani-batch.
EMSCRIPTEN_KEEPALIVE const char* trelvani_batch_handle(const char* line, std::size_t length,
                                                       std::size_t* replyLength) {
    *replyLength = 0;
    if (trelvani::protocol::IsBlank(std::string_view(line, length))) return nullptr;
    g_reply.text.clear();
    g_session.Handle(std::string_view(line, length), g_reply);
    *replyLength = g_reply.text.size();
    return g_reply.text.data();
}

}  // extern "C"
