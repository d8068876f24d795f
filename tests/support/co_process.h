#pragma once

// A program run as a co-process, its standard input and output on one
// descriptor each (a pipe, or a terminal as a person has it), for tests
// that write a line and await its reply before sending more.
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <string>

namespace trelvani::testing {

using Clock = std::chrono::steady_clock;
constexpr auto kReplyWithin = std::chrono::seconds(5);

class CoProcess {
public:
    CoProcess(const char* program, bool terminal) : program_(program) {
        if (terminal) {
            int master = -1;
            termios settings{};
            cfmakeraw(&settings);
            // A terminal as a person has it, without the echo of what is typed.
            settings.c_iflag = ICRNL;
            settings.c_oflag = OPOST | ONLCR;
            settings.c_lflag = ICANON | ISIG;
            settings.c_cc[VEOF] = 4;
            settings.c_cc[VMIN] = 1;
            pid_ = forkpty(&master, nullptr, &settings, nullptr);
            if (pid_ == 0) Exec();
            in_ = out_ = master;
        } else {
            int toChild[2], fromChild[2];
            if (pipe(toChild) != 0 || pipe(fromChild) != 0) return;
            pid_ = fork();
            if (pid_ == 0) {
                dup2(toChild[0], STDIN_FILENO);
                dup2(fromChild[1], STDOUT_FILENO);
                for (int fd : {toChild[0], toChild[1], fromChild[0], fromChild[1]}) close(fd);
                Exec();
            }
            close(toChild[0]);
            close(fromChild[1]);
            in_ = toChild[1];
            out_ = fromChild[0];
        }
    }
    ~CoProcess() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (in_ >= 0) close(in_);
        if (out_ != in_ && out_ >= 0) close(out_);
    }

    bool Send(const std::string& bytes) {
        for (std::size_t sent = 0; sent < bytes.size();) {
            const ssize_t n = write(in_, bytes.data() + sent, bytes.size() - sent);
            if (n <= 0) return false;
            sent += static_cast<std::size_t>(n);
        }
        return true;
    }
    void CloseInput() {
        if (in_ != out_) {
            close(in_);
            in_ = -1;
        }
    }

    // The next reply line, or "(nothing)" when none comes in time.
    std::string Reply() {
        const auto deadline = Clock::now() + kReplyWithin;
        for (;;) {
            if (const auto end = pending_.find('\n'); end != std::string::npos) {
                std::string line = pending_.substr(0, end);
                pending_.erase(0, end + 1);
                if (!line.empty() && line.back() == '\r') line.pop_back();
                return line;
            }
            if (!Await(deadline)) return "(nothing)";
        }
    }

    // The exit status once the program has ended by itself, or -1.
    int Status() {
        const auto deadline = Clock::now() + kReplyWithin;
        while (Clock::now() < deadline) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            usleep(10'000);
        }
        return -1;
    }

private:
    [[noreturn]] void Exec() const {
        execl(program_, program_, static_cast<char*>(nullptr));
        _exit(127);
    }
    bool Await(Clock::time_point deadline) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return false;
        pollfd ready{out_, POLLIN, 0};
        if (poll(&ready, 1, static_cast<int>(left.count())) <= 0) return false;
        char chunk[65536];
        const ssize_t n = read(out_, chunk, sizeof chunk);
        if (n <= 0) return false;
        pending_.append(chunk, static_cast<std::size_t>(n));
        return true;
    }

    const char* program_;
    pid_t pid_ = -1;
    int in_ = -1;
    int out_ = -1;
    std::string pending_;
};

}  // namespace trelvani::testing
