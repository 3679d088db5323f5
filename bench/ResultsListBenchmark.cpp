// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
// Times the results list over 100,000 items: making it for new contents, a search keystroke, a
// category change, each sort order (first use after the list was made, and again), a new
// selection; then, in a process of its own, shows the window over the same items and reports its
// memory.
//
//   sorvale-bench-results [--tree DIR] [--runs N]
//
// The home, whose Downloads folder holds the 100,000 files, is generated once and reused while its
// marker file exists.

#include "BenchSupport.h"
#include "MainWindow.h"
#include "ResultsList.h"

#include <QGuiApplication>
#include <QProcess>
#include <QQmlExtensionPlugin>
#include <QQuickStyle>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTimer>

#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <iostream>
#include <optional>
#include <random>
#include <sys/stat.h>

Q_IMPORT_QML_PLUGIN(SorvalePlugin)

namespace {

namespace fs = std::filesystem;
using namespace sorvale;

constexpr int kItems = 100'000;
constexpr const char* kMarker = ".sorvale-bench-results-home-v1";

// Names like a real Downloads folder: words, numbers, a few cases and extensions.
std::string fileName(std::mt19937& random, int index) {
    static const std::vector<std::string> words{
        "invoice", "Report",  "photo", "IMG",    "setup",  "Budget", "notes",  "Screenshot",
        "draft",   "Archive", "scan",  "Résumé", "slides", "export", "Backup", "meeting"};
    static const std::vector<std::string> extensions{".pdf", ".zip", ".dmg",  ".png",
                                                     ".mov", ".txt", ".heic", ".pkg"};
    std::uniform_int_distribution<std::size_t> word(0, words.size() - 1);
    std::uniform_int_distribution<std::size_t> extension(0, extensions.size() - 1);
    return words[word(random)] + " " + words[word(random)] + " " + std::to_string(index) +
           extensions[extension(random)];
}

void generateHome(const fs::path& home) {
    std::cerr << "generating " << kItems << " downloads under " << home << " (once)...\n";
    fs::create_directories(home / "Downloads");
    std::mt19937 random(11);
    std::uniform_int_distribution<std::size_t> bytes(0, 40'000);
    std::uniform_int_distribution<long> age(0, 3 * 365 * 86'400L);
    const auto now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    for (int index = 0; index < kItems; ++index) {
        const fs::path file = home / "Downloads" / fileName(random, index);
        bench::writeFile(file, bytes(random));
        const timespec time{now - age(random), 0};
        const timespec times[2] = {time, time};
        ::utimensat(AT_FDCWD, file.c_str(), times, AT_SYMLINK_NOFOLLOW);
    }
}

double milliseconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

// Prints the median time of `runs` runs of `work`, `prepare` running untimed before each, against
// its goal when it has one.
void report(
    const std::string& label, int runs, const std::function<void()>& work,
    const std::function<void()>& prepare = [] {}, std::optional<double> goal = std::nullopt) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        prepare();
        times.push_back(milliseconds(work));
    }
    if (goal) {
        bench::reportGoal(label, bench::median(times), *goal, "ms");
        return;
    }
    std::printf("%-48s %8.1f ms\n", label.c_str(), bench::median(times));
    std::fflush(stdout);
}

bool scanDownloads(store::CleanupStore& store) {
    store.scanDownloads();
    while (store.displayedState().value("kind") != "complete") {
        QSignalSpy spy(&store, &store::CleanupStore::displayedStateChanged);
        if (!spy.wait(600'000)) {
            return false;
        }
    }
    if (store.itemsOf(model::AppSection::downloads).size() != kItems) {
        std::cerr << "the Downloads scan did not find the " << kItems << " files\n";
        return false;
    }
    return true;
}

long statusMegabytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) {
            return std::atol(line.c_str() + std::strlen(field)) / 1024;
        }
    }
    return -1;
}

