#pragma once

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <string_view>

#include "protocol/line_reader.h"

// How the command-line programs stop when they cannot go on.
namespace trelvani::programs {

// The exit status of a program that could not read, write or hold what it
// needed; what it wrote before still stands.
inline constexpr int kCannotGoOn = 2;

// A reply that cannot be written stops the program: going on would answer
// lines that nobody sees.
struct WriteFailure {
    int error = errno;
};

// Writes all of `text` to standard output, now.
inline void WriteAll(std::string_view text) {
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
        throw WriteFailure{};
    }
}

// Says on standard error why `program` stops: "program: what: why".
inline int Stop(std::string_view program, std::string_view what, std::string_view why) {
    std::fprintf(stderr, "%.*s: %.*s: %.*s\n", static_cast<int>(program.size()), program.data(),
                 static_cast<int>(what.size()), what.data(), static_cast<int>(why.size()), why.data());
    return kCannotGoOn;
}

// Runs `answer`, which reads lines and writes replies, and stops `program`
// with its reason where reading, writing or memory failed.
template <class Answer>
int StopOnFailure(std::string_view program, Answer answer) {
    try {
        return answer();
    } catch (const protocol::ReadFailure& failure) {
        return Stop(program, "no se pudo leer la entrada", failure.what());
    } catch (const WriteFailure& failure) {
        return Stop(program, "no se pudo escribir la respuesta", std::strerror(failure.error));
    } catch (const std::bad_alloc&) {
        return Stop(program, "memoria insuficiente", std::strerror(ENOMEM));
    }
}

}  // namespace trelvani::programs
