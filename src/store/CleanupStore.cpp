#include "CleanupStore.h"

#include "RemovalMessages.h"
#include "StoreValues.h"
#include "platform/StandardLocations.h"

#include <QMetaObject>

#include <cmath>
#include <limits>

namespace sorvale::store {

namespace fs = std::filesystem;
using model::AppSection;
using model::ScanState;

namespace {

constexpr double kBytesPerMegabyte = 1'000'000;

QVariantMap countsToVariant(const std::map<AppSection, std::int64_t>& counts) {
    QVariantMap map;
    for (const auto& [section, count] : counts) {
        map.insert(rawText(section), QVariant::fromValue<qint64>(count));
    }
    return map;
}

} // namespace

CleanupStore::CleanupStore(engine::ScanEngine engine, std::optional<AccessCheck> accessCheck,
                           QObject* parent)
    : QObject(parent)
    , engine_(std::move(engine))
    , home_(platform::homeFolder()) {
    if (accessCheck) {
        accessCheck_ = std::move(*accessCheck);
    } else {
#ifdef __APPLE__
        accessCheck_ = [this](const fs::path& home, std::function<void(bool)> answer) {
            onEngine(
                [home](const engine::ScanEngine& scanEngine) {
                    return scanEngine.hasFullDiskAccess(home);
                },
                std::move(answer));
        };
#else
        // Other systems have no Full Disk Access to grant.
        accessCheck_ = [](const fs::path&, std::function<void(bool)> answer) { answer(true); };
#endif
    }
    published_ = current();
}

CleanupStore::~CleanupStore() = default;

template <class Operation, class Completion>
void CleanupStore::onEngine(Operation operation, Completion completion) {
    engine_.post(
        std::move(operation),
        [this](std::function<void()> task) {
            QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
        },
        std::move(completion));
}

AppSection CleanupStore::sectionOf(ScanDestination destination) {
    return static_cast<AppSection>(static_cast<int>(destination) + 1);
}

std::optional<std::size_t> CleanupStore::listIndex(AppSection section) {
    if (section == AppSection::overview) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(section) - 1;
}

const std::vector<model::CleanupItem>& CleanupStore::itemsOf(AppSection section) const {
    static const std::vector<model::CleanupItem> none;
    const auto index = listIndex(section);
    return index ? lists_[*index] : none;
}

const std::vector<model::CleanupItem>& CleanupStore::displayed() const {
    return itemsOf(selection_);
}

CleanupStore::Published CleanupStore::current() const {
    SelectionSummary selected = selectionSummary();
    const auto displayedIndex = listIndex(selection_);
    const auto count = inaccessibleCounts_.find(selection_);
    return Published{
        .selection = selection_,
        .revisions = revisions_,
        .states = states_,
        .inaccessibleCounts = inaccessibleCounts_,
        .showDeleteConfirmation = showDeleteConfirmation_,
        .needsAppManagementPermission = needsAppManagementPermission_,
        .fullDiskAccessGranted = fullDiskAccessGranted_,
        .fullDiskAccessPromptSection = fullDiskAccessPromptSection_,
        .permissionCheckSection = permissionCheckSection_,
        .lastMessage = lastMessage_,
        .largeFileMinimumMB = largeFileMinimumMB_,
        .cleanupPresentation = cleanupPresentation_,
        .focusedCleanupGroup = focusedCleanupGroup_,
        .applicationsPresentation = applicationsPresentation_,
        .focusedApplicationCategory = focusedApplicationCategory_,
        .displayedState = displayedIndex ? states_[*displayedIndex] : ScanState::idle(),
        .displayedInaccessibleCount = count != inaccessibleCounts_.end() ? count->second : 0,
        .selectedItems = selected,
        .selectedSize = selected.size,
        .totalJunkSize = totalJunkSize(),
        .hasPermanentSelection = selected.has(model::CleanupCategory::trash),
        .hasOptimizationSelection = selected.has(model::CleanupCategory::universalBinaries),
        .hasManagedXcodeSelection = selected.managedXcode,
        .hasMailSelection = selected.has(model::CleanupCategory::mailDownloads),
        .hasApplicationSelection = selected.has(model::CleanupCategory::installedApplications),
        .selectionActionTitle = actionTitle(selected),
        .isCheckingFullDiskAccess = isCheckingFullDiskAccess(),
    };
}

void CleanupStore::publish() {
    Published now = current();
    Published before = std::exchange(published_, now);
    const auto announce = [this](bool changed, void (CleanupStore::*signal)()) {
        if (changed) {
            emit(this->*signal)();
        }
    };
    using S = CleanupStore;
    announce(now.selection != before.selection, &S::selectionChanged);
    constexpr std::array<void (S::*)(), kListCount> itemSignals{
        &S::junkItemsChanged, &S::applicationItemsChanged, &S::largeItemsChanged,
        &S::downloadsItemsChanged, &S::trashItemsChanged};
    constexpr std::array<void (S::*)(), kListCount> stateSignals{
        &S::cleanupStateChanged, &S::applicationsStateChanged, &S::largeFilesStateChanged,
        &S::downloadsStateChanged, &S::trashStateChanged};
    for (std::size_t list = 0; list < kListCount; ++list) {
        announce(now.revisions[list] != before.revisions[list], itemSignals[list]);
        announce(now.states[list] != before.states[list], stateSignals[list]);
    }
    announce(now.inaccessibleCounts != before.inaccessibleCounts, &S::inaccessibleCountsChanged);
    announce(now.showDeleteConfirmation != before.showDeleteConfirmation,
             &S::showDeleteConfirmationChanged);
    announce(now.needsAppManagementPermission != before.needsAppManagementPermission,
             &S::needsAppManagementPermissionChanged);
    announce(now.fullDiskAccessGranted != before.fullDiskAccessGranted,
             &S::fullDiskAccessGrantedChanged);
    announce(now.fullDiskAccessPromptSection != before.fullDiskAccessPromptSection,
             &S::fullDiskAccessPromptSectionChanged);
    announce(now.permissionCheckSection != before.permissionCheckSection,
             &S::permissionCheckSectionChanged);
    announce(now.lastMessage != before.lastMessage, &S::lastMessageChanged);
    announce(now.largeFileMinimumMB != before.largeFileMinimumMB, &S::largeFileMinimumMBChanged);
    announce(now.cleanupPresentation != before.cleanupPresentation, &S::cleanupPresentationChanged);
    announce(now.focusedCleanupGroup != before.focusedCleanupGroup, &S::focusedCleanupGroupChanged);
    announce(now.applicationsPresentation != before.applicationsPresentation,
             &S::applicationsPresentationChanged);
    announce(now.focusedApplicationCategory != before.focusedApplicationCategory,
             &S::focusedApplicationCategoryChanged);

    const auto displayedIndex = listIndex(now.selection);
    announce(
        now.selection != before.selection ||
            (displayedIndex && now.revisions[*displayedIndex] != before.revisions[*displayedIndex]),
        &S::displayedItemsChanged);
    announce(now.displayedState != before.displayedState, &S::displayedStateChanged);
    announce(now.displayedInaccessibleCount != before.displayedInaccessibleCount,
             &S::displayedInaccessibleCountChanged);
    announce(!now.selectedItems.sameItems(before.selectedItems), &S::selectedItemsChanged);
    announce(now.selectedSize != before.selectedSize, &S::selectedSizeChanged);
    announce(now.totalJunkSize != before.totalJunkSize, &S::totalJunkSizeChanged);
    announce(now.hasPermanentSelection != before.hasPermanentSelection,
             &S::hasPermanentSelectionChanged);
    announce(now.hasOptimizationSelection != before.hasOptimizationSelection,
             &S::hasOptimizationSelectionChanged);
    announce(now.hasManagedXcodeSelection != before.hasManagedXcodeSelection,
             &S::hasManagedXcodeSelectionChanged);
    announce(now.hasMailSelection != before.hasMailSelection, &S::hasMailSelectionChanged);
    announce(now.hasApplicationSelection != before.hasApplicationSelection,
             &S::hasApplicationSelectionChanged);
    announce(now.selectionActionTitle != before.selectionActionTitle,
             &S::selectionActionTitleChanged);
    announce(now.isCheckingFullDiskAccess != before.isCheckingFullDiskAccess,
             &S::isCheckingFullDiskAccessChanged);
}

// Plain fields.

QString CleanupStore::selection() const {
    return rawText(selection_);
}

void CleanupStore::selectSection(const QString& section) {
    if (const auto value = fromRawText<AppSection>(section)) {
        selection_ = *value;
        publish();
    }
}

QVariantList CleanupStore::junkItems() const {
    return toVariant(lists_[0]);
}
QVariantList CleanupStore::applicationItems() const {
    return toVariant(lists_[1]);
}
QVariantList CleanupStore::largeItems() const {
    return toVariant(lists_[2]);
}
QVariantList CleanupStore::downloadsItems() const {
    return toVariant(lists_[3]);
}
QVariantList CleanupStore::trashItems() const {
    return toVariant(lists_[4]);
}
QVariantMap CleanupStore::cleanupState() const {
    return toVariant(states_[0]);
}
QVariantMap CleanupStore::applicationsState() const {
    return toVariant(states_[1]);
}
QVariantMap CleanupStore::largeFilesState() const {
    return toVariant(states_[2]);
}
QVariantMap CleanupStore::downloadsState() const {
    return toVariant(states_[3]);
}
QVariantMap CleanupStore::trashState() const {
    return toVariant(states_[4]);
}
QVariantMap CleanupStore::inaccessibleCounts() const {
    return countsToVariant(inaccessibleCounts_);
}

void CleanupStore::setShowDeleteConfirmation(bool show) {
    showDeleteConfirmation_ = show;
    publish();
}

void CleanupStore::setNeedsAppManagementPermission(bool needed) {
    needsAppManagementPermission_ = needed;
    publish();
}

QVariant CleanupStore::fullDiskAccessGranted() const {
    return fullDiskAccessGranted_ ? QVariant(*fullDiskAccessGranted_) : QVariant();
}

QString CleanupStore::fullDiskAccessPromptSection() const {
    return rawText(fullDiskAccessPromptSection_);
}

QString CleanupStore::permissionCheckSection() const {
    return rawText(permissionCheckSection_);
}

QString CleanupStore::lastMessage() const {
    return lastMessage_ ? displayText(*lastMessage_) : QString();
}

void CleanupStore::setLastMessage(const QString& message) {
    lastMessage_ = message.isEmpty() ? std::nullopt : std::optional(message.toStdString());
    publish();
}

void CleanupStore::setLargeFileMinimumMB(double megabytes) {
    // The product must stay a byte count that a signed 64-bit integer holds.
    constexpr double kMostMegabytes =
        static_cast<double>(std::numeric_limits<std::int64_t>::max()) / kBytesPerMegabyte / 2;
    if (std::isfinite(megabytes) && megabytes >= 0 && megabytes <= kMostMegabytes) {
        largeFileMinimumMB_ = megabytes;
        publish();
    }
}

QString CleanupStore::cleanupPresentation() const {
    return rawText(cleanupPresentation_);
}
QString CleanupStore::focusedCleanupGroup() const {
    return rawText(focusedCleanupGroup_);
}
QString CleanupStore::applicationsPresentation() const {
    return rawText(applicationsPresentation_);
}
QString CleanupStore::focusedApplicationCategory() const {
    return rawText(focusedApplicationCategory_);
}

QVariantList CleanupStore::displayedItems() const {
    return toVariant(displayed());
}
QVariantMap CleanupStore::displayedState() const {
    const auto index = listIndex(selection_);
    return toVariant(index ? states_[*index] : ScanState::idle());
}

qint64 CleanupStore::displayedInaccessibleCount() const {
    const auto count = inaccessibleCounts_.find(selection_);
    return count != inaccessibleCounts_.end() ? count->second : 0;
}

bool CleanupStore::isCheckingFullDiskAccess() const {
    return permissionCheckSection_ && *permissionCheckSection_ == selection_;
}

// Scans.

void CleanupStore::setState(AppSection section, ScanState state) {
    if (const auto index = listIndex(section)) {
        states_[*index] = std::move(state);
    }
}

void CleanupStore::runScan(
    std::string label, ScanDestination destination,
    std::function<model::ScanSnapshot(const engine::ScanEngine&)> operation) {
    const std::uint64_t generation = ++scanGeneration_;
    const AppSection section = sectionOf(destination);
    setState(section, ScanState::scanning(std::move(label)));
    lastMessage_.reset();
    onEngine(std::move(operation), [this, generation, section](model::ScanSnapshot snapshot) {
        if (generation != scanGeneration_) {
            return; // a newer scan replaced this one
        }
        inaccessibleCounts_[section] = snapshot.inaccessibleCount;
        mutateItemsArray(section, ItemChange::contents,
                         [&](std::vector<model::CleanupItem>& items) {
                             const bool changed = items != snapshot.items;
                             items = std::move(snapshot.items);
                             return changed;
                         });
        setState(section, ScanState::complete(std::chrono::system_clock::now()));
        publish();
    });
    publish();
}

void CleanupStore::startJunkScan() {
    selection_ = AppSection::cleanup;
    cleanupPresentation_ = model::CleanupPresentation::summary;
    focusedCleanupGroup_.reset();
    requestProtectedScan(ScanDestination::cleanup);
}

void CleanupStore::scanApplications() {
    selection_ = AppSection::applications;
    applicationsPresentation_ = model::ApplicationsPresentation::summary;
    focusedApplicationCategory_.reset();
    requestProtectedScan(ScanDestination::applications);
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
    selection_ = AppSection::largeFiles;
    const auto minimumSize = static_cast<std::int64_t>(largeFileMinimumMB_ * kBytesPerMegabyte);
    runScan("Analyzing " + folder.filename().native() + "\u2026", ScanDestination::largeFiles,
            [folder, minimumSize](const engine::ScanEngine& engine) {
                return engine.scanLargeFiles(folder, minimumSize);
            });
}

void CleanupStore::scanDownloads() {
    selection_ = AppSection::downloads;
    runScan("Scanning Downloads\u2026", ScanDestination::downloads,
            [home = home_](const engine::ScanEngine& engine) {
                return engine.scanTopLevel(home / "Downloads", model::CleanupCategory::downloads);
            });
}

void CleanupStore::scanTrash() {
    selection_ = AppSection::trash;
    runScan("Checking Trash\u2026", ScanDestination::trash,
            [trash = platform::trashFilesFolder(home_)](const engine::ScanEngine& engine) {
                return engine.scanTopLevel(trash, model::CleanupCategory::trash);
            });
}

// The Full Disk Access gate.

void CleanupStore::startAccessCheck(std::function<void(bool)> onAnswer) {
    const std::uint64_t generation = ++checkGeneration_;
    accessCheck_(home_, [this, generation, onAnswer = std::move(onAnswer)](bool granted) {
        QMetaObject::invokeMethod(
            this,
            [this, generation, onAnswer, granted] {
                if (generation != checkGeneration_) {
                    return; // a newer check replaced this one
                }
                fullDiskAccessGranted_ = granted;
                permissionCheckSection_.reset();
                onAnswer(granted);
                publish();
            },
            Qt::QueuedConnection);
    });
}

void CleanupStore::requestProtectedScan(ScanDestination destination) {
    pendingProtectedScan_ = destination;
    fullDiskAccessPromptSection_.reset();
    // The scan waits for the same check a return to the application runs.
    refreshFullDiskAccessStatus();
}

void CleanupStore::beginProtectedScan(ScanDestination destination) {
    const fs::path home = home_;
    switch (destination) {
    case ScanDestination::cleanup:
        runScan("Deep scanning caches, developer data and backups\u2026", destination,
                [home](const engine::ScanEngine& engine) { return engine.scanJunk(home); });
        break;
    case ScanDestination::applications:
        runScan("Finding applications, support files and installers\u2026", destination,
                [home](const engine::ScanEngine& engine) { return engine.scanApplications(home); });
        break;
    default:
        break;
    }
}

void CleanupStore::refreshFullDiskAccessStatus() {
    if (pendingProtectedScan_) {
        permissionCheckSection_ = sectionOf(*pendingProtectedScan_);
    }
    startAccessCheck([this](bool granted) {
        if (granted) {
            fullDiskAccessPromptSection_.reset();
            if (const auto waiting = std::exchange(pendingProtectedScan_, std::nullopt)) {
                beginProtectedScan(*waiting);
            }
        } else if (pendingProtectedScan_) {
            fullDiskAccessPromptSection_ = sectionOf(*pendingProtectedScan_);
        }
    });
    publish();
}

void CleanupStore::openPrivacySettings() {
    if (urlOpener_) {
        urlOpener_(
            QUrl("x-apple.systempreferences:com.apple.preference.security?Privacy_AllFiles"));
    }
}

void CleanupStore::openAppManagementSettings() {
    if (urlOpener_) {
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
    const AppSection section = selection_;
    const std::size_t count = items.size();
    setState(section, ScanState::scanning(removalProgressLabel(items)));
    // The file operations run on the engine's thread, one item after another; only the outcome
    // is written here.
    onEngine(
        [items = std::move(items), home = home_,
         needsPermission = needsAppManagementPermission_](const engine::ScanEngine& engine) {
            return cleanup::removeItems(engine, items, home, needsPermission);
        },
        [this, section, count,
         neededPermission = needsAppManagementPermission_](cleanup::RemovalOutcome outcome) {
            mutateItemsArray(section, ItemChange::contents,
                             [&](std::vector<model::CleanupItem>& list) {
                                 return std::erase_if(list, [&](const model::CleanupItem& item) {
                                            return outcome.handled.contains(item.id);
                                        }) > 0;
                             });
            setState(section, ScanState::complete(std::chrono::system_clock::now()));
            lastMessage_ = removalSummary(outcome, count);
            // Only a change the removal made is written: the views may have cleared the flag.
            if (outcome.needsAppManagementPermission != neededPermission) {
                needsAppManagementPermission_ = outcome.needsAppManagementPermission;
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
