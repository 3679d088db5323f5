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
    // Show the scan's progress on standard error while it runs.
    bool progress = false;
};

struct HelpRequested {};

struct UsageError {
    std::string message;
};

using ParseResult = std::variant<Arguments, HelpRequested, UsageError>;

// Reads the command line (without the program name). `defaultHome` is used when --home is absent.
[[nodiscard]] ParseResult parseArguments(const std::vector<std::string>& words,
                                         const std::filesystem::path& defaultHome);

[[nodiscard]] const char* usage();

} // namespace sorvale::cli
