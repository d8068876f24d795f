#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace trelvani::protocol {

// The input could not be read: not the same thing as its end.
class ReadFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Where the bytes of a session come from.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads at most `capacity` bytes, whatever has arrived, waiting only when
    // nothing has. 0 is the end of the input; a failure throws ReadFailure.
    virtual std::size_t Read(char* into, std::size_t capacity) = 0;
};

// A file descriptor read with read(2), which returns as soon as anything
// has arrived: a line from a pipe or a terminal is answered at once.
class DescriptorSource final : public ByteSource {
public:
    explicit DescriptorSource(int descriptor) : descriptor_(descriptor) {}
    std::size_t Read(char* into, std::size_t capacity) override;

private:
    int descriptor_;
};

// Splits a stream into lines without ever holding more than `limit` bytes
// of one: the rest of a longer line is skipped unread into memory. A line
// ends with LF or CRLF, and the end is not counted against the limit.
class LineReader {
public:
    enum class Status { Line, TooLong, OutOfMemory, End };

    LineReader(ByteSource& in, std::size_t limit) : in_(in), limit_(limit) {}

    // Fills `line` (without its end) and says what was found. A line of
    // nothing but blanks comes back empty, whatever its length.
    Status Next(std::string& line);

private:
    bool Refill();

    ByteSource& in_;
    std::size_t limit_;
    std::array<char, 64 * 1024> buffer_{};
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool ended_ = false;
};

}  // namespace trelvani::protocol
