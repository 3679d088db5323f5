// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
// The store's work on the engine's thread: the scans, the access check's protected scans, and
// the removal, whose results come back to the main thread.

#include "CleanupStore.h"
#include "ModelTexts.h"
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
    const QString& label, AppSection section,
    std::function<model::ScanSnapshot(const engine::ScanEngine&)> operation) {
    // A scan of the same list keeps the state it had before the one it replaces.
    ScanState previous =
        running_ && running_->section == section ? running_->previous : lists_.state(section);
    abandonRunningScan(/*restore=*/true);
    const std::uint64_t generation = ++scanGeneration_;
    auto progress = std::make_shared<engine::ScanProgress>();
    running_ = RunningScan{generation, section, std::move(previous), progress};
    figures_ = ScanFigures{};
    figures_.section = section;
    figures_.running = true;
    progressTimer_.start(kProgressInterval);
    lists_.setState(section, ScanState::scanning(label.toStdString()));
    lastMessage_.reset();
    onEngine(
        [operation = std::move(operation), progress](const engine::ScanEngine& engine) {
            const engine::ScanProgress::Scope scope(progress.get());
            return operation(engine);
        },
        [this, generation, section](model::ScanSnapshot snapshot) {
            if (!running_ || running_->generation != generation) {
                return; // a newer scan replaced this one, or it was stopped
            }
            readProgress();
            // The figures end as the result's: a place reached twice is one item.
            figures_.figures.items = static_cast<std::int64_t>(snapshot.items.size());
            figures_.figures.bytes = 0;
            for (const model::CleanupItem& item : snapshot.items) {
                figures_.figures.bytes += item.size;
            }
            figures_.running = false;
            figures_.folder.clear();
            abandonRunningScan(/*restore=*/false);
            lists_.replace(section, std::move(snapshot));
            lists_.setState(section, ScanState::complete(std::chrono::system_clock::now()));
            if (section == AppSection::largeFiles) {
                largeFilesScope_ = largeFilesRequest_;
            }
            publish();
        });
    publish();
}

void CleanupStore::abandonRunningScan(bool restore) {
    progressTimer_.stop();
    if (!running_) {
        return;
    }
    // The engine ends its walks early; whatever it returns is dropped.
    running_->progress->stop();
    if (restore) {
        lists_.setState(running_->section, running_->previous);
    }
    running_.reset();
}

void CleanupStore::stopScan() {
    if (!running_) {
        return;
    }
    readProgress();
    figures_.running = false;
    figures_.stopped = true;
    figures_.folder.clear();
    abandonRunningScan(/*restore=*/true);
    publish();
}

