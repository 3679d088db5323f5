// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "Arguments.h"

#include <charconv>
#include <string_view>

namespace sorvale::cli {
namespace {

struct CommandName {
    std::string_view word;
    Command command;
};

constexpr CommandName kCommands[] = {
    {"junk", Command::junk},           {"applications", Command::applications},
    {"measure", Command::measure},     {"large-files", Command::largeFiles},
    {"downloads", Command::downloads}, {"trash", Command::trash},
};

std::optional<std::int64_t> parseByteCount(std::string_view text) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || value < 0) {
        return std::nullopt;
    }
    return value;
}

} // namespace

const char* usage() {
    return "usage: sorvale-scan <junk | applications | measure PATH | large-files [PATH] |\n"
           "                     downloads | trash>\n"
           "                    [--home DIR] [--system-root DIR] [--layout macos|linux]\n"
           "                    [--min-size BYTES] [--json]\n"
           "       sorvale-scan --help | --version\n"
           "\n"
           "Runs one read-only scan and prints what it found, as a table or as JSON.\n"
           "It never changes anything on disk.\n"
           "\n"
           "commands:\n"
           "  junk                caches, logs, developer stores, the Trash and what the layout\n"
           "                      adds: simulator data, Mail attachments, backups and universal\n"
           "                      applications (macos); package caches, journals, runtimes and\n"
           "                      old snaps (linux)\n"
           "  applications        installed applications with their support files, leftovers\n"
           "                      of removed ones and installer files\n"
           "  measure PATH        allocated bytes of PATH and everything below it\n"
           "  large-files [PATH]  files of at least --min-size bytes below PATH, or below the\n"
           "                      home folder\n"
           "  downloads           every entry of the home folder's Downloads\n"
           "  trash               every item waiting in the Trash\n"
           "\n"
           "options:\n"
           "  --home DIR          the home folder to scan instead of the current user's\n"
           "  --system-root DIR   the folder that system locations and tools are found under\n"
           "                      (default /)\n"
           "  --layout NAME       read homes as macOS (macos) or freedesktop (linux) homes;\n"
           "                      the default is this system's\n"
           "  --min-size BYTES    the smallest file large-files reports (default 500000000)\n"
           "  --json              print JSON instead of a table\n"
           "  -h, --help          print this help and exit\n"
           "  --version           print the version and exit\n"
           "\n"
           "exit status:\n"
           "  0                   the result was printed\n"
           "  1                   the result could not be written to standard output\n"
           "  2                   bad arguments: one line on standard error names the mistake\n";
}

ParseResult parseArguments(const std::vector<std::string>& words,
                           const std::filesystem::path& defaultHome) {
    Arguments arguments;
    std::optional<Command> command;
    std::vector<std::string> operands;
    std::optional<std::string> home;
    std::optional<std::string> systemRoot;
    std::optional<std::string> minimumSize;
    std::optional<std::string> layout;

    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "--help" || word == "-h") {
            return HelpRequested{};
        }
        if (word == "--version") {
            return VersionRequested{};
        }
        if (word == "--json") {
            arguments.json = true;
            continue;
        }
        std::optional<std::string>* target = word == "--home"          ? &home
                                             : word == "--system-root" ? &systemRoot
                                             : word == "--min-size"    ? &minimumSize
                                             : word == "--layout"      ? &layout
                                                                       : nullptr;
        if (target != nullptr) {
            if (i + 1 == words.size()) {
                return UsageError{word + " needs a value"};
            }
            *target = words[++i];
            continue;
        }
        if (word.starts_with("-") && word != "-") {
            return UsageError{"unknown option '" + word + "'"};
        }
        if (!command) {
            for (const CommandName& known : kCommands) {
                if (word == known.word) {
                    command = known.command;
                }
            }
            if (!command) {
                return UsageError{"unknown command '" + word + "'"};
            }
            continue;
        }
        operands.push_back(word);
    }

    if (!command) {
        return UsageError{"no command given"};
    }
    arguments.command = *command;
    const std::size_t maximumOperands =
        *command == Command::measure || *command == Command::largeFiles ? 1 : 0;
    if (operands.size() > maximumOperands) {
        return UsageError{"unexpected argument '" + operands[maximumOperands] + "'"};
    }
    if (*command == Command::measure && operands.empty()) {
        return UsageError{"measure needs a PATH"};
    }
    if (!operands.empty()) {
        arguments.path = std::filesystem::path(operands.front());
    }
    if (minimumSize) {
        if (*command != Command::largeFiles) {
            return UsageError{"--min-size applies only to large-files"};
        }
        const auto bytes = parseByteCount(*minimumSize);
        if (!bytes) {
            return UsageError{"--min-size needs a whole number of bytes, not '" + *minimumSize +
                              "'"};
        }
        arguments.minimumSize = *bytes;
    }
    if (home && home->empty()) {
        return UsageError{"--home needs a non-empty path"};
    }
    if (systemRoot && systemRoot->empty()) {
        return UsageError{"--system-root needs a non-empty path"};
    }
    if (layout) {
        const auto chosen = model::fromRawValue<model::HomeLayout>(*layout);
        if (!chosen) {
            return UsageError{"--layout needs macos or linux, not '" + *layout + "'"};
        }
        arguments.layout = *chosen;
    }
    arguments.home = home ? std::filesystem::path(*home) : defaultHome;
    if (systemRoot) {
        arguments.systemRoot = *systemRoot;
    }
    return arguments;
}

} // namespace sorvale::cli
