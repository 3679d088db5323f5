// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "AccessGate.h"
#include "Navigation.h"
#include "ScanLists.h"
#include "ScreenPresenter.h"
#include "SelectionRules.h"
#include "engine/EngineActor.h"
#include "model/AppSection.h"
#include "model/CleanupCategory.h"
#include "model/CleanupItem.h"
#include "model/ScanState.h"

#include <QMetaObject>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariant>

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

namespace sorvale::store {

// The one observable object behind the interface, and the facade of its parts: the results lists
// (ScanLists), where the user is (Navigation), what a selection is (SelectionRules), the Full
// Disk Access gate (AccessGate) and what the window shows by state (ScreenPresenter). It starts
// scans and removals on the engine's thread and takes their results back here, on the main
// thread, and announces every property whose value changed.
//
// Its properties and invokables are those the views and the tests name; there are many, as the
// interface shows many figures. Sections, groups and categories cross into QML as their raw
// values ("" for none); an item as the key of its id (see StoreValues.h).
class CleanupStore : public QObject {
    Q_OBJECT

    Q_PROPERTY(QString selection READ selection WRITE selectSection NOTIFY selectionChanged)
    Q_PROPERTY(QVariantList junkItems READ junkItems NOTIFY junkItemsChanged)
    Q_PROPERTY(QVariantList applicationItems READ applicationItems NOTIFY applicationItemsChanged)
    Q_PROPERTY(QVariantList largeItems READ largeItems NOTIFY largeItemsChanged)
    Q_PROPERTY(QVariantList downloadsItems READ downloadsItems NOTIFY downloadsItemsChanged)
    Q_PROPERTY(QVariantList trashItems READ trashItems NOTIFY trashItemsChanged)
    Q_PROPERTY(QVariantMap cleanupState READ cleanupState NOTIFY cleanupStateChanged)
    Q_PROPERTY(QVariantMap applicationsState READ applicationsState NOTIFY applicationsStateChanged)
    Q_PROPERTY(QVariantMap largeFilesState READ largeFilesState NOTIFY largeFilesStateChanged)
    Q_PROPERTY(QVariantMap downloadsState READ downloadsState NOTIFY downloadsStateChanged)
    Q_PROPERTY(QVariantMap trashState READ trashState NOTIFY trashStateChanged)
    Q_PROPERTY(
        QVariantMap inaccessibleCounts READ inaccessibleCounts NOTIFY inaccessibleCountsChanged)
    Q_PROPERTY(bool showDeleteConfirmation READ showDeleteConfirmation WRITE
                   setShowDeleteConfirmation NOTIFY showDeleteConfirmationChanged)
    Q_PROPERTY(bool needsAppManagementPermission READ needsAppManagementPermission WRITE
                   setNeedsAppManagementPermission NOTIFY needsAppManagementPermissionChanged)
    Q_PROPERTY(QVariant fullDiskAccessGranted READ fullDiskAccessGranted NOTIFY
                   fullDiskAccessGrantedChanged)
    Q_PROPERTY(QString fullDiskAccessPromptSection READ fullDiskAccessPromptSection NOTIFY
                   fullDiskAccessPromptSectionChanged)
    Q_PROPERTY(QString permissionCheckSection READ permissionCheckSection NOTIFY
                   permissionCheckSectionChanged)
    Q_PROPERTY(QString lastMessage READ lastMessage WRITE setLastMessage NOTIFY lastMessageChanged)
    Q_PROPERTY(double largeFileMinimumMB READ largeFileMinimumMB WRITE setLargeFileMinimumMB NOTIFY
                   largeFileMinimumMBChanged)
    Q_PROPERTY(
        QString cleanupPresentation READ cleanupPresentation NOTIFY cleanupPresentationChanged)
    Q_PROPERTY(
        QString focusedCleanupGroup READ focusedCleanupGroup NOTIFY focusedCleanupGroupChanged)
    Q_PROPERTY(QString applicationsPresentation READ applicationsPresentation NOTIFY
                   applicationsPresentationChanged)
    Q_PROPERTY(QString focusedApplicationCategory READ focusedApplicationCategory NOTIFY
                   focusedApplicationCategoryChanged)

