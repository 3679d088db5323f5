#pragma once

#include "Candidates.h"
#include "DirectoryWalker.h"
#include "model/CleanupItem.h"
#include "platform/EntryValues.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sorvale::engine {

struct Measurement {
    std::int64_t size = 0;
    // Some part could not be read, so `size` may be too small.
    bool incomplete = false;
    // False only when the entry itself could not be read; no item is ever made for it.
    bool rootWasReadable = true;

    bool operator==(const Measurement&) const = default;
};

// An entry measured to become an item: its size and its content modification date.
struct MeasuredEntry {
    std::int64_t size = 0;
    std::optional<model::Date> modifiedAt;
};

struct ToolResult {
    // The termination status; -1 when the tool could not be started.
    int status = -1;
    // Standard output and standard error as written, as UTF-8 with invalid bytes replaced.
    std::string output;
};

// The one component that reads the file system and runs tools. Its operations are synchronous
// and never fail: unreadable places become an inaccessible count. It keeps nothing between calls;
// EngineActor runs its operations one at a time off the caller's thread.
//
// Every absolute system location it reads, tools included, is resolved under `systemRoot`, so a
// whole machine can be stood up in a folder.
class ScanEngine {
public:
    // `concurrency` limits the threads of the walks that may share their work.
    explicit ScanEngine(std::filesystem::path systemRoot = "/",
                        WalkConcurrency concurrency = WalkConcurrency{});

    [[nodiscard]] const std::filesystem::path& systemRoot() const { return systemRoot_; }
    // `absolutePath` (for example "/usr/bin/lipo") as it lies under the system root.
    [[nodiscard]] std::filesystem::path systemPath(std::string_view absolutePath) const;

    // The only size rule: allocated bytes of every regular file inside, links never followed.
    [[nodiscard]] Measurement measureAllocatedSize(const std::filesystem::path& root) const;
    // Measures an entry that may become an item, reading it once for its size and its date. An
    // incomplete measurement counts one in `inaccessible`; none when the entry itself cannot be
    // read.
    [[nodiscard]] std::optional<MeasuredEntry> measureEntry(const std::filesystem::path& entry,
                                                            std::int64_t& inaccessible) const;
    // Measures many entries so, on a few threads that share all their folders; the results come
    // in the entries' order and are those of measuring each alone.
    [[nodiscard]] std::vector<std::optional<MeasuredEntry>>
    measureEntries(const std::vector<ListedEntry>& entries, std::int64_t& inaccessible) const;
    // Whether a sandbox container looks almost empty only because its payload is hidden from us.
    [[nodiscard]] bool appearsToHideContainerPayload(const std::filesystem::path& root,
                                                     std::int64_t measuredSize) const;
    // One measured item per visible entry of `root`, largest first.
    [[nodiscard]] model::ScanSnapshot scanTopLevel(const std::filesystem::path& root,
                                                   model::CleanupCategory category) const;
    // Every regular file of at least `minimumSize` allocated bytes below `root`, largest first.
    [[nodiscard]] model::ScanSnapshot scanLargeFiles(const std::filesystem::path& root,
                                                     std::int64_t minimumSize) const;
    // Whether protected folders of the user's library can be listed.
    [[nodiscard]] bool hasFullDiskAccess(const std::filesystem::path& home) const;
    // Runs `executable` (an absolute path, resolved under the system root) with `arguments`, no
    // shell in between, and waits for it.
    [[nodiscard]] ToolResult runTool(std::string_view executable,
                                     const std::vector<std::string>& arguments) const;
    // Xcode's tool launcher: `runTool` tells it which Xcode to use.
    static constexpr std::string_view kXcrun = "/usr/bin/xcrun";
    // The tool that reads and thins universal executables, and the slice it keeps.
    static constexpr std::string_view kLipo = "/usr/bin/lipo";
    static constexpr std::string_view kNativeArchitecture = "arm64";

    // Smart Cleanup: caches, logs, developer and simulator storage, Mail attachments, backups,
    // the Trash, application data and universal applications, each location once, largest first.
    [[nodiscard]] model::ScanSnapshot scanJunk(const std::filesystem::path& home) const;
    // The caches, logs and web data of every sandbox container of `home`/`containerFolder`.
    void appendContainerCaches(const std::filesystem::path& home,
                               const std::filesystem::path& containerFolder,
                               Candidates& into) const;
    // Web data, saved window state and crash reports, then the Application Support caches.
    void appendGenericApplicationData(const std::filesystem::path& home, Candidates& into) const;
    // Cache folders that applications keep somewhere below Application Support.
    void appendApplicationSupportCaches(const std::filesystem::path& root, Candidates& into) const;

