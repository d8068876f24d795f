#include "protocol/reply.h"

#include <array>
#include <cstddef>
#include <cstring>

#include "text/json_writer.h"

namespace trelvani::protocol {
namespace {

// Holds a reply in a small buffer of its own and passes it on in pieces.
// It never allocates, so a reply can be given whatever memory is left.
class ReplyBuffer final : public JsonOutput {
public:
    explicit ReplyBuffer(ReplyOutput& out) : out_(out) {}

    void Append(std::string_view text) override {
        if (text.empty()) return;
        if (text.size() > buffer_.size() - size_) {
            Flush();
            // A long text goes out as it stands rather than through the buffer.
            if (text.size() >= buffer_.size()) return out_.Write(text);
        }
        std::memcpy(buffer_.data() + size_, text.data(), text.size());
        size_ += text.size();
    }

    void Flush() {
        if (size_ > 0) out_.Write({buffer_.data(), size_});
        size_ = 0;
    }

private:
    ReplyOutput& out_;
    std::array<char, 16 * 1024> buffer_;
    std::size_t size_ = 0;
};

}  // namespace

void WriteReply(ReplyOutput& out, const MemoryControls& controls, const std::optional<RuntimeError>& error,
                std::string_view steps, std::string_view moreMembers) {
    ReplyBuffer buffer(out);
    JsonWriter reply(buffer);
    reply.BeginObject().Key("texts").BeginObject();
    for (Box box : kAllBoxes) reply.Key(BoxName(box)).String(controls.View(box));
    reply.Key("Mensajes").String(controls.Mensajes()).EndObject().Key("error");
    if (error) {
        reply.BeginObject().Key("number").Integer(error->code()).Key("description").String(error->description());
        reply.EndObject();
    } else {
        reply.Null();
    }
    if (!steps.empty()) reply.Key("steps").Raw(steps);
    reply.RawMembers(moreMembers).EndObject();
    buffer.Flush();
}

void WriteInvalid(ReplyOutput& out, std::string_view reason) {
    ReplyBuffer buffer(out);
    JsonWriter(buffer).BeginObject().Key("invalid").String(reason).EndObject();
    buffer.Flush();
}

}  // namespace trelvani::protocol
