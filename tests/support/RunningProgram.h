// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <sys/types.h>

namespace sorvale::test {

// A real process whose executable is `executable`, a copy of sleep made there, so that whatever
// looks at the running processes sees a program of that name. It is killed when it goes.
class RunningProgram {
public:
    explicit RunningProgram(const std::filesystem::path& executable);
    ~RunningProgram() { stop(); }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    void stop();

private:
    pid_t pid_ = -1;
};

} // namespace sorvale::test
