// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "ToolRunner.h"

#include "model/Utf8.h"
#include "platform/EntryValues.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace sorvale::engine {
namespace {

// xcrun picks the Xcode to use from DEVELOPER_DIR; the release Xcode wins over a beta.
constexpr std::array<std::string_view, 2> kDeveloperFolders{
    "/Applications/Xcode.app/Contents/Developer",
    "/Applications/Xcode-beta.app/Contents/Developer"};

std::vector<std::string> environmentWith(std::string_view name, const std::string& value) {
    std::vector<std::string> environment;
    const std::string prefix = std::string(name) + "=";
    for (char** variable = environ; *variable != nullptr; ++variable) {
        if (std::string_view(*variable).substr(0, prefix.size()) != prefix) {
            environment.emplace_back(*variable);
        }
    }
    environment.push_back(prefix + value);
    return environment;
}

std::vector<char*> nullTerminated(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    pointers.reserve(strings.size() + 1);
    for (std::string& string : strings) {
        pointers.push_back(string.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

bool makePipe(std::array<int, 2>& fds) {
#ifdef __linux__
    return ::pipe2(fds.data(), O_CLOEXEC) == 0;
#else
    if (::pipe(fds.data()) != 0) {
        return false;
    }
    ::fcntl(fds[0], F_SETFD, FD_CLOEXEC);
    ::fcntl(fds[1], F_SETFD, FD_CLOEXEC);
    return true;
#endif
}

// Starts the tool with one pipe as both standard output and standard error; -1 when it cannot.
pid_t spawnWithPipe(const std::string& program, std::vector<std::string> arguments,
                    std::vector<std::string>* environment, int pipeWrite) {
    posix_spawn_file_actions_t actions;
    if (::posix_spawn_file_actions_init(&actions) != 0) {
        return -1;
    }
    ::posix_spawn_file_actions_adddup2(&actions, pipeWrite, STDOUT_FILENO);
    ::posix_spawn_file_actions_adddup2(&actions, pipeWrite, STDERR_FILENO);
    std::vector<char*> argv = nullTerminated(arguments);
    std::vector<char*> envp;
    if (environment != nullptr) {
        envp = nullTerminated(*environment);
    }
    pid_t pid = -1;
    const int error = ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(),
                                    environment != nullptr ? envp.data() : environ);
    ::posix_spawn_file_actions_destroy(&actions);
    return error == 0 ? pid : -1;
}

std::string drain(int fd) {
    std::string bytes;
    std::array<char, 64 * 1024> buffer{};
    for (;;) {
        const ssize_t count = ::read(fd, buffer.data(), buffer.size());
        if (count > 0) {
            bytes.append(buffer.data(), static_cast<std::size_t>(count));
        } else if (count == 0 || errno != EINTR) {
            return bytes;
        }
    }
}

int waitForExit(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            return -1;
        }
    }
    if (WIFEXITED(status)) {
        return WEXITSTATUS(status);
    }
    // A tool killed by a signal reports the signal's number, as the platform's process API does.
    return WIFSIGNALED(status) ? WTERMSIG(status) : -1;
}

} // namespace

ToolResult ToolRunner::run(std::string_view executable,
                           const std::vector<std::string>& arguments) const {
    const std::string program = setup_.systemPath(executable).native();

    std::vector<std::string> environment;
    bool ownEnvironment = false;
    if (executable == ScanEngine::kXcrun) {
        for (std::string_view folder : kDeveloperFolders) {
            if (const auto developerFolder = setup_.systemPath(folder);
                platform::fileExists(developerFolder)) {
                environment = environmentWith("DEVELOPER_DIR", developerFolder.native());
                ownEnvironment = true;
                break;
            }
        }
    }

    std::array<int, 2> pipe{-1, -1};
    if (!makePipe(pipe)) {
        return {};
    }
    std::vector<std::string> argv{program};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    const pid_t pid =
        spawnWithPipe(program, std::move(argv), ownEnvironment ? &environment : nullptr, pipe[1]);
    ::close(pipe[1]);
    if (pid < 0) {
        ::close(pipe[0]);
        return {};
    }
    // Read everything before waiting, so a tool that writes more than a pipe holds never stalls.
    const std::string output = drain(pipe[0]);
    ::close(pipe[0]);
    return {.status = waitForExit(pid), .output = model::toValidUtf8(output)};
}

} // namespace sorvale::engine
