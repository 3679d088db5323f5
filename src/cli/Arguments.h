// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "model/HomeLayout.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace sorvale::cli {

enum class Command { junk, applications, measure, largeFiles, downloads, trash };

struct Arguments {
    Command command = Command::downloads;
    // The folder to measure or to search for large files; none means the home folder.
    std::optional<std::filesystem::path> path;
    std::filesystem::path home;
    std::filesystem::path systemRoot = "/";
    model::HomeLayout layout = model::hostLayout();
    std::int64_t minimumSize = 500'000'000;
    bool json = false;
};

struct HelpRequested {};
struct VersionRequested {};

struct UsageError {
    std::string message;
};

using ParseResult = std::variant<Arguments, HelpRequested, VersionRequested, UsageError>;

// Reads the command line (without the program name). `defaultHome` is used when --home is absent.
[[nodiscard]] ParseResult parseArguments(const std::vector<std::string>& words,
                                         const std::filesystem::path& defaultHome);

// What --help prints. The manual page (docs/sorvale-scan.1) repeats its synopsis, commands and
// options word for word, and a test holds the two together.
[[nodiscard]] const char* usage();

} // namespace sorvale::cli
