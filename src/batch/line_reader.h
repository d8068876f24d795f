#pragma once

#include <array>
#include <cstddef>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace trelvani::batch {

// The input could not be read: not the same thing as its end.
class ReadFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Splits a stream into lines without ever holding more than `limit` bytes
// of one: the rest of a longer line is skipped unread into memory.
class LineReader {
public:
    enum class Status { Line, TooLong, OutOfMemory, End };

    LineReader(std::FILE* in, std::size_t limit) : in_(in), limit_(limit) {}

    // Fills `line` (without its newline) and says what was found. Throws
    // ReadFailure when the stream reports an error.
    Status Next(std::string& line);

private:
    bool Refill();

    std::FILE* in_;
    std::size_t limit_;
    std::array<char, 64 * 1024> buffer_{};
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
};

}  // namespace trelvani::batch