    Q_PROPERTY(QVariantList displayedItems READ displayedItems NOTIFY displayedItemsChanged)
    // The lengths of displayedItems and selectedItems, for views that need no more than that.
    Q_PROPERTY(int displayedCount READ displayedCount NOTIFY displayedItemsChanged)
    Q_PROPERTY(QVariantMap displayedState READ displayedState NOTIFY displayedStateChanged)
    Q_PROPERTY(qint64 displayedInaccessibleCount READ displayedInaccessibleCount NOTIFY
                   displayedInaccessibleCountChanged)
    Q_PROPERTY(QVariantList selectedItems READ selectedItems NOTIFY selectedItemsChanged)
    Q_PROPERTY(int selectedCount READ selectedCount NOTIFY selectedItemsChanged)
    Q_PROPERTY(qint64 selectedSize READ selectedSize NOTIFY selectedSizeChanged)
    Q_PROPERTY(qint64 totalJunkSize READ totalJunkSize NOTIFY totalJunkSizeChanged)
    Q_PROPERTY(
        bool hasPermanentSelection READ hasPermanentSelection NOTIFY hasPermanentSelectionChanged)
    Q_PROPERTY(bool hasOptimizationSelection READ hasOptimizationSelection NOTIFY
                   hasOptimizationSelectionChanged)
    Q_PROPERTY(bool hasManagedXcodeSelection READ hasManagedXcodeSelection NOTIFY
                   hasManagedXcodeSelectionChanged)
    Q_PROPERTY(bool hasMailSelection READ hasMailSelection NOTIFY hasMailSelectionChanged)
    Q_PROPERTY(bool hasApplicationSelection READ hasApplicationSelection NOTIFY
                   hasApplicationSelectionChanged)
    Q_PROPERTY(
        QString selectionActionTitle READ selectionActionTitle NOTIFY selectionActionTitleChanged)
    Q_PROPERTY(bool isCheckingFullDiskAccess READ isCheckingFullDiskAccess NOTIFY
                   isCheckingFullDiskAccessChanged)
    // What the window shows by state (see Screen).
    Q_PROPERTY(QVariantMap screen READ screen NOTIFY screenChanged)
    // What the confirmation before a removal says: {title, message, offersAppManagement}.
    Q_PROPERTY(QVariantMap confirmation READ confirmation NOTIFY confirmationChanged)
    // The home layout's raw value, the words the window uses for its platform's things, and the
    // sentences that depend on the layout (see PlatformTexts.h).
    Q_PROPERTY(QVariantMap platform READ platform CONSTANT)

public:
    // Calls `answer` (from any thread) with whether the user's protected data can be read.
    using AccessCheck = AccessGate::Check;

    // What the folder chooser shows; it calls `choose` with the chosen folder or none.
    struct FolderRequest {
        QString title;
        QString message;
        QString prompt;
        std::filesystem::path startFolder;
    };
    using FolderChooser =
        std::function<void(const FolderRequest& request,
                           std::function<void(std::optional<std::filesystem::path>)> choose)>;
    // Opens a URL with whatever the desktop has for it; false when nothing could.
    using UrlOpener = std::function<bool(const QUrl& url)>;

    // The default check asks the engine on macOS; elsewhere there is no such permission and
    // the answer is yes. A layout without access permissions never checks: its protected scans
    // start at once.
    explicit CleanupStore(engine::ScanEngine engine = engine::ScanEngine(),
                          std::optional<AccessCheck> accessCheck = std::nullopt,
                          QObject* parent = nullptr);
    ~CleanupStore() override;

    void setFolderChooser(FolderChooser chooser) { folderChooser_ = std::move(chooser); }
    void setUrlOpener(UrlOpener opener) { urlOpener_ = std::move(opener); }

    // For the interface's C++ list models.
    [[nodiscard]] model::AppSection section() const { return navigation_.section; }
    [[nodiscard]] const std::vector<model::CleanupItem>& itemsOf(model::AppSection section) const {
        return lists_.items(section);
    }
    [[nodiscard]] std::vector<model::CleanupItem> selectedItemsOfDisplayedList() const;
    // Changes whenever a section's list changes other than in the selection of its items, so
    // that a list model can tell new items from a new selection.
    [[nodiscard]] std::uint64_t contentsRevision(model::AppSection section) const {
        return lists_.contentsRevision(section);
    }
    [[nodiscard]] const std::filesystem::path& home() const { return home_; }
    [[nodiscard]] model::HomeLayout layout() const { return layout_; }

