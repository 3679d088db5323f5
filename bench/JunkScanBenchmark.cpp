// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
// Times `sorvale-scan junk` against `du -s` of the same generated home, once for a home laid out
// like a macOS home folder (caches, sandbox containers, Application Support, Xcode and simulator
// data, Mail and device backups) and once for a freedesktop home (the cache folder, Electron
// applications' settings, Flatpak and Snap applications, developer stores, thumbnails, the
// Trash), each next to documents the junk scan has no business reading.
//
//   sorvale-bench-junk [--tree DIR] [--runs N]
//
// The homes (over 300,000 and 200,000 entries) are generated once, DIR and DIR-linux, and reused
// while their marker files exist.

#include "BenchSupport.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <random>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr const char* kMarker = ".sorvale-bench-junk-home-v1";
constexpr const char* kLinuxMarker = ".sorvale-bench-junk-linux-home-v1";

class HomeBuilder {
public:
    explicit HomeBuilder(fs::path home)
        : home_(std::move(home)) {}

    // `files` files of up to 8 KB below `relative`, fifty to a subfolder, `depth` folders deep.
    void fill(const fs::path& relative, int files, int depth = 1) {
        fs::path folder;
        for (int i = 0; i < files; ++i) {
            if (i % 50 == 0) {
                folder = home_ / relative;
                for (int level = 0; level < depth; ++level) {
                    folder /= "d" + std::to_string((i / 50) % 7 + level);
                }
                folder += "-" + std::to_string(i / 50);
                fs::create_directories(folder);
            }
            sorvale::bench::writeFile(folder / ("f" + std::to_string(i)),
                                      std::uniform_int_distribution<std::size_t>(0, 8192)(random_));
        }
        ++entries_;
        entries_ += files + files / 50 * depth;
    }

    [[nodiscard]] long entries() const { return entries_; }

private:
    fs::path home_;
    std::mt19937 random_{7};
    long entries_ = 0;
};

void generateHome(const fs::path& home) {
    std::cerr << "generating a demo home under " << home << " (once)...\n";
    HomeBuilder build(home);
    for (int app = 0; app < 150; ++app) {
        build.fill("Library/Caches/com.example.app" + std::to_string(app), 300, 2);
    }
    for (int app = 0; app < 300; ++app) {
        const fs::path container = "Library/Containers/com.example.sandboxed" + std::to_string(app);
        build.fill(container / "Data/Library/Caches", 100);
        build.fill(container / "Data/Documents", 50);
    }
    for (int group = 0; group < 50; ++group) {
        build.fill("Library/Group Containers/group.com.example." + std::to_string(group) +
                       "/Library/Caches",
                   100);
    }
    for (int app = 0; app < 200; ++app) {
        const fs::path support = "Library/Application Support/Vendor" + std::to_string(app % 20) +
                                 "/App" + std::to_string(app);
        build.fill(support / "Cache", 100);
        build.fill(support / "Data", 150, 3);
    }
    for (int project = 0; project < 20; ++project) {
        build.fill("Library/Developer/Xcode/DerivedData/Project" + std::to_string(project), 3000,
                   3);
    }
    for (int device = 0; device < 10; ++device) {
        build.fill("Library/Developer/CoreSimulator/Devices/DEVICE-" + std::to_string(device), 3000,
                   4);
    }
    for (int account = 0; account < 4; ++account) {
        const fs::path mail = "Library/Mail/V10/Account" + std::to_string(account);
        build.fill(mail / "INBOX.mbox/Data/Attachments", 5000, 2);
        build.fill(mail / "INBOX.mbox/Data/Messages", 5000);
    }
    for (int backup = 0; backup < 2; ++backup) {
        build.fill("Library/Application Support/MobileSync/Backup/BACKUP-" + std::to_string(backup),
                   10000);
    }
    build.fill("Library/Logs/DiagnosticReports", 2000);
    build.fill(".npm/_cacache", 10000, 2);
    build.fill(".cache/pip", 10000, 2);
    build.fill("Documents", 20000, 3);
    std::cerr << build.entries() << " entries\n";
}

void generateLinuxHome(const fs::path& home) {
    std::cerr << "generating a freedesktop demo home under " << home << " (once)...\n";
    HomeBuilder build(home);
    for (int app = 0; app < 150; ++app) {
        build.fill(".cache/app" + std::to_string(app), 300, 2);
    }
    for (int app = 0; app < 100; ++app) {
        const fs::path settings = ".config/Electron App " + std::to_string(app);
        for (const char* cache : {"Cache/Cache_Data", "Code Cache/js", "GPUCache"}) {
            build.fill(settings / cache, 60);
        }
        build.fill(settings / "Local Storage/leveldb", 50);
        build.fill(settings / "User/globalStorage", 50, 2);
    }
    for (int app = 0; app < 50; ++app) {
        const fs::path sandbox = ".var/app/org.example.App" + std::to_string(app);
        build.fill(sandbox / "cache", 100);
        build.fill(sandbox / "data", 100, 2);
    }
    for (int app = 0; app < 20; ++app) {
        build.fill("snap/app" + std::to_string(app) + "/common/.cache", 100);
    }
    build.fill(".cache/thumbnails/normal", 10000);
    build.fill(".npm/_cacache", 10000, 2);
    build.fill(".cargo/registry/src", 20000, 3);
    build.fill(".gradle/caches", 10000, 3);
    build.fill("go/pkg/mod", 20000, 3);
    build.fill(".m2/repository", 10000, 3);
    build.fill(".local/share/Trash/files", 2000, 2);
    build.fill("Documents", 20000, 3);
    std::cerr << build.entries() << " entries\n";
}

} // namespace

int main(int argc, char** argv) {
    const auto [home, runs] =
        sorvale::bench::parseOptions(argc, argv, "/var/tmp/sorvale-bench-junk-home");
    sorvale::bench::ensureGenerated(home, kMarker, generateHome);
    // An empty system root: the benchmark times the home folder, not this machine's /Library.
    const fs::path systemRoot = home.parent_path() / (home.filename().native() + "-system-root");
    fs::create_directories(systemRoot);
    std::printf("home %s, median of %d runs after one warm-up run each\n", home.c_str(), runs);
    sorvale::bench::compare("sorvale-scan junk --layout macos",
                            {SORVALE_SCAN_PATH, "junk", "--home", home, "--system-root", systemRoot,
                             "--layout", "macos", "--json"},
                            "du -s", {"du", "-s", home}, runs, 0.60);

    // The freedesktop home's folders are its own, whatever this session's are.
    for (const char* variable : {"XDG_CACHE_HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"}) {
        ::unsetenv(variable);
    }
    const fs::path linuxHome = home.native() + "-linux";
    sorvale::bench::ensureGenerated(linuxHome, kLinuxMarker, generateLinuxHome);
    std::printf("home %s, median of %d runs after one warm-up run each\n", linuxHome.c_str(), runs);
    sorvale::bench::compare("sorvale-scan junk --layout linux",
                            {SORVALE_SCAN_PATH, "junk", "--home", linuxHome, "--system-root",
                             systemRoot, "--layout", "linux", "--json"},
                            "du -s", {"du", "-s", linuxHome}, runs, 0.60);
    return 0;
}
