// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
// sorvale-scan: runs one engine operation and prints what it found.

#include "Arguments.h"
#include "JsonOutput.h"
#include "TableOutput.h"
#include "engine/ScanEngine.h"
#include "platform/StandardLocations.h"

#include <iostream>
#include <string>
#include <variant>
#include <vector>

namespace {

using namespace sorvale;

void run(const cli::Arguments& arguments) {
    const engine::ScanEngine engine(arguments.systemRoot, arguments.layout);
    if (arguments.command == cli::Command::measure) {
        const engine::Measurement measurement = engine.measureAllocatedSize(*arguments.path);
        if (arguments.json) {
            cli::writeJson(std::cout, measurement);
        } else {
            cli::writeTable(std::cout, *arguments.path, measurement);
        }
        return;
    }

    model::ScanSnapshot snapshot;
    switch (arguments.command) {
    case cli::Command::junk:
        snapshot = engine.scanJunk(arguments.home);
        break;
    case cli::Command::applications:
        snapshot = engine.scanApplications(arguments.home);
        break;
    case cli::Command::largeFiles:
        snapshot =
            engine.scanLargeFiles(arguments.path.value_or(arguments.home), arguments.minimumSize);
        break;
    case cli::Command::downloads:
        snapshot =
            engine.scanTopLevel(arguments.home / "Downloads", model::CleanupCategory::downloads);
        break;
    case cli::Command::trash:
        snapshot = engine.scanTopLevel(platform::trashFilesFolder(arguments.home),
                                       model::CleanupCategory::trash);
        break;
    case cli::Command::measure:
        break;
    }
    if (arguments.json) {
        cli::writeJson(std::cout, snapshot);
    } else {
        cli::writeTable(std::cout, snapshot);
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    const cli::ParseResult parsed = cli::parseArguments(words, platform::homeFolder());
    if (std::holds_alternative<cli::HelpRequested>(parsed)) {
        std::cout << cli::usage();
        return 0;
    }
    if (std::holds_alternative<cli::VersionRequested>(parsed)) {
        std::cout << "sorvale-scan " SORVALE_VERSION "\n";
        return 0;
    }
    if (const auto* error = std::get_if<cli::UsageError>(&parsed)) {
        std::cerr << "sorvale-scan: " << error->message << " (see sorvale-scan --help)\n";
        return 2;
    }
    run(std::get<cli::Arguments>(parsed));
    std::cout.flush();
    return std::cout.good() ? 0 : 1;
}