int timeTheList(int runs) {
    store::CleanupStore store{engine::ScanEngine()};
    if (!scanDownloads(store)) {
        return 1;
    }
    std::printf("results list of %d items, median of %d runs\n", kItems, runs);
    std::unique_ptr<ui::ResultsList> made;
    report(
        "make the list for new contents (with name keys)", 1,
        [&] { made = std::make_unique<ui::ResultsList>(store); }, [] {}, 120.0);
    ui::ResultsList& list = *made;
    const auto rebuild = [&] {
        store.selectSection("overview");
        store.selectSection("downloads");
    };
    report("show the section again (size order)", runs, rebuild);
    int keystroke = 0;
    report("search keystroke", runs,
           [&] { list.setSearchText(++keystroke % 2 != 0 ? "rep" : "repo"); });
    list.setSearchText("");
    int change = 0;
    report("category change", runs,
           [&] { list.setSelectedCategory(++change % 2 != 0 ? "downloads" : ""); });
    list.setSelectedCategory("");
    for (const QString order : {"Name", "Modified", "Size"}) {
        const QString other = order == "Size" ? "Name" : "Size";
        report(
            "sort by " + order.toStdString() + ", first time", runs,
            [&] { list.setSortOrder(order); },
            [&] {
                list.setSortOrder(other);
                rebuild();
                list.setSortOrder(other);
            },
            order == "Name" ? std::optional(50.0) : std::nullopt);
        report(
            "sort by " + order.toStdString() + ", again", runs, [&] { list.setSortOrder(order); },
            [&] { list.setSortOrder(other); });
    }
    const QString key = list.data(list.index(kItems / 2), ui::ResultsList::KeyRole).toString();
    report("toggle one item", runs, [&] { store.toggle(key); });
    int selection = 0;
    report("select or deselect all rows", runs,
           [&] { list.setRowsSelected(++selection % 2 != 0); });
    return 0;
}

// The whole application's window over the 100,000 downloads, as a user would open it.
int measureTheWindow() {
    QQuickStyle::setStyle("Basic");
    QSettings().setValue("hasCompletedOnboarding", true);
    store::CleanupStore store{engine::ScanEngine()};
    updater::AppUpdater updater{updater::AppUpdater::defaultConfiguration()};
    const ui::MainWindow mainWindow(store, updater);
    if (mainWindow.window() == nullptr || !scanDownloads(store)) {
        std::cerr << "the window did not show the downloads\n";
        return 1;
    }
    QTimer::singleShot(3000, &QCoreApplication::quit);
    QCoreApplication::exec();
    bench::reportGoal("window with the rows: resident memory",
                      static_cast<double>(statusMegabytes("VmRSS:")), 120, "MB");
    // Shared libraries' clean pages count in the resident figure; the anonymous part is what the
    // application itself holds.
    std::printf("%-48s %8ld MB\n", "window with the rows: anonymous resident memory",
                statusMegabytes("RssAnon:"));
    std::printf("%-48s %8ld MB\n", "window with the rows: peak resident memory",
                statusMegabytes("VmHWM:"));
    QSettings().clear();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const bool window = argc > 1 && std::strcmp(argv[argc - 1], "--window") == 0;
    const bench::Options options =
        bench::parseOptions(window ? argc - 1 : argc, argv, "/var/tmp/sorvale-bench-results-home");
    bench::ensureGenerated(options.tree, kMarker, generateHome);
    ::setenv("HOME", options.tree.c_str(), 1);
    QGuiApplication application(argc, argv);
    QCoreApplication::setOrganizationName("Sorvale");
    QCoreApplication::setApplicationName("Sorvale");
    QStandardPaths::setTestModeEnabled(true);
    if (window) {
        return measureTheWindow();
    }
    if (const int status = timeTheList(options.runs); status != 0) {
        return status;
    }
    QStringList arguments = QCoreApplication::arguments().mid(1);
    arguments.append("--window");
    return QProcess::execute(QCoreApplication::applicationFilePath(), arguments);
}
