// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "ToolRunner.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace sorvale::updater {
namespace {

using Clock = std::chrono::steady_clock;
constexpr std::chrono::milliseconds kPollInterval{100};

std::vector<char*> argumentVector(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    pointers.reserve(strings.size() + 1);
    for (std::string& string : strings) {
        pointers.push_back(string.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

// What a spawn needs, released on every path.
class SpawnSettings {
public:
    SpawnSettings() {
        ::posix_spawn_file_actions_init(&actions);
        ::posix_spawnattr_init(&attributes);
    }
    ~SpawnSettings() {
        ::posix_spawn_file_actions_destroy(&actions);
        ::posix_spawnattr_destroy(&attributes);
    }
    SpawnSettings(const SpawnSettings&) = delete;
    SpawnSettings& operator=(const SpawnSettings&) = delete;

    // Signals start with their default handling and unblocked, whatever this process chose.
    void resetSignals(short flags) {
        sigset_t none;
        sigemptyset(&none);
        sigset_t defaults;
        sigemptyset(&defaults);
        sigaddset(&defaults, SIGPIPE);
        ::posix_spawnattr_setsigmask(&attributes, &none);
        ::posix_spawnattr_setsigdefault(&attributes, &defaults);
        ::posix_spawnattr_setflags(&attributes, static_cast<short>(flags | POSIX_SPAWN_SETSIGMASK |
                                                                   POSIX_SPAWN_SETSIGDEF));
    }

    posix_spawn_file_actions_t actions{};
    posix_spawnattr_t attributes{};
};

// Zero with `pid` set, else the errno value of the failure.
int spawn(pid_t& pid, const std::filesystem::path& tool, const std::vector<std::string>& arguments,
          SpawnSettings& settings) {
    std::vector<std::string> strings{tool.native()};
    strings.insert(strings.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv = argumentVector(strings);
    return ::posix_spawn(&pid, tool.c_str(), &settings.actions, &settings.attributes, argv.data(),
                         environ);
}

int exitStatus(int waitStatus) {
    if (WIFEXITED(waitStatus)) {
        return WEXITSTATUS(waitStatus);
    }
    return WIFSIGNALED(waitStatus) ? 128 + WTERMSIG(waitStatus) : -1;
}

void waitUntilGone(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
}

// Reads what the pipe holds now; false once it reached its end.
bool readAvailable(int fd, std::string& into) {
    std::array<char, 64 * 1024> buffer{};
    for (;;) {
        const ssize_t count = ::read(fd, buffer.data(), buffer.size());
        if (count > 0) {
            into.append(buffer.data(), static_cast<std::size_t>(count));
        } else if (count == 0) {
            return false;
        } else if (errno != EINTR) {
            return true;
        }
    }
}

class Pipe {
public:
    Pipe() {
#ifdef __linux__
        // Close-on-exec from the start: another thread may spawn a tool at any moment.
        if (::pipe2(fds_.data(), O_CLOEXEC) != 0) {
            return;
        }
#else
        if (::pipe(fds_.data()) != 0) {
            return;
        }
        ::fcntl(fds_[0], F_SETFD, FD_CLOEXEC);
        ::fcntl(fds_[1], F_SETFD, FD_CLOEXEC);
#endif
        ::fcntl(fds_[0], F_SETFL, ::fcntl(fds_[0], F_GETFL) | O_NONBLOCK);
    }
    ~Pipe() {
        closeWriteEnd();
        if (fds_[0] >= 0) {
            ::close(fds_[0]);
        }
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    [[nodiscard]] bool isOpen() const {
        return fds_[0] >= 0;
    }
    [[nodiscard]] int readEnd() const {
        return fds_[0];
    }
    [[nodiscard]] int writeEnd() const {
        return fds_[1];
    }
    void closeWriteEnd() {
        if (fds_[1] >= 0) {
            ::close(fds_[1]);
            fds_[1] = -1;
        }
    }

private:
    std::array<int, 2> fds_{-1, -1};
};

} // namespace

ToolRun runTool(const std::filesystem::path& tool, const std::vector<std::string>& arguments,
                std::chrono::milliseconds timeLimit, const std::function<bool()>& cancelled) {
    ToolRun run;
    Pipe pipe;
    if (!pipe.isOpen()) {
        run.startError = errno;
        return run;
    }
    SpawnSettings settings;
    ::posix_spawn_file_actions_addopen(&settings.actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    ::posix_spawn_file_actions_adddup2(&settings.actions, pipe.writeEnd(), STDOUT_FILENO);
    ::posix_spawn_file_actions_adddup2(&settings.actions, pipe.writeEnd(), STDERR_FILENO);
    // A group of its own, so that a hung tool is ended together with whatever it started.
    ::posix_spawnattr_setpgroup(&settings.attributes, 0);
    settings.resetSignals(POSIX_SPAWN_SETPGROUP);
    pid_t pid = -1;
    if (const int error = spawn(pid, tool, arguments, settings); error != 0) {
        run.startError = error;
        return run;
    }
    pipe.closeWriteEnd();

    const auto deadline = Clock::now() + timeLimit;
    bool pipeOpen = true;
    for (;;) {
        int waitStatus = 0;
        if (::waitpid(pid, &waitStatus, WNOHANG) == pid) {
            // Whatever the tool left behind it still holds the pipe open; only what is there
            // counts.
            if (pipeOpen) {
                (void)readAvailable(pipe.readEnd(), run.output);
            }
            run.ending = ToolRun::Ending::exited;
            run.status = exitStatus(waitStatus);
            return run;
        }
        const bool timedOut = Clock::now() >= deadline;
        if (timedOut || (cancelled && cancelled())) {
            ::kill(-pid, SIGKILL);
            ::kill(pid, SIGKILL);
            waitUntilGone(pid);
            run.ending = timedOut ? ToolRun::Ending::timedOut : ToolRun::Ending::cancelled;
            return run;
        }
        const auto remaining =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        const int wait = static_cast<int>(
            std::clamp(remaining, std::chrono::milliseconds(1), kPollInterval).count());
        pollfd readable{pipe.readEnd(), POLLIN, 0};
        if (::poll(&readable, pipeOpen ? 1 : 0, wait) > 0 && pipeOpen) {
            pipeOpen = readAvailable(pipe.readEnd(), run.output);
        }
    }
}

int startDetached(const std::filesystem::path& tool, const std::vector<std::string>& arguments) {
    SpawnSettings settings;
    settings.resetSignals(POSIX_SPAWN_SETSID);
    pid_t pid = -1;
    return spawn(pid, tool, arguments, settings);
}

} // namespace sorvale::updater
