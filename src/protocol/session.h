#pragma once

#include <cstddef>
#include <string_view>

#include "core/controls.h"
#include "protocol/cut_answers.h"
#include "protocol/reply.h"
#include "protocol/session_controls.h"

namespace trelvani::protocol {

// The longest line a session takes. Far beyond any real box text, and it
// bounds what one line can make the program hold.
inline constexpr std::size_t kMaxLineBytes = std::size_t{4} << 20;

// The reason given for a line that could not be held in memory.
inline constexpr std::string_view kNoMemoryReason = "memoria insuficiente para esta línea";

// One line of a batch session: checks its shape as it is read, applies its
// "set", runs its "click" and writes the reply (without the newline).
class Session {
public:
    // `cuts` answers a request's "alpha" and "conventions"; it outlives the session.
    explicit Session(CutAnswers& cuts) : cuts_(cuts) {}

    // True when the line was valid. An invalid line changes nothing.
    bool Handle(std::string_view line, ReplyOutput& out);
    // The answer to a line that never reached Handle, such as one too long.
    static void Reject(std::string_view reason, ReplyOutput& out) { WriteInvalid(out, reason); }

    const MemoryControls& controls() const { return controls_.boxes(); }

private:
    CutAnswers& cuts_;
    SessionControls controls_;
};

// True for a line with nothing but JSON white space: it gets no reply.
bool IsBlank(std::string_view line);

class ByteSource;

// Answers every line of `in` in one session, each as soon as it has arrived.
// True when every line was valid. A failed read (ReadFailure) or write (the
// output's own exception) ends it; std::bad_alloc leaves it only where no
// reply could be given at all.
bool AnswerLines(ByteSource& in, ReplyOutput& out, CutAnswers& cuts, std::size_t limit = kMaxLineBytes);

}  // namespace trelvani::protocol
