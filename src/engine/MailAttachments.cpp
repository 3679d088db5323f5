// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "MailAttachments.h"

#include "DirectoryWalker.h"
#include "SizeMeasurement.h"

#include <algorithm>
#include <deque>

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

enum class MailPlace { attachment, messageStore, elsewhere };

// Where an entry lies, by its path below Mail's folder: below an "Attachments" folder that is not
// inside a message store, in a message store ("Mailboxes", never entered), or elsewhere.
MailPlace placeInMailTree(std::string_view below) {
    for (std::size_t start = 0; start < below.size();) {
        const std::size_t end = std::min(below.find('/', start), below.size());
        const std::string_view component = below.substr(start, end - start);
        if (component == kMailboxes) {
            return MailPlace::messageStore;
        }
        if (component == kAttachments && end < below.size()) {
            return MailPlace::attachment;
        }
        start = end + 1;
    }
    return MailPlace::elsewhere;
}

} // namespace

void MailAttachments::appendTo(const fs::path& home, Candidates& into) const {
    into.addFolder(home / kMailDownloads, into.addMaker(CleanupCategory::mailDownloads));
    into.add(attachmentTree(home / kMailTree));
}

model::ScanSnapshot MailAttachments::attachmentTree(const fs::path& root) const {
    if (!platform::fileExists(root)) {
        return {};
    }
    struct Part {
        WalkFindings<model::CleanupItem> found;
        bool failed = false;
    };
    std::deque<Part> parts;
    const std::size_t rootLength = root.native().size();
    const bool opened = walkDirectoryConcurrently(
        root, WalkOptions{.skipHiddenEntries = true}, setup_.concurrency, [&](std::size_t) {
            Part& part = parts.emplace_back();
            return WalkWorker{
                [&part, rootLength](const WalkEntry& entry) {
                    std::string_view below = entry.path().native();
                    below.remove_prefix(std::min(rootLength, below.size()));
                    below.remove_prefix(std::min(below.find_first_not_of('/'), below.size()));
                    switch (placeInMailTree(below)) {
                    case MailPlace::messageStore:
                        return WalkAction::skipDescendants;
                    case MailPlace::elsewhere:
                        return WalkAction::descend;
                    case MailPlace::attachment:
                        break;
                    }
                    const auto& values = entry.values();
                    if (values && values->type == platform::EntryType::regular) {
                        if (const std::int64_t size = allocatedSize(*values); size > 0) {
                            part.found.add(
                                entry,
                                measuredEntryItem(
                                    entry.location(),
                                    {.size = size, .modifiedAt = values->contentModificationDate},
                                    CleanupCategory::mailDownloads));
                        }
                    }
                    return WalkAction::descend;
                },
                [&part](const fs::path&, int) { part.failed = true; }};
        });
    if (!opened) {
        return {.items = {}, .inaccessibleCount = 1};
    }
    std::deque<WalkFindings<model::CleanupItem>> found;
    bool failed = false;
    for (Part& part : parts) {
        found.push_back(std::move(part.found));
        failed = failed || part.failed;
    }
    model::ScanSnapshot attachments{.items = WalkFindings<model::CleanupItem>::inWalkOrder(found),
                                    .inaccessibleCount = failed ? 1 : 0};
    sortBySizeDescending(attachments.items);
    return attachments;
}

} // namespace sorvale::engine
