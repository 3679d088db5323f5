// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT

#include "FlatpakInstallation.h"

#include "DirectoryWalker.h"
#include "platform/EntryValues.h"
#include "platform/FileContents.h"

#include <sstream>

namespace sorvale::engine {
namespace {

namespace fs = std::filesystem;

// Far above any real metadata file.
constexpr std::size_t kMostMetadataBytes = 1 << 20;

} // namespace

std::vector<DeployedRef> deployedRefs(const fs::path& installation, std::string_view kind,
                                      std::int64_t& inaccessible) {
    std::vector<DeployedRef> found;
    const fs::path root = installation / kind;
    walkCounting(
        root, WalkOptions{},
        [&](const WalkEntry& entry) {
            if (entry.type() != platform::EntryType::directory) {
                return WalkAction::skipDescendants;
            }
            if (entry.depth() < 3) {
                return WalkAction::descend;
            }
            const fs::path inside = entry.path().lexically_relative(root);
            found.push_back({inside.begin()->native(), inside.native(), entry.path()});
            return WalkAction::skipDescendants;
        },
        inaccessible);
    return found;
}

std::optional<fs::path> activeDeployment(const fs::path& refFolder) {
    return platform::linkWithinFolder(refFolder, "active", 1);
}

std::optional<fs::path> currentDeployment(const fs::path& applicationFolder) {
    const auto branch = platform::linkWithinFolder(applicationFolder, "current", 2);
    return branch ? activeDeployment(*branch) : std::nullopt;
}

FlatpakMetadata readFlatpakMetadata(const fs::path& deployment) {
    FlatpakMetadata metadata;
    std::istringstream lines(
        platform::readRegularFile(deployment / "metadata", kMostMetadataBytes).value_or(""));
    std::string line;
    std::string group;
    while (std::getline(lines, line)) {
        if (line.starts_with('[') && line.ends_with(']')) {
            group = line.substr(1, line.size() - 2);
            constexpr std::string_view kExtension = "Extension ";
            if (group.starts_with(kExtension)) {
                metadata.extensionPoints.push_back(group.substr(kExtension.size()));
            }
            continue;
        }
        if (group != "Application" && group != "Runtime") {
            continue;
        }
        for (const std::string_view key : {"runtime=", "sdk="}) {
            if (line.starts_with(key)) {
                metadata.refs.push_back(line.substr(key.size()));
            }
        }
        if (group == "Application" && line.starts_with("command=")) {
            metadata.command = line.substr(std::string_view("command=").size());
        }
    }
    return metadata;
}

} // namespace sorvale::engine
