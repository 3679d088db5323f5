#include "DirectoryWalker.h"
#include "ScanEngine.h"

#include <algorithm>

namespace sorvale::engine {
namespace {

namespace fs = std::filesystem;
using model::CleanupCategory;

constexpr std::string_view kMailDownloads =
    "Library/Containers/com.apple.mail/Data/Library/Mail Downloads";
constexpr std::string_view kMailTree = "Library/Mail";
// Mail's own message store: never entered.
constexpr std::string_view kMailboxes = "Mailboxes";
constexpr std::string_view kAttachments = "Attachments";

bool hasComponent(const fs::path& path, std::string_view name) {
    return std::any_of(path.begin(), path.end(),
                       [&](const fs::path& component) { return component == name; });
}

} // namespace

void ScanEngine::appendMailAttachments(const fs::path& home, model::ScanSnapshot& into) const {
    appendCatalogueFolder(home / kMailDownloads, into,
                          measuredEntriesOf(CleanupCategory::mailDownloads));
    model::ScanSnapshot tree = scanMailAttachmentTree(home / kMailTree);
    std::ranges::move(tree.items, std::back_inserter(into.items));
    into.inaccessibleCount += tree.inaccessibleCount;
}

model::ScanSnapshot ScanEngine::scanMailAttachmentTree(const fs::path& root) const {
    if (!platform::fileExists(root)) {
        return {};
    }
    model::ScanSnapshot attachments;
    bool walkFailed = false;
    const WalkErrorHandler onError = [&](const fs::path&, int) { walkFailed = true; };
    const WalkOptions visibleEntries{.skipHiddenEntries = true};

    const auto appendAttachment = [&](const WalkEntry& file) {
        const auto& values = file.values();
        if (!values || values->type != platform::EntryType::regular) {
            return WalkAction::descend;
        }
        if (const std::int64_t size = allocatedSize(*values); size > 0) {
            attachments.items.push_back(measuredEntryItem(
                file.location(), {.size = size, .modifiedAt = values->contentModificationDate},
                CleanupCategory::mailDownloads));
        }
        return WalkAction::descend;
    };

    const bool opened = walkDirectory(
        root, visibleEntries,
        [&](const WalkEntry& entry) {
            if (entry.type() != platform::EntryType::directory) {
                return WalkAction::descend;
            }
            if (entry.name() == kMailboxes) {
                return WalkAction::skipDescendants;
            }
            if (entry.name() != kAttachments) {
                return WalkAction::descend;
            }
            if (!hasComponent(entry.path(), kMailboxes)) {
                (void)walkDirectory(entry.asRoot(), visibleEntries, appendAttachment, onError);
            }
            // Its files were seen once; an "Attachments" folder inside is not walked again.
            return WalkAction::skipDescendants;
        },
        onError);
    if (!opened) {
        return {.items = {}, .inaccessibleCount = 1};
    }
    sortBySizeDescending(attachments.items);
    attachments.inaccessibleCount = walkFailed ? 1 : 0;
    return attachments;
}

} // namespace sorvale::engine
