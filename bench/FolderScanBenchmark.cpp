// Times sorvale-scan against the platform's own tools on a generated home-like tree:
// `measure` against `du -s`, and `large-files` against `find -type f -size +N c`.
//
//   sorvale-bench-folders [--tree DIR] [--runs N]
//
// The tree (300,000 files in 30,000 folders, with links, hidden folders and a few large files)
// is generated once and reused while its marker file exists. Each command runs once to warm the
// cache, then the pairs alternate so both see the same machine state.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr int kFolders = 30'000;
constexpr int kFiles = 300'000;
constexpr int kLinks = 3'000;
constexpr int kLargeFiles = 3;
constexpr off_t kLargeFileSize = 600'000'000;
constexpr std::int64_t kLargeThreshold = 500'000'000;
constexpr const char* kMarker = ".sorvale-bench-tree-v2";

void writeFile(const fs::path& path, std::size_t bytes) {
    static const std::string data(64 * 1024, 'x');
    std::ofstream out(path, std::ios::binary);
    out.write(data.data(), static_cast<std::streamsize>(bytes));
}

void generateTree(const fs::path& root) {
    std::cerr << "generating " << kFiles << " files in " << kFolders << " folders under " << root
              << " (once)...\n";
    fs::remove_all(root);
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
        writeFile(folders[static_cast<std::size_t>(below(kFolders))] /
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
    std::ofstream(root / kMarker) << "complete\n";
}

// Wall time of one run, its output discarded.
double secondsToRun(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const std::string& word : command) {
        argv.push_back(const_cast<char*>(word.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        std::cerr << "cannot start " << command.front() << "\n";
        std::exit(1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::cerr << command.front() << " failed\n";
        std::exit(1);
    }
    return std::chrono::duration<double>(elapsed).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void compare(const std::string& label, const std::vector<std::string>& ours,
             const std::vector<std::string>& reference, int runs) {
    secondsToRun(ours);
    secondsToRun(reference);
    std::vector<double> oursTimes;
    std::vector<double> referenceTimes;
    for (int i = 0; i < runs; ++i) {
        oursTimes.push_back(secondsToRun(ours));
        referenceTimes.push_back(secondsToRun(reference));
    }
    const double a = median(oursTimes);
    const double b = median(referenceTimes);
    std::printf("%-34s %8.3f s   %-36s %8.3f s   ratio %.2f\n", label.c_str(), a,
                reference.front() == "du" ? "du -s" : "find -type f -size", b, a / b);
}

} // namespace

int main(int argc, char** argv) {
    fs::path tree = "/var/tmp/sorvale-bench-tree";
    int runs = 9;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--tree") {
            tree = argv[i + 1];
        } else if (option == "--runs") {
            runs = std::max(1, std::atoi(argv[i + 1]));
        }
    }
    if (!fs::exists(tree / kMarker)) {
        generateTree(tree);
    }
    const std::string scan = SORVALE_SCAN_PATH;
    std::printf("tree %s, median of %d runs after one warm-up run each\n", tree.c_str(), runs);
    compare("sorvale-scan measure", {scan, "measure", tree, "--json"}, {"du", "-s", tree}, runs);
    compare("sorvale-scan large-files",
            {scan, "large-files", tree, "--min-size", std::to_string(kLargeThreshold), "--json"},
            {"find", tree, "-type", "f", "-size", "+" + std::to_string(kLargeThreshold) + "c"},
            runs);
    return 0;
}
