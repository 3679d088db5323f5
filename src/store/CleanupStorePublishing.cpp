// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
// What the store announces: every value the interface shows, compared with the last
// announcement, each property's signal emitted when its value changed.

#include "CleanupStore.h"
#include "ModelTexts.h"
#include "StoreValues.h"

namespace sorvale::store {

using model::AppSection;
using model::ScanState;

CleanupStore::Shown CleanupStore::current() const {
    Shown shown;
    shown.navigation = navigation_;
    for (std::size_t list = 0; list < ScanLists::kCount; ++list) {
        shown.revisions[list] = lists_.revision(ScanLists::sectionOf(list));
        shown.states[list] = lists_.state(ScanLists::sectionOf(list));
    }
    shown.inaccessibleCounts = lists_.inaccessibleCounts();
    shown.showDeleteConfirmation = showDeleteConfirmation_;
    shown.needsAppManagementPermission = needsAppManagementPermission_;
    shown.access = access_.state();
    shown.lastMessage = lastMessage_;
    shown.canUndo = undoable_ && lastMessage_ == undoable_->message;
    shown.largeFileMinimumMB = largeFileMinimumMB_;
    if (largeFilesScope_) {
        shown.largeFilesScope = tr("Files of at least %1 in %2")
                                    .arg(byteCountText(largeFilesScope_->minimumSize),
                                         displayText(largeFilesScope_->folder.native()));
    }
    shown.selected = SelectionSummary::of(
        navigation_.section, lists_.contentsRevision(navigation_.section), displayed());
    shown.totalJunkSize = lists_.junkSize(std::nullopt);
    shown.actionTitle = selection_rules::actionTitle(shown.selected);
    // The items are named only while the confirmation is shown: a selection may be long.
    shown.confirmation = showDeleteConfirmation_
                             ? selection_rules::confirmation(shown.selected, displayed(), layout_)
                             : selection_rules::confirmation(shown.selected, layout_);
    shown.progress = figures_;
    shown.homeVolume = homeVolume_;
    QString largeFilesFolder;
    if (largeFilesScope_) {
        // Named by its last component; a trailing separator or the root has none of its own.
        const std::filesystem::path folder = largeFilesScope_->folder.lexically_normal();
        const std::filesystem::path name =
            folder.has_filename() ? folder.filename() : folder.parent_path().filename();
        largeFilesFolder = displayText((name.empty() ? folder : name).native());
    }
    shown.screen = present(navigation_, access_.state(), lists_, layout_, largeFilesFolder);
    return shown;
}

// One property's signal, and whether a change between two announcements is one of its value.
struct CleanupStore::Announcement {
    bool (*changed)(const Shown& now, const Shown& before);
    void (CleanupStore::*signal)();
};

ScanState CleanupStore::stateOnScreen(const Shown& shown) {
    const auto list = ScanLists::indexOf(shown.navigation.section);
    return list ? shown.states[*list] : ScanState::idle();
}

std::int64_t CleanupStore::unreadableOnScreen(const Shown& shown) {
    const auto found = shown.inaccessibleCounts.find(shown.navigation.section);
    return found != shown.inaccessibleCounts.end() ? found->second : 0;
}

bool CleanupStore::checksOnScreen(const Shown& shown) {
    return shown.access.checkingSection == shown.navigation.section;
}

std::array<bool, ScanLists::kCount> CleanupStore::busy(const Shown& shown) {
    std::array<bool, ScanLists::kCount> busy{};
    for (std::size_t list = 0; list < ScanLists::kCount; ++list) {
        busy[list] = shown.states[list].kind() == ScanState::Kind::scanning;
    }
    return busy;
}

bool CleanupStore::differsIn(model::CleanupCategory category, const Shown& a, const Shown& b) {
    return a.selected.has(category) != b.selected.has(category);
}

void CleanupStore::publish() {
    using S = CleanupStore;
    using Now = const Shown&;
    using Before = const Shown&;
    static const std::array<void (S::*)(), ScanLists::kCount> kItemSignals{
        &S::junkItemsChanged, &S::applicationItemsChanged, &S::largeItemsChanged,
        &S::downloadsItemsChanged, &S::trashItemsChanged};
    static const std::array<void (S::*)(), ScanLists::kCount> kStateSignals{
        &S::cleanupStateChanged, &S::applicationsStateChanged, &S::largeFilesStateChanged,
        &S::downloadsStateChanged, &S::trashStateChanged};
    // Every other property, in the order of their declarations.
    static const auto kAnnouncements = std::to_array<Announcement>({
        {[](Now a, Before b) { return a.inaccessibleCounts != b.inaccessibleCounts; },
         &S::inaccessibleCountsChanged},
        {[](Now a, Before b) { return a.showDeleteConfirmation != b.showDeleteConfirmation; },
         &S::showDeleteConfirmationChanged},
        {[](Now a, Before b) {
             return a.needsAppManagementPermission != b.needsAppManagementPermission;
         },
         &S::needsAppManagementPermissionChanged},
        {[](Now a, Before b) { return a.access.granted != b.access.granted; },
         &S::fullDiskAccessGrantedChanged},
        {[](Now a, Before b) { return a.access.promptSection != b.access.promptSection; },
         &S::fullDiskAccessPromptSectionChanged},
        {[](Now a, Before b) { return a.access.checkingSection != b.access.checkingSection; },
         &S::permissionCheckSectionChanged},
        {[](Now a, Before b) { return a.lastMessage != b.lastMessage; }, &S::lastMessageChanged},
        {[](Now a, Before b) { return a.canUndo != b.canUndo; }, &S::canUndoChanged},
        {[](Now a, Before b) { return a.largeFileMinimumMB != b.largeFileMinimumMB; },
         &S::largeFileMinimumMBChanged},
        {[](Now a, Before b) { return a.largeFilesScope != b.largeFilesScope; },
         &S::largeFilesScopeChanged},
        {[](Now a, Before b) {
             return a.navigation.cleanupPresentation != b.navigation.cleanupPresentation;
         },
         &S::cleanupPresentationChanged},
        {[](Now a, Before b) {
             return a.navigation.focusedCleanupGroup != b.navigation.focusedCleanupGroup;
         },
         &S::focusedCleanupGroupChanged},
        {[](Now a, Before b) {
             return a.navigation.applicationsPresentation != b.navigation.applicationsPresentation;
         },
         &S::applicationsPresentationChanged},
        {[](Now a, Before b) {
             return a.navigation.focusedApplicationCategory !=
                    b.navigation.focusedApplicationCategory;
         },
         &S::focusedApplicationCategoryChanged},
        {[](Now a, Before b) {
             const auto list = ScanLists::indexOf(a.navigation.section);
             return a.navigation.section != b.navigation.section ||
                    (list && a.revisions[*list] != b.revisions[*list]);
         },
         &S::displayedItemsChanged},
        {[](Now a, Before b) { return stateOnScreen(a) != stateOnScreen(b); },
         &S::displayedStateChanged},
        {[](Now a, Before b) { return unreadableOnScreen(a) != unreadableOnScreen(b); },
         &S::displayedInaccessibleCountChanged},
        {[](Now a, Before b) { return !a.selected.sameItems(b.selected); },
         &S::selectedItemsChanged},
        {[](Now a, Before b) { return a.selected.size != b.selected.size; },
         &S::selectedSizeChanged},
        {[](Now a, Before b) { return a.totalJunkSize != b.totalJunkSize; },
         &S::totalJunkSizeChanged},
        {[](Now a, Before b) { return differsIn(model::CleanupCategory::trash, a, b); },
         &S::hasPermanentSelectionChanged},
        {[](Now a, Before b) { return differsIn(model::CleanupCategory::universalBinaries, a, b); },
         &S::hasOptimizationSelectionChanged},
        {[](Now a, Before b) { return a.selected.managedXcode != b.selected.managedXcode; },
         &S::hasManagedXcodeSelectionChanged},
        {[](Now a, Before b) { return differsIn(model::CleanupCategory::mailDownloads, a, b); },
         &S::hasMailSelectionChanged},
        {[](Now a, Before b) {
             return differsIn(model::CleanupCategory::installedApplications, a, b);
         },
         &S::hasApplicationSelectionChanged},
        {[](Now a, Before b) { return a.actionTitle != b.actionTitle; },
         &S::selectionActionTitleChanged},
        {[](Now a, Before b) { return checksOnScreen(a) != checksOnScreen(b); },
         &S::isCheckingFullDiskAccessChanged},
        {[](Now a, Before b) { return a.progress != b.progress; }, &S::scanProgressChanged},
        {[](Now a, Before b) {
             return a.homeVolume != b.homeVolume || a.totalJunkSize != b.totalJunkSize;
         },
         &S::homeVolumeChanged},
        {[](Now a, Before b) { return busy(a) != busy(b); }, &S::busySectionsChanged},
        {[](Now a, Before b) { return a.screen != b.screen; }, &S::screenChanged},
        {[](Now a, Before b) { return a.confirmation != b.confirmation; }, &S::confirmationChanged},
    });

    // Whatever ended may have changed the disk: the volume is asked again once nothing runs.
    if (!running_) {
        homeVolume_ = platform::volumeSpace(home_);
    }
    const Shown before = std::exchange(shown_, current());
    if (shown_.navigation.section != before.navigation.section) {
        emit selectionChanged();
    }
    for (std::size_t list = 0; list < ScanLists::kCount; ++list) {
        if (shown_.revisions[list] != before.revisions[list]) {
            emit(this->*kItemSignals[list])();
        }
        if (shown_.states[list] != before.states[list]) {
            emit(this->*kStateSignals[list])();
        }
    }
    for (const Announcement& announcement : kAnnouncements) {
        if (announcement.changed(shown_, before)) {
            emit(this->*announcement.signal)();
        }
    }
}

} // namespace sorvale::store
