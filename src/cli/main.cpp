// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
// sorvale-scan: runs one engine operation and prints what it found.

#include "Arguments.h"
#include "JsonOutput.h"
#include "TableOutput.h"
#include "engine/ScanEngine.h"
#include "engine/ScanProgress.h"
#include "model/ByteCountFormat.h"
#include "platform/StandardLocations.h"

#include <chrono>
#include <condition_variable>
#include <iostream>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <variant>
#include <vector>

namespace {

using namespace sorvale;

// Writes the scan's figures over one line of standard error four times a second until stopped.
class ProgressLine {
public:
    explicit ProgressLine(const engine::ScanProgress& progress)
        : thread_([&progress](const std::stop_token& stop) {
            // Waits on the stop request itself, so the scan's end is not held up by a sleep.
            std::mutex mutex;
            std::condition_variable_any woken;
            std::unique_lock lock(mutex);
            while (!woken.wait_for(lock, stop, std::chrono::milliseconds(250),
                                   [&stop] { return stop.stop_requested(); })) {
                const auto [entries, items, bytes] = progress.figures();
                std::cerr << "\r\033[K" << entries << " entries, " << items << " items, "
                          << model::formatByteCount(bytes) << std::flush;
            }
            std::cerr << "\r\033[K" << std::flush;
        }) {}

private:
    std::jthread thread_;
};

void run(const cli::Arguments& arguments) {
    const engine::ScanEngine engine(arguments.systemRoot, arguments.layout);
    // The walks count as they go whether or not anyone looks, as they do in the window.
    engine::ScanProgress progress;
    const engine::ScanProgress::Scope scope(&progress);
    std::optional<ProgressLine> line;
    if (arguments.progress) {
        line.emplace(progress);
    }
    if (arguments.command == cli::Command::measure) {
        const engine::Measurement measurement = engine.measureAllocatedSize(*arguments.path);
        line.reset();
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
    line.reset();
    if (arguments.json) {
        cli::writeJson(std::cout, snapshot);
    } else {
        cli::writeTable(std::cout, snapshot);
    }
}

} // namespace

int main(int argc, char** argv) {
    // The output is written through iostreams only; unsynchronised, it is buffered in bulk.
    std::ios::sync_with_stdio(false);
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
