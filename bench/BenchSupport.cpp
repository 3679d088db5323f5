// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "BenchSupport.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iostream>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace sorvale::bench {
double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

Options parseOptions(int argc, char** argv, std::filesystem::path defaultTree) {
    Options options{std::move(defaultTree)};
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--tree") {
            options.tree = argv[i + 1];
        } else if (option == "--runs") {
            options.runs = std::max(1, std::atoi(argv[i + 1]));
        }
    }
    return options;
}

void ensureGenerated(const std::filesystem::path& root, const std::string& marker,
                     const std::function<void(const std::filesystem::path&)>& generate) {
    if (std::filesystem::exists(root / marker)) {
        return;
    }
    std::filesystem::remove_all(root);
    generate(root);
    std::ofstream(root / marker) << "complete\n";
}

void writeFile(const std::filesystem::path& path, std::size_t bytes) {
    static const std::string data(64 * 1024, 'x');
    std::ofstream out(path, std::ios::binary);
    out.write(data.data(), static_cast<std::streamsize>(std::min(bytes, data.size())));
}

double secondsToRun(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const std::string& word : command) {
        argv.push_back(const_cast<char*>(word.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        std::cerr << "cannot start " << command.front() << "\n";
        std::exit(1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::cerr << command.front() << " failed\n";
        std::exit(1);
    }
    return std::chrono::duration<double>(elapsed).count();
}

void compare(const std::string& label, const std::vector<std::string>& ours,
             const std::string& referenceLabel, const std::vector<std::string>& reference, int runs,
             double targetRatio) {
    secondsToRun(ours);
    secondsToRun(reference);
    std::vector<double> oursTimes;
    std::vector<double> referenceTimes;
    // Which of the two runs first alternates, so neither gains from the state the other leaves.
    for (int i = 0; i < runs; ++i) {
        if (i % 2 == 0) {
            oursTimes.push_back(secondsToRun(ours));
            referenceTimes.push_back(secondsToRun(reference));
        } else {
            referenceTimes.push_back(secondsToRun(reference));
            oursTimes.push_back(secondsToRun(ours));
        }
    }
    const double a = median(oursTimes);
    const double b = median(referenceTimes);
    std::printf("%-28s %8.3f s   %-22s %8.3f s   ratio %.2f   target <= %.2f  %s\n", label.c_str(),
                a, referenceLabel.c_str(), b, a / b, targetRatio,
                a / b <= targetRatio ? "met" : "MISSED");
    std::fflush(stdout);
}

void reportGoal(const std::string& label, double value, double limit, const std::string& unit) {
    std::printf("%-48s %8.1f %s   target < %.0f %s  %s\n", label.c_str(), value, unit.c_str(),
                limit, unit.c_str(), value < limit ? "met" : "MISSED");
    std::fflush(stdout);
}

} // namespace sorvale::bench
