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
    model::ScanSnapshot attachments;
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

    walkCounting(
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
                walkCounting(entry.asRoot(), visibleEntries, appendAttachment,
                             attachments.inaccessibleCount);
            }
            // Its files were seen once; an "Attachments" folder inside is not walked again.
            return WalkAction::skipDescendants;
        },
        attachments.inaccessibleCount);
    sortBySizeDescending(attachments.items);
    return attachments;
}

} // namespace sorvale::engine
