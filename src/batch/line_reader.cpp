#include "batch/line_reader.h"

#include <cerrno>
#include <cstring>
#include <new>
#include <string_view>

namespace trelvani::batch {

bool LineReader::Refill() {
    begin_ = 0;
    end_ = std::fread(buffer_.data(), 1, buffer_.size(), in_);
    if (end_ > 0) return true;
    if (std::ferror(in_)) throw ReadFailure(std::strerror(errno));
    return false;
}

LineReader::Status LineReader::Next(std::string& line) {
    line.clear();
    Status found = Status::Line;
    bool any = false;
    const auto drop = [&line](Status why) {
        std::string().swap(line);
        return why;
    };
    while (begin_ < end_ || Refill()) {
        any = true;
        const char* start = buffer_.data() + begin_;
        const auto* newline = static_cast<const char*>(std::memchr(start, '\n', end_ - begin_));
        const std::size_t length = newline ? static_cast<std::size_t>(newline - start) : end_ - begin_;
        if (found == Status::Line && line.size() + length > limit_) found = drop(Status::TooLong);
        if (found == Status::Line) {
            try {
                line.append(start, length);
            } catch (const std::bad_alloc&) {
                found = drop(Status::OutOfMemory);
            }
        }
        begin_ += length;
        if (newline) {
            ++begin_;
            return found;
        }
    }
    return any ? found : Status::End;
}

}  // namespace trelvani::batch
