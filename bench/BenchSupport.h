// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace sorvale::bench {

struct Options {
    std::filesystem::path tree;
    int runs = 9;
};

// Reads "--tree DIR" and "--runs N" from the command line.
Options parseOptions(int argc, char** argv, std::filesystem::path defaultTree);

// The middle value (the upper one of an even count); `values` is not empty.
[[nodiscard]] double median(std::vector<double> values);

// Unless `root` holds the `marker` file of an earlier complete run, empties `root`, fills it with
// `generate` and then writes the marker, so an interrupted generation is started over.
void ensureGenerated(const std::filesystem::path& root, const std::string& marker,
                     const std::function<void(const std::filesystem::path&)>& generate);

// A file holding `bytes` bytes of data.
void writeFile(const std::filesystem::path& path, std::size_t bytes);

// Wall time of one run of `command` (an argument vector), its output discarded. Exits the
// benchmark when the command cannot run or fails.
double secondsToRun(const std::vector<std::string>& command);

// Runs both commands once to warm the cache, then `runs` times each, alternating so that both see
// the same machine state, and prints their median wall times and the ratio ours / reference
// against the largest ratio that meets the goal.
void compare(const std::string& label, const std::vector<std::string>& ours,
             const std::string& referenceLabel, const std::vector<std::string>& reference, int runs,
             double targetRatio);

// Prints one measured figure against its goal: `value` must stay below `limit`, in `unit`.
void reportGoal(const std::string& label, double value, double limit, const std::string& unit);

} // namespace sorvale::bench