    [[nodiscard]] QString selection() const;
    void selectSection(const QString& section);
    [[nodiscard]] QVariantList junkItems() const;
    [[nodiscard]] QVariantList applicationItems() const;
    [[nodiscard]] QVariantList largeItems() const;
    [[nodiscard]] QVariantList downloadsItems() const;
    [[nodiscard]] QVariantList trashItems() const;
    [[nodiscard]] QVariantMap cleanupState() const;
    [[nodiscard]] QVariantMap applicationsState() const;
    [[nodiscard]] QVariantMap largeFilesState() const;
    [[nodiscard]] QVariantMap downloadsState() const;
    [[nodiscard]] QVariantMap trashState() const;
    [[nodiscard]] QVariantMap inaccessibleCounts() const;
    [[nodiscard]] bool showDeleteConfirmation() const { return showDeleteConfirmation_; }
    void setShowDeleteConfirmation(bool show);
    [[nodiscard]] bool needsAppManagementPermission() const {
        return needsAppManagementPermission_;
    }
    void setNeedsAppManagementPermission(bool needed);
    [[nodiscard]] QVariant fullDiskAccessGranted() const;
    [[nodiscard]] QString fullDiskAccessPromptSection() const;
    [[nodiscard]] QString permissionCheckSection() const;
    [[nodiscard]] QString lastMessage() const;
    // An empty text clears the message.
    void setLastMessage(const QString& message);
    [[nodiscard]] double largeFileMinimumMB() const { return largeFileMinimumMB_; }
    // Ignored unless finite, not negative, and small enough for a byte count.
    void setLargeFileMinimumMB(double megabytes);
    [[nodiscard]] QString cleanupPresentation() const;
    [[nodiscard]] QString focusedCleanupGroup() const;
    [[nodiscard]] QString applicationsPresentation() const;
    [[nodiscard]] QString focusedApplicationCategory() const;

    [[nodiscard]] QVariantList displayedItems() const;
    [[nodiscard]] int displayedCount() const { return static_cast<int>(displayed().size()); }
    [[nodiscard]] QVariantMap displayedState() const;
    [[nodiscard]] qint64 displayedInaccessibleCount() const;
    [[nodiscard]] QVariantList selectedItems() const;
    [[nodiscard]] int selectedCount() const;
    [[nodiscard]] qint64 selectedSize() const;
    [[nodiscard]] qint64 totalJunkSize() const;
    [[nodiscard]] bool hasPermanentSelection() const;
    [[nodiscard]] bool hasOptimizationSelection() const;
    [[nodiscard]] bool hasManagedXcodeSelection() const;
    [[nodiscard]] bool hasMailSelection() const;
    [[nodiscard]] bool hasApplicationSelection() const;
    [[nodiscard]] QString selectionActionTitle() const;
    [[nodiscard]] bool isCheckingFullDiskAccess() const;
    [[nodiscard]] QVariantMap screen() const { return shown_.screen.toVariant(); }
    [[nodiscard]] QVariantMap confirmation() const;
    [[nodiscard]] QVariantMap platform() const;

    // The Smart Cleanup items of a group, and their total size.
    Q_INVOKABLE [[nodiscard]] QVariantList items(const QString& group) const;
    Q_INVOKABLE [[nodiscard]] qint64 size(const QString& group) const;

    Q_INVOKABLE void startJunkScan();
    // Scans the section on screen again; Large Files asks for a folder again.
    Q_INVOKABLE void rescan();
    Q_INVOKABLE void scanApplications();
    Q_INVOKABLE void chooseLargeFileFolder();
    Q_INVOKABLE void scanLargeFiles(const QUrl& folder);
    void scanLargeFiles(const std::filesystem::path& folder);
    Q_INVOKABLE void scanDownloads();
    Q_INVOKABLE void scanTrash();

    Q_INVOKABLE void toggle(const QString& itemKey);
    Q_INVOKABLE void setSelection(const QStringList& itemKeys, bool selected);
    // The bytes of item ids, looked up without a copy.
    struct IdHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view bytes) const noexcept {
            return std::hash<std::string_view>{}(bytes);
        }
    };
    using IdSet = std::unordered_set<std::string, IdHash, std::equal_to<>>;
    void setSelectionOfIds(const IdSet& ids, bool selected);
    // Deselects every displayed item.
    Q_INVOKABLE void deselectAll();
    Q_INVOKABLE void selectAll(const QString& category);
    Q_INVOKABLE void selectRecommended();
    Q_INVOKABLE void quickClean(const QString& group);

    Q_INVOKABLE void review(const QString& group);
    Q_INVOKABLE void showCleanupSummary();
    Q_INVOKABLE void reviewApplications(const QString& category);
    Q_INVOKABLE void showApplicationsSummary();
    // From the results list of Smart Cleanup or Applications back to its dashboard.
    Q_INVOKABLE void back();

    Q_INVOKABLE void removeSelected();

    Q_INVOKABLE void refreshFullDiskAccessStatus();
    Q_INVOKABLE void openPrivacySettings();
    Q_INVOKABLE void openAppManagementSettings();

