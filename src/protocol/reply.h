#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/controls.h"
#include "core/runtime_error.h"

namespace trelvani::protocol {

// Where a reply goes. A long reply arrives in pieces, so it is never held
// whole; a failed write throws.
class ReplyOutput {
public:
    virtual ~ReplyOutput() = default;
    virtual void Write(std::string_view piece) = 0;
    // Ends a reply; where a person or a program waits for it, it goes out now.
    virtual void EndLine() { Write("\n"); }
};

class StringOutput final : public ReplyOutput {
public:
    void Write(std::string_view piece) override { text.append(piece); }
    std::string text;
};

// A reply as the session writes it: the texts of every box and Mensajes,
// the error, then "steps" when `steps` holds their JSON array, then
// `moreMembers` (members of the reply written elsewhere, such as the cuts).
// It never allocates.
void WriteReply(ReplyOutput& out, const MemoryControls& controls, const std::optional<RuntimeError>& error,
                std::string_view steps = {}, std::string_view moreMembers = {});

// The reply to a line that was not answered, with the reason why. It never
// allocates.
void WriteInvalid(ReplyOutput& out, std::string_view reason);

}  // namespace trelvani::protocol