    // One item per simulator device folder, removed through simctl.
    void appendSimulatorDevices(const std::filesystem::path& home, Candidates& into) const;
    // The deletable simulator runtimes that simctl lists.
    [[nodiscard]] std::vector<model::CleanupItem> scanSimulatorRuntimes() const;
    [[nodiscard]] std::vector<model::CleanupItem>
    parseSimulatorRuntimes(std::string_view listing) const;
    // The simulators' shared caches of the whole system, as one item.
    void appendSimulatorCaches(Candidates& into) const;

    // Mail's downloaded attachments and the attachment copies kept below "Library/Mail".
    void appendMailAttachments(const std::filesystem::path& home, Candidates& into) const;
    [[nodiscard]] model::ScanSnapshot
    scanMailAttachmentTree(const std::filesystem::path& root) const;

    // Applications whose writable executables carry slices for other processors than arm64.
    [[nodiscard]] model::ScanSnapshot
    scanUniversalApplications(const std::filesystem::path& home) const;
    [[nodiscard]] static bool isUniversalMachO(const std::filesystem::path& file);
    // The size of the file's arm64 slice, as lipo reports it.
    [[nodiscard]] std::optional<std::int64_t>
    nativeSliceSize(const std::filesystem::path& file) const;

    // Installed applications with their support files, then leftovers of removed applications
    // and installer files, largest first. `applicationRoots` replaces the default roots.
    [[nodiscard]] model::ScanSnapshot
    scanApplications(const std::filesystem::path& home,
                     const std::optional<std::vector<std::filesystem::path>>& applicationRoots =
                         std::nullopt) const;
    // The application bundles below `roots`, each once, in the Finder's name order.
    [[nodiscard]] std::vector<model::Location>
    discoverApplications(const std::vector<std::filesystem::path>& roots,
                         std::int64_t& inaccessible) const;
    // The normalized identifiers a bundle owns: its own, its signature's groups, and those of
    // the bundles embedded in it.
    [[nodiscard]] std::set<std::string>
    applicationBundleIdentifiers(const model::Location& bundle, std::int64_t& inaccessible) const;
    // The files an application keeps in the home Library, ordered by path.
    [[nodiscard]] std::vector<model::Location>
    applicationSupportFiles(const std::filesystem::path& home,
                            const std::optional<std::string>& bundleIdentifier,
                            std::string_view appName) const;
    // Library entries named after software that is no longer installed.
    [[nodiscard]] std::vector<model::CleanupItem> discoverLeftovers(
        const std::filesystem::path& home, const std::set<std::string>& installedIdentifiers,
        const std::set<std::filesystem::path>& excluding, std::int64_t& inaccessible) const;
    // The identifier a Library entry's name stands for, if it looks like one.
    [[nodiscard]] static std::optional<std::string> leftoverIdentifier(std::string_view name);
    // Disk images and installer packages in Downloads and on the Desktop.
    [[nodiscard]] std::vector<model::CleanupItem>
    discoverInstallers(const std::filesystem::path& home, std::int64_t& inaccessible) const;

    // The standard item for a measured entry: named after its last component, modified at its
    // content modification date, removed by moving it to the Trash.
    [[nodiscard]] static model::CleanupItem measuredEntryItem(model::Location url,
                                                              const MeasuredEntry& measured,
                                                              model::CleanupCategory category);
    // A regular file's size: its allocated bytes, else its logical length, else 0.
    [[nodiscard]] static std::int64_t fileSize(const platform::EntryValues& values);
    // What a regular file occupies, with no fallback to its logical length: all that a sparse
    // file reclaims.
    [[nodiscard]] static std::int64_t allocatedSize(const platform::EntryValues& values);

private:
    // An entry of a Library folder matched by identifier prefix, with its lower-case name.
    struct LibraryEntry {
        std::string lowerName;
        model::Location location;
    };
    // The entries of those folders, listed once for all the applications of a scan.
    [[nodiscard]] std::vector<LibraryEntry>
    prefixMatchedLibraryEntries(const std::filesystem::path& home) const;
    [[nodiscard]] std::vector<model::Location> applicationSupportFiles(
        const std::filesystem::path& home, const std::optional<std::string>& bundleIdentifier,
        std::string_view appName, const std::vector<LibraryEntry>& libraryEntries) const;

    // The measurements of entries whose own values have been read.
    [[nodiscard]] std::vector<Measurement>
    measureAll(const std::vector<ListedEntry>& entries) const;

    // Lists a catalogue folder for an item of every readable entry but ".DS_Store", whatever its
    // size, made by `maker`; a missing folder adds nothing, an unlistable one counts once.
    void appendCatalogueFolder(const std::filesystem::path& folder, Candidates& into,
                               std::size_t maker) const;
    // Makes measured entry items of one category.
    [[nodiscard]] static Candidates::ItemMaker measuredEntriesOf(model::CleanupCategory category);

    std::filesystem::path systemRoot_;
    WalkConcurrency concurrency_;
};

// Orders items largest first, keeping the found order among equal sizes.
void sortBySizeDescending(std::vector<model::CleanupItem>& items);

} // namespace sorvale::engine