signals:
    void selectionChanged();
    void junkItemsChanged();
    void applicationItemsChanged();
    void largeItemsChanged();
    void downloadsItemsChanged();
    void trashItemsChanged();
    void cleanupStateChanged();
    void applicationsStateChanged();
    void largeFilesStateChanged();
    void downloadsStateChanged();
    void trashStateChanged();
    void inaccessibleCountsChanged();
    void showDeleteConfirmationChanged();
    void needsAppManagementPermissionChanged();
    void fullDiskAccessGrantedChanged();
    void fullDiskAccessPromptSectionChanged();
    void permissionCheckSectionChanged();
    void lastMessageChanged();
    void largeFileMinimumMBChanged();
    void cleanupPresentationChanged();
    void focusedCleanupGroupChanged();
    void applicationsPresentationChanged();
    void focusedApplicationCategoryChanged();
    void displayedItemsChanged();
    void displayedStateChanged();
    void displayedInaccessibleCountChanged();
    void selectedItemsChanged();
    void selectedSizeChanged();
    void totalJunkSizeChanged();
    void hasPermanentSelectionChanged();
    void hasOptimizationSelectionChanged();
    void hasManagedXcodeSelectionChanged();
    void hasMailSelectionChanged();
    void hasApplicationSelectionChanged();
    void selectionActionTitleChanged();
    void isCheckingFullDiskAccessChanged();
    void screenChanged();
    void confirmationChanged();
    // A removal has ended: how many items were removed, skipped (their application was running,
    // or they changed after the scan) and failed, and the first skip's or failure's message.
    void removalFinished(int removed, int skipped, int failed, const QString& firstMessage);

private:
    // The Large Files minimum is set in megabytes of a million bytes.
    static constexpr double kBytesPerMegabyte = 1'000'000;

    // Every value the interface shows, as last announced; `publish` compares with it.
    struct Shown {
        Navigation navigation;
        std::array<std::uint64_t, ScanLists::kCount> revisions{};
        std::array<model::ScanState, ScanLists::kCount> states;
        std::map<model::AppSection, std::int64_t> inaccessibleCounts;
        bool showDeleteConfirmation = false;
        bool needsAppManagementPermission = false;
        AccessGate::State access;
        std::optional<std::string> lastMessage;
        double largeFileMinimumMB = 0;
        SelectionSummary selected;
        std::int64_t totalJunkSize = 0;
        QString actionTitle;
        Confirmation confirmation;
        Screen screen;
    };
    struct Announcement;
    [[nodiscard]] static model::ScanState stateOnScreen(const Shown& shown);
    [[nodiscard]] static std::int64_t unreadableOnScreen(const Shown& shown);
    [[nodiscard]] static bool checksOnScreen(const Shown& shown);
    [[nodiscard]] static bool differsIn(model::CleanupCategory category, const Shown& a,
                                        const Shown& b);

    [[nodiscard]] Shown current() const;
    // Announces every property whose value differs from the last announcement.
    void publish();

    void runScan(std::string label, model::AppSection section,
                 std::function<model::ScanSnapshot(const engine::ScanEngine&)> operation);
    // Starts the scan of Smart Cleanup or Applications once access allows it.
    void requestProtectedScan(model::AppSection section);
    void beginProtectedScan(model::AppSection section);
    [[nodiscard]] const std::vector<model::CleanupItem>& displayed() const;
    // Sets the selection of every displayed item to `select(item)`.
    void selectDisplayed(const std::function<bool(const model::CleanupItem&)>& select);

    // Runs `operation` on the engine's thread and `completion` with its result back here.
    template <class Operation, class Completion>
    void onEngine(Operation operation, Completion completion) {
        engine_.post(
            std::move(operation),
            [this](std::function<void()> task) {
                QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
            },
            std::move(completion));
    }

    // Read from the engine before it moves to its thread: the catalogue, and the words, of homes.
    model::HomeLayout layout_;
    engine::EngineActor engine_;
    FolderChooser folderChooser_;
    UrlOpener urlOpener_;
    std::filesystem::path home_;

    ScanLists lists_;
    Navigation navigation_;
    AccessGate access_;
    bool showDeleteConfirmation_ = false;
    bool needsAppManagementPermission_ = false;
    std::optional<std::string> lastMessage_;
    double largeFileMinimumMB_ = 500;
    // A scan is cancelled by starting another: only the latest generation's result is used.
    std::uint64_t scanGeneration_ = 0;

    Shown shown_;
};

} // namespace sorvale::store
