#include "protocol/line_reader.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <new>
#include <string_view>

#include "text/character_classes.h"

namespace trelvani::protocol {

std::size_t DescriptorSource::Read(char* into, std::size_t capacity) {
    for (;;) {
        const ssize_t count = ::read(descriptor_, into, capacity);
        if (count >= 0) return static_cast<std::size_t>(count);
        if (errno != EINTR) throw ReadFailure(std::strerror(errno));
    }
}

bool LineReader::Refill() {
    begin_ = 0;
    end_ = 0;
    // Once the input has ended it is not read again: at a terminal another
    // read would wait for another Ctrl-D.
    if (ended_) return false;
    end_ = in_.Read(buffer_.data(), buffer_.size());
    ended_ = end_ == 0;
    return !ended_;
}

LineReader::Status LineReader::Next(std::string& line) {
    line.clear();
    Status found = Status::Line;
    bool blank = true;
    // A CR at the end of what has arrived: the line's end if an LF follows.
    bool pendingCr = false;
    const auto append = [&](std::string_view bytes) {
        blank = blank && AllBlank(bytes);
        if (found != Status::Line) return;
        if (line.size() + bytes.size() > limit_) {
            found = Status::TooLong;
        } else {
            try {
                line.append(bytes);
                return;
            } catch (const std::bad_alloc&) {
                found = Status::OutOfMemory;
            }
        }
        std::string().swap(line);
    };
    const auto result = [&] {
        // A blank line is skipped, however long it was.
        if (found != Status::Line && blank) found = Status::Line;
        return found;
    };
    bool any = false;
    while (begin_ < end_ || Refill()) {
        any = true;
        const char* start = buffer_.data() + begin_;
        const auto* newline = static_cast<const char*>(std::memchr(start, '\n', end_ - begin_));
        std::string_view piece(start, newline ? static_cast<std::size_t>(newline - start) : end_ - begin_);
        begin_ += piece.size() + (newline ? 1 : 0);
        if (pendingCr && !(newline && piece.empty())) append("\r");
        pendingCr = false;
        if (!piece.empty() && piece.back() == '\r') {
            piece.remove_suffix(1);
            pendingCr = newline == nullptr;
        }
        append(piece);
        if (newline) return result();
    }
    if (!any) return Status::End;
    if (pendingCr) append("\r");
    return result();
}

}  // namespace trelvani::protocol
