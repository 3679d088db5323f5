// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "UniversalBinaries.h"

#include "ApplicationBundles.h"
#include "DirectoryWalker.h"
#include "ToolRunner.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sorvale::engine {
namespace {

namespace fs = std::filesystem;
using model::CleanupCategory;

constexpr std::string_view kSystemApplications = "/Applications";
// The fat header magic numbers, 32- and 64-bit, in both byte orders.
constexpr std::array<std::array<unsigned char, 4>, 4> kUniversalSignatures{{
    {0xCA, 0xFE, 0xBA, 0xBE},
    {0xBE, 0xBA, 0xFE, 0xCA},
    {0xCA, 0xFE, 0xBA, 0xBF},
    {0xBF, 0xBA, 0xFE, 0xCA},
}};
// Thinning an executable that saves less is not worth touching a signed application for.
constexpr std::int64_t kMinimumSaving = 64'001;

// Every application bundle below the roots; bundles inside bundles are not listed.
std::vector<model::Location> findApplications(const std::vector<fs::path>& roots,
                                              std::int64_t& inaccessible) {
    static constexpr std::array<std::string_view, 1> kApplicationExtension{"app"};
    std::vector<model::Location> applications;
    for (const fs::path& root : roots) {
        findBundles(
            root, kApplicationExtension,
            [&](const WalkEntry& bundle) { applications.push_back(bundle.location()); },
            inaccessible);
    }
    return applications;
}

bool isUniversalMachO(const fs::path& file) {
    // Non-blocking, so that a named pipe cannot hold the scan.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    std::array<unsigned char, 4> magic{};
    const ssize_t count = ::read(fd, magic.data(), magic.size());
    ::close(fd);
    return count == static_cast<ssize_t>(magic.size()) &&
           std::find(kUniversalSignatures.begin(), kUniversalSignatures.end(), magic) !=
               kUniversalSignatures.end();
}

} // namespace

model::ScanSnapshot UniversalBinaries::scan(const fs::path& home) const {
    model::ScanSnapshot universal;
    for (const model::Location& application :
         findApplications({setup_.systemPath(kSystemApplications), home / "Applications"},
                          universal.inaccessibleCount)) {
        std::vector<model::Location> executables;
        std::int64_t saving = 0;
        walkCounting(
            walkRootOf(application), WalkOptions{.skipHiddenEntries = true},
            [&](const WalkEntry& entry) {
                // Only regular files: frameworks link their executables from several places, and
                // a link must neither count twice nor be replaced by a file.
                const auto& values = entry.values();
                if (!values || values->type != platform::EntryType::regular ||
                    !isUniversalMachO(entry.path()) || ::access(entry.path().c_str(), W_OK) != 0) {
                    return WalkAction::descend;
                }
                const auto nativeSize = nativeSliceSize(entry.path());
                if (!nativeSize) {
                    return WalkAction::descend;
                }
                const std::int64_t fileSaving = values->fileSize.value_or(0) - *nativeSize;
                if (fileSaving >= kMinimumSaving) {
                    executables.push_back(entry.location());
                    saving += fileSaving;
                }
                return WalkAction::descend;
            },
            universal.inaccessibleCount);
        if (saving >= 1) {
            const fs::path path = application.path();
            const auto values = platform::readEntryValues(path);
            universal.items.push_back(model::CleanupItem{
                .id = application,
                .url = application,
                .name = path.stem().native(),
                .size = saving,
                .category = CleanupCategory::universalBinaries,
                .isSelected = false,
                .modifiedAt = values ? values->contentModificationDate : std::nullopt,
                .relatedFiles = std::move(executables),
                .operation = model::CleanupOperation::optimizeUniversal(),
                .owner = {},
                .icon = {},
                .nameParts = {},
            });
        }
    }
    return universal;
}

std::optional<std::int64_t> UniversalBinaries::nativeSliceSize(const fs::path& file) const {
    const ToolResult result =
        ToolRunner(setup_).run(ScanEngine::kLipo, {"-detailed_info", file.native()});
    const std::string nativeHeader = "architecture " + std::string(ScanEngine::kNativeArchitecture);
    if (result.status != 0 || result.output.find(nativeHeader) == std::string::npos) {
        return std::nullopt;
    }
    bool inNativeSlice = false;
    std::string_view rest = result.output;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        const std::size_t first = line.find_first_not_of(" \t");
        line = first == std::string_view::npos ? std::string_view{} : line.substr(first);
        line = line.substr(0, line.find_last_not_of(" \t") + 1);

        if (line.starts_with("architecture ")) {
            inNativeSlice = line == nativeHeader;
        } else if (inNativeSlice && line.starts_with("size ")) {
            std::string_view number = line.substr(5);
            number.remove_prefix(std::min(number.find_first_not_of(' '), number.size()));
            number = number.substr(0, number.find(' '));
            std::int64_t size = 0;
            const auto [parsedTo, error] =
                std::from_chars(number.data(), number.data() + number.size(), size);
            if (error == std::errc{} && parsedTo == number.data() + number.size()) {
                return size;
            }
        }
    }
    return std::nullopt;
}

} // namespace sorvale::engine
