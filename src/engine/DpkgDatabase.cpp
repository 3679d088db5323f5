// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "DpkgDatabase.h"

#include "platform/FileContents.h"

namespace sorvale::engine {
namespace {

namespace fs = std::filesystem;

// A status file of a desktop with every package of an archive installed stays far below this.
constexpr std::size_t kMostStatusBytes = std::size_t{256} << 20;
constexpr std::size_t kMostListBytes = std::size_t{64} << 20;

// Calls `visit` with every line of `text`.
template <class Visit>
void forEachLine(std::string_view text, Visit visit) {
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        visit(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
}

} // namespace

std::vector<DpkgPackage> parseDpkgStatus(std::string_view text) {
    std::vector<DpkgPackage> packages;
    DpkgPackage current;
    const auto finish = [&] {
        if (!current.name.empty()) {
            packages.push_back(std::move(current));
        }
        current = {};
    };
    forEachLine(text, [&](std::string_view line) {
        if (line.empty()) {
            finish();
            return;
        }
        const std::size_t colon = line.find(':');
        if (line.starts_with(' ') || colon == std::string_view::npos) {
            return;
        }
        const std::string_view field = line.substr(0, colon);
        std::string_view value = line.substr(colon + 1);
        while (value.starts_with(' ')) {
            value.remove_prefix(1);
        }
        if (field == "Package") {
            current.name = value;
        } else if (field == "Architecture") {
            current.architecture = value;
        } else if (field == "Status") {
            // "<want> <flag> <state>"
            current.state = value.substr(std::min(value.rfind(' ') + 1, value.size()));
        } else if (field == "Priority") {
            current.priority = value;
        } else if (field == "Essential") {
            current.essential = value == "yes";
        } else if (field == "Multi-Arch") {
            current.multiArchSame = value == "same";
        }
    });
    finish();
    return packages;
}

std::vector<DpkgPackage> readDpkgStatus(const fs::path& dpkgFolder) {
    const auto text = platform::readRegularFile(dpkgFolder / "status", kMostStatusBytes);
    return text ? parseDpkgStatus(*text) : std::vector<DpkgPackage>{};
}

std::vector<std::string> packageFiles(const fs::path& dpkgFolder, const DpkgPackage& package,
                                      std::string_view prefix) {
    auto text = platform::readRegularFile(dpkgFolder / "info" /
                                              (package.name + ":" + package.architecture + ".list"),
                                          kMostListBytes);
    if (!text) {
        text = platform::readRegularFile(dpkgFolder / "info" / (package.name + ".list"),
                                         kMostListBytes);
    }
    std::vector<std::string> files;
    if (text) {
        forEachLine(*text, [&](std::string_view line) {
            if (line.starts_with(prefix) && line.starts_with('/')) {
                files.emplace_back(line);
            }
        });
    }
    return files;
}

} // namespace sorvale::engine
