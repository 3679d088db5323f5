// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
// The store's work on the engine's thread: the scans, the access check's protected scans, and
// the removal, whose results come back to the main thread.

#include "CleanupStore.h"
#include "PlatformTexts.h"
#include "RemovalMessages.h"
#include "StoreValues.h"
#include "cleanup/Removal.h"
#include "platform/StandardLocations.h"

namespace sorvale::store {

namespace fs = std::filesystem;
using model::AppSection;
using model::ScanState;

// Scans.

void CleanupStore::runScan(
    std::string label, AppSection section,
    std::function<model::ScanSnapshot(const engine::ScanEngine&)> operation) {
    const std::uint64_t generation = ++scanGeneration_;
    lists_.setState(section, ScanState::scanning(std::move(label)));
    lastMessage_.reset();
    onEngine(std::move(operation), [this, generation, section](model::ScanSnapshot snapshot) {
        if (generation != scanGeneration_) {
            return; // a newer scan replaced this one
        }
        lists_.replace(section, std::move(snapshot));
        lists_.setState(section, ScanState::complete(std::chrono::system_clock::now()));
        publish();
    });
    publish();
}

void CleanupStore::startJunkScan() {
    navigation_.section = AppSection::cleanup;
    navigation_.cleanupPresentation = model::CleanupPresentation::summary;
    navigation_.focusedCleanupGroup.reset();
    requestProtectedScan(AppSection::cleanup);
}

void CleanupStore::scanApplications() {
    navigation_.section = AppSection::applications;
    navigation_.applicationsPresentation = model::ApplicationsPresentation::summary;
    navigation_.focusedApplicationCategory.reset();
    requestProtectedScan(AppSection::applications);
}

void CleanupStore::rescan() {
    switch (navigation_.section) {
    case AppSection::cleanup:
        startJunkScan();
        break;
    case AppSection::applications:
        scanApplications();
        break;
    case AppSection::largeFiles:
        chooseLargeFileFolder();
        break;
    case AppSection::downloads:
        scanDownloads();
        break;
    case AppSection::trash:
        scanTrash();
        break;
    case AppSection::overview:
        break;
    }
}

void CleanupStore::chooseLargeFileFolder() {
    if (!folderChooser_) {
        return;
    }
    folderChooser_(FolderRequest{"Choose a folder to analyze",
                                 "Sorvale will only read file sizes. Nothing is selected for "
                                 "removal automatically.",
                                 "Scan Folder", home_},
                   [this](std::optional<fs::path> folder) {
                       if (folder && !folder->empty()) {
                           scanLargeFiles(*folder);
                       }
                   });
}

void CleanupStore::scanLargeFiles(const QUrl& folder) {
    if (const auto path = pathOfLocalFile(folder)) {
        scanLargeFiles(*path);
    }
}

void CleanupStore::scanLargeFiles(const fs::path& folder) {
    navigation_.section = AppSection::largeFiles;
    const auto minimumSize = static_cast<std::int64_t>(largeFileMinimumMB_ * kBytesPerMegabyte);
    runScan("Analyzing " + folder.filename().native() + "\u2026", AppSection::largeFiles,
            [folder, minimumSize](const engine::ScanEngine& engine) {
                return engine.scanLargeFiles(folder, minimumSize);
            });
}

void CleanupStore::scanDownloads() {
    navigation_.section = AppSection::downloads;
    runScan("Scanning Downloads\u2026", AppSection::downloads,
            [home = home_](const engine::ScanEngine& engine) {
                return engine.scanTopLevel(home / "Downloads", model::CleanupCategory::downloads);
            });
}

void CleanupStore::scanTrash() {
    navigation_.section = AppSection::trash;
    runScan("Checking Trash\u2026", AppSection::trash,
            [trash = platform::trashFilesFolder(home_)](const engine::ScanEngine& engine) {
                return engine.scanTopLevel(trash, model::CleanupCategory::trash);
            });
}

void CleanupStore::requestProtectedScan(AppSection section) {
    if (model::hasAccessPermissions(layout_)) {
        access_.request(section, home_);
    } else {
        beginProtectedScan(section);
    }
}

void CleanupStore::beginProtectedScan(AppSection section) {
    const fs::path home = home_;
    if (section == AppSection::cleanup) {
        runScan(junkScanLabel(layout_), section,
                [home](const engine::ScanEngine& engine) { return engine.scanJunk(home); });
    } else if (section == AppSection::applications) {
        runScan("Finding applications, support files and installers\u2026", section,
                [home](const engine::ScanEngine& engine) { return engine.scanApplications(home); });
    }
}

// The Full Disk Access gate.

void CleanupStore::refreshFullDiskAccessStatus() {
    if (model::hasAccessPermissions(layout_)) {
        access_.refresh(home_);
    }
}

void CleanupStore::openPrivacySettings() {
    if (urlOpener_ && model::hasAccessPermissions(layout_)) {
        urlOpener_(
            QUrl("x-apple.systempreferences:com.apple.preference.security?Privacy_AllFiles"));
    }
}

void CleanupStore::openAppManagementSettings() {
    if (urlOpener_ && model::hasAccessPermissions(layout_)) {
        urlOpener_(
            QUrl("x-apple.systempreferences:com.apple.preference.security?Privacy_AppBundles"));
    }
}

// Removal.

void CleanupStore::removeSelected() {
    std::vector<model::CleanupItem> items = selectedItemsOfDisplayedList();
    if (items.empty()) {
        return;
    }
    const AppSection section = navigation_.section;
    const std::size_t count = items.size();
    lists_.setState(section, ScanState::scanning(selection_rules::progressLabel(
                                 SelectionSummary::of(section, 0, displayed()))));
    // The file operations run on the engine's thread, one item after another; only the outcome
    // is written here.
    onEngine(
        [items = std::move(items), home = home_,
         needsPermission = needsAppManagementPermission_](const engine::ScanEngine& engine) {
            return cleanup::removeItems(engine, items, home, needsPermission);
        },
        [this, section, count,
         neededPermission = needsAppManagementPermission_](cleanup::RemovalOutcome outcome) {
            lists_.change(section, ScanLists::Change::contents,
                          [&](std::vector<model::CleanupItem>& list) {
                              return std::erase_if(list, [&](const model::CleanupItem& item) {
                                         return outcome.handled.contains(item.id);
                                     }) > 0;
                          });
            lists_.setState(section, ScanState::complete(std::chrono::system_clock::now()));
            lastMessage_ = removalSummary(outcome, count);
            // Only a change the removal made is written: the views may have cleared the flag.
            if (outcome.needsAppManagementPermission != neededPermission) {
                needsAppManagementPermission_ =
                    outcome.needsAppManagementPermission && model::hasAccessPermissions(layout_);
            }
            publish();
            emit removalFinished(
                static_cast<int>(outcome.removed), static_cast<int>(outcome.skipped),
                static_cast<int>(outcome.failed),
                outcome.firstMessage ? displayText(*outcome.firstMessage) : QString());
        });
    publish();
}

} // namespace sorvale::store
