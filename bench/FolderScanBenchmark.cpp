// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
// Times sorvale-scan against the platform's own tools on a generated home-like tree, and on the
// system's /usr: `measure` against `du -s`, and `large-files` against `find -type f -size +N c`.
//
//   sorvale-bench-folders [--tree DIR] [--runs N]
//
// The tree (300,000 files in 30,000 folders, with links, hidden folders and a few large files)
// is generated once and reused while its marker file exists. Each command runs once to warm the
// cache, then the pairs alternate so both see the same machine state.

#include "BenchSupport.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <iostream>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kFolders = 30'000;
constexpr int kFiles = 300'000;
constexpr int kLinks = 3'000;
constexpr int kLargeFiles = 3;
constexpr off_t kLargeFileSize = 600'000'000;
constexpr std::int64_t kLargeThreshold = 500'000'000;
constexpr const char* kMarker = ".sorvale-bench-tree-v2";

void generateTree(const fs::path& root) {
    std::cerr << "generating " << kFiles << " files in " << kFolders << " folders under " << root
              << " (once)...\n";
    std::mt19937 random(42);
    const auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };

    std::vector<fs::path> folders;
    for (const char* top : {"Documents", "Projects", "Pictures", "Music", "Library/Caches",
                            "Library/Application Support", ".cache", ".local/share"}) {
        folders.push_back(root / top);
        fs::create_directories(folders.back());
    }
    while (static_cast<int>(folders.size()) < kFolders) {
        // Mostly any folder, sometimes a recent one, so the tree grows deep as well as wide.
        const int count = static_cast<int>(folders.size());
        const int span = below(10) < 7 ? count : std::min(count, 100);
        const fs::path& parent = folders[static_cast<std::size_t>(count - 1 - below(span))];
        const int number = static_cast<int>(folders.size());
        const int kind = below(100);
        const std::string name = kind < 5   ? ".hidden" + std::to_string(number)
                                 : kind < 7 ? "node_modules"
                                            : "folder" + std::to_string(number);
        fs::path folder = parent / name;
        if (fs::exists(folder)) {
            folder += "-" + std::to_string(number);
        }
        fs::create_directory(folder);
        folders.push_back(folder);
    }
    for (int i = 0; i < kFiles; ++i) {
        const int kind = below(100);
        const std::size_t bytes = kind < 30   ? 0
                                  : kind < 90 ? static_cast<std::size_t>(below(4096))
                                              : static_cast<std::size_t>(4096 + below(28 * 1024));
        sorvale::bench::writeFile(folders[static_cast<std::size_t>(below(kFolders))] /
                                      ("file" + std::to_string(i) + ".dat"),
                                  bytes);
    }
    for (int i = 0; i < kLinks; ++i) {
        const fs::path& from = folders[static_cast<std::size_t>(below(kFolders))];
        const fs::path& to = folders[static_cast<std::size_t>(below(kFolders))];
        fs::create_symlink(i % 3 == 0 ? fs::path("..") : to, from / ("link" + std::to_string(i)));
    }
    for (int i = 0; i < kLargeFiles; ++i) {
        const fs::path path = root / "Documents" / ("large" + std::to_string(i) + ".bin");
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0 || ::posix_fallocate(fd, 0, kLargeFileSize) != 0) {
            std::cerr << "cannot allocate " << path << "\n";
            std::exit(1);
        }
        ::close(fd);
    }
}

} // namespace

int main(int argc, char** argv) {
    const auto [tree, runs] =
        sorvale::bench::parseOptions(argc, argv, "/var/tmp/sorvale-bench-tree");
    sorvale::bench::ensureGenerated(tree, kMarker, generateTree);
    const std::string scan = SORVALE_SCAN_PATH;
    const std::string threshold = std::to_string(kLargeThreshold);
    std::printf("tree %s, median of %d runs after one warm-up run each\n", tree.c_str(), runs);
    sorvale::bench::compare("sorvale-scan measure", {scan, "measure", tree, "--json"}, "du -s",
                            {"du", "-s", tree}, runs, 0.50);
    sorvale::bench::compare(
        "sorvale-scan large-files", {scan, "large-files", tree, "--min-size", threshold, "--json"},
        "find -type f -size", {"find", tree, "-type", "f", "-size", "+" + threshold + "c"}, runs,
        0.55);
    // The system's own programs: a tree that nobody generated.
    const std::string tenMegabytes = "10000000";
    sorvale::bench::compare(
        "sorvale-scan large-files /usr",
        {scan, "large-files", "/usr", "--min-size", tenMegabytes, "--json"}, "find /usr -size",
        {"find", "/usr", "-type", "f", "-size", "+" + tenMegabytes + "c"}, runs, 0.55);
    return 0;
}
