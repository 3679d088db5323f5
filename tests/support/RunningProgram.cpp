// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "RunningProgram.h"

#include <array>
#include <csignal>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>

extern char** environ;

namespace sorvale::test {

RunningProgram::RunningProgram(const std::filesystem::path& executable) {
    std::filesystem::create_directories(executable.parent_path());
    std::filesystem::copy_file("/bin/sleep", executable);
    std::string program = executable.native();
    std::string seconds = "60";
    std::array<char*, 3> arguments{program.data(), seconds.data(), nullptr};
    if (::posix_spawn(&pid_, program.c_str(), nullptr, nullptr, arguments.data(), environ) != 0) {
        throw std::runtime_error("cannot start " + program);
    }
}

void RunningProgram::stop() {
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
}

} // namespace sorvale::test