void CleanupStore::readProgress() {
    if (!running_) {
        return;
    }
    const engine::ScanProgress::Figures now = running_->progress->figures();
    engine::ScanProgress::Figures& shown = figures_.figures;
    shown.entries = std::max(shown.entries, now.entries);
    shown.items = std::max(shown.items, now.items);
    shown.bytes = std::max(shown.bytes, now.bytes);
    if (auto folder = running_->progress->takeFolder()) {
        figures_.folder = std::move(*folder);
    }
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
    folderChooser_(FolderRequest{tr("Choose a folder to analyze"),
                                 tr("Sorvale will only read file sizes. Nothing is selected for "
                                    "removal automatically."),
                                 tr("Scan Folder"), home_},
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

void CleanupStore::scanLargeFiles(const fs::path& chosen) {
    navigation_.section = AppSection::largeFiles;
    const auto minimumSize = static_cast<std::int64_t>(largeFileMinimumMB_ * kBytesPerMegabyte);
    // A folder chosen as ".../Movies/" is named by its last real component, not the empty one
    // after the separator; the file system's root has no name but itself.
    const fs::path folder = model::standardized(chosen);
    const std::string name = folder.has_filename() ? folder.filename().native() : folder.native();
    largeFilesRequest_ = LargeFilesScope{folder, minimumSize};
    runScan(tr("Analyzing %1\u2026").arg(displayText(name)), AppSection::largeFiles,
            [folder, minimumSize](const engine::ScanEngine& engine) {
                return engine.scanLargeFiles(folder, minimumSize);
            });
}

void CleanupStore::scanDownloads() {
    navigation_.section = AppSection::downloads;
    runScan(tr("Scanning Downloads\u2026"), AppSection::downloads,
            [home = home_](const engine::ScanEngine& engine) {
                return engine.scanTopLevel(home / "Downloads", model::CleanupCategory::downloads);
            });
}

void CleanupStore::scanTrash() {
    navigation_.section = AppSection::trash;
    runScan(tr("Checking Trash\u2026"), AppSection::trash,
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
        runScan(tr("Finding applications, support files and installers\u2026"), section,
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
    undoable_.reset();
    // Kept to be put back into the list should the removal be undone.
    std::vector<model::CleanupItem> removing = items;
    lists_.setState(section, ScanState::scanning(selection_rules::progressLabel(
                                                     SelectionSummary::of(section, 0, displayed()))
                                                     .toStdString()));
    // The file operations run on the engine's thread, one item after another; only the outcome
    // is written here.
    onEngine(
        [items = std::move(items), home = home_,
         needsPermission = needsAppManagementPermission_](const engine::ScanEngine& engine) {
            return cleanup::removeItems(engine, items, home, needsPermission);
        },
        [this, section, count, removing = std::move(removing),
         neededPermission = needsAppManagementPermission_](cleanup::RemovalOutcome outcome) {
            lists_.change(section, ScanLists::Change::contents,
                          [&](std::vector<model::CleanupItem>& list) {
                              return std::erase_if(list, [&](const model::CleanupItem& item) {
                                         return outcome.handled.contains(item.id);
                                     }) > 0;
                          });
            lists_.setState(section, ScanState::complete(std::chrono::system_clock::now()));
            lastMessage_ = removalSummary(outcome, count).toStdString();
            if (!outcome.trashed.empty()) {
                Undoable undoable{section, {}, std::move(outcome.trashed), *lastMessage_};
                for (const cleanup::TrashedItem& trashed : undoable.trashed) {
                    const auto item = std::find_if(removing.begin(), removing.end(),
                                                   [&](const model::CleanupItem& candidate) {
                                                       return candidate.id == trashed.id;
                                                   });
                    undoable.items.push_back(*item);
                    undoable.items.back().isSelected = false;
                }
                undoable_ = std::move(undoable);
            }
            // Only a change the removal made is written: the views may have cleared the flag.
            if (outcome.needsAppManagementPermission != neededPermission) {
                needsAppManagementPermission_ =
                    outcome.needsAppManagementPermission && model::hasAccessPermissions(layout_);
            }
            publish();
            emit removalFinished(static_cast<int>(outcome.removed),
                                 static_cast<int>(outcome.skipped),
                                 static_cast<int>(outcome.failed),
                                 outcome.firstMessageParts ? messageText(*outcome.firstMessageParts)
                                 : outcome.firstMessage    ? displayText(*outcome.firstMessage)
                                                           : QString());
        });
    publish();
}

void CleanupStore::undoRemoval() {
    if (!shown_.canUndo) {
        return;
    }
    Undoable undoable = std::move(*undoable_);
    undoable_.reset();
    putBack(undoable.section, std::move(undoable.trashed), std::move(undoable.items),
            /*leaving=*/false);
}

void CleanupStore::putBackSelected() {
    if (navigation_.section != AppSection::trash) {
        return;
    }
    std::vector<cleanup::TrashedItem> trashed;
    for (const model::CleanupItem& item : selectedItemsOfDisplayedList()) {
        trashed.push_back({item.id, {item.url}});
    }
    if (!trashed.empty()) {
        putBack(AppSection::trash, std::move(trashed), {}, /*leaving=*/true);
    }
}

void CleanupStore::putBack(AppSection section, std::vector<cleanup::TrashedItem> trashed,
                           std::vector<model::CleanupItem> returning, bool leaving) {
    const std::size_t count = trashed.size();
    undoable_.reset();
    lists_.setState(section, ScanState::scanning(tr("Putting items back\u2026").toStdString()));
    onEngine([trashed = std::move(trashed)](
                 const engine::ScanEngine&) { return cleanup::putBackItems(trashed); },
             [this, section, count, returning = std::move(returning),
              leaving](cleanup::PutBackOutcome outcome) {
                 const std::unordered_set<model::Location> restored(outcome.restored.begin(),
                                                                    outcome.restored.end());
                 lists_.change(section, ScanLists::Change::contents,
                               [&](std::vector<model::CleanupItem>& list) {
                                   if (leaving) {
                                       return std::erase_if(list, [&](const auto& item) {
                                                  return restored.contains(item.id);
                                              }) > 0;
                                   }
                                   // Back in the list where a scan would have put them: by size,
                                   // largest first.
                                   bool changed = false;
                                   for (const model::CleanupItem& item : returning) {
                                       if (restored.contains(item.id)) {
                                           list.insert(
                                               std::upper_bound(list.begin(), list.end(), item,
                                                                [](const auto& a, const auto& b) {
                                                                    return a.size > b.size;
                                                                }),
                                               item);
                                           changed = true;
                                       }
                                   }
                                   return changed;
                               });
                 lists_.setState(section, ScanState::complete(std::chrono::system_clock::now()));
                 lastMessage_ = putBackSummary(outcome, count).toStdString();
                 publish();
             });
    publish();
}

} // namespace sorvale::store
