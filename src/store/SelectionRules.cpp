// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "SelectionRules.h"

#include "model/ByteCountFormat.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace sorvale::store {

using model::CleanupCategory;

SelectionSummary SelectionSummary::of(model::AppSection section, std::uint64_t contents,
                                      const std::vector<model::CleanupItem>& items) {
    SelectionSummary summary;
    summary.section = section;
    summary.contents = contents;
    for (std::size_t position = 0; position < items.size(); ++position) {
        const model::CleanupItem& item = items[position];
        if (!item.isSelected) {
            continue;
        }
        summary.positions.push_back(static_cast<std::uint32_t>(position));
        summary.size += item.size;
        summary.categories |= bit(item.category);
        summary.managedXcode = summary.managedXcode || item.operation.isManagedXcodeOperation();
        summary.systemToolCount += item.operation.isSystemToolOperation() ? 1 : 0;
    }
    return summary;
}

bool SelectionSummary::sameItems(const SelectionSummary& other) const {
    if (section == other.section && contents == other.contents) {
        return positions == other.positions;
    }
    return positions.empty() && other.positions.empty();
}

namespace {

// "1 item", "3 items".
QString counted(std::size_t count, const QString& noun) {
    return QString::number(count) + " " + noun + (count == 1 ? "" : "s");
}

} // namespace

namespace selection_rules {

QString actionTitle(const SelectionSummary& selected) {
    // Whatever is removed from the Trash itself is gone for good.
    if (selected.section == model::AppSection::trash) {
        return "Delete Permanently";
    }
    struct OnlyRule {
        CleanupCategory category;
        const char* title;
    };
    static constexpr std::array<OnlyRule, 5> kOnlyRules{{
        {CleanupCategory::universalBinaries, "Optimize Selected"},
        {CleanupCategory::mailDownloads, "Remove Attachments"},
        {CleanupCategory::installedApplications, "Uninstall Selected"},
        {CleanupCategory::appLeftovers, "Remove Leftovers"},
        {CleanupCategory::installers, "Remove Installers"},
    }};
    for (const OnlyRule& rule : kOnlyRules) {
        if (selected.onlyOf(rule.category)) {
            return rule.title;
        }
    }
    if (selected.has(CleanupCategory::universalBinaries) || selected.has(CleanupCategory::trash) ||
        selected.managedXcode || selected.systemToolCount > 0) {
        return "Apply Selected";
    }
    return "Move to Trash";
}

Confirmation confirmation(const SelectionSummary& selected, model::HomeLayout layout) {
    const auto said = [](QString title, QString message, bool offersAppManagement) {
        Confirmation confirmation;
        confirmation.title = std::move(title);
        confirmation.message = std::move(message);
        confirmation.offersAppManagement = offersAppManagement;
        return confirmation;
    };
    const QString items = counted(selected.count(), "item");
    const QString s = QString::fromStdString(model::formatByteCount(selected.size));
    // The first rule that holds chooses title and message.
    if (selected.has(CleanupCategory::universalBinaries)) {
        return said("Optimize selected applications?",
                    "Sorvale will remove non-native executable slices from " + items +
                        ", reclaiming up to " + s +
                        ". Running apps are skipped, and signed apps are restored automatically if "
                        "verification fails. This optimization cannot be undone.",
                    false);
    }
    if (selected.onlyOf(CleanupCategory::installedApplications)) {
        if (model::hasAccessPermissions(layout)) {
            return said(
                "Uninstall selected applications?",
                "Sorvale will move the selected application bundles and their matched caches, "
                "preferences, logs, saved state, and support folders to Trash. macOS may ask for "
                "App Management permission because this allows Sorvale to delete other apps. "
                "Running applications are skipped; everything remains recoverable until Trash is "
                "emptied.",
                true);
        }
        return said("Uninstall selected applications?",
                    "Sorvale will move the selected application bundles and their matched caches, "
                    "preferences, logs, saved state, and support folders to Trash. Running "
                    "applications are skipped; everything remains recoverable until Trash is "
                    "emptied.",
                    false);
    }
    if (selected.has(CleanupCategory::mailDownloads)) {
        return said(
            "Remove downloaded Mail attachments?",
            "Quit Apple Mail first. Selected downloaded attachment copies will move to Trash. "
            "Server-synced attachments can normally be downloaded again, but locally stored "
            "or POP mail may not be recoverable from the server.",
            false);
    }
    if (selected.managedXcode) {
        return said(
            "Remove selected items?",
            QString::fromUtf8("Selected simulator runtimes, devices, and shared caches will be "
                              "removed through Apple\u2019s CoreSimulator tools. Affected "
                              "simulators may be shut down, and deleted runtime or device "
                              "data cannot be recovered from Trash."),
            false);
    }
    if (selected.onlyOf(CleanupCategory::trash)) {
        return said("Delete selected items permanently?",
                    items + ", totaling " + s +
                        ". Items deleted from Trash cannot be recovered or put back.",
                    false);
    }
    if (selected.systemToolCount == selected.count() && selected.count() > 0) {
        return said("Remove selected items?",
                    items + ", totaling " + s +
                        QString::fromUtf8(". The system\u2019s own tools remove them and may ask "
                                          "for an administrator password; they cannot be "
                                          "recovered from Trash."),
                    false);
    }
    if (selected.systemToolCount > 0) {
        if (selected.has(CleanupCategory::trash)) {
            return said("Remove selected items?",
                        items + ", totaling " + s +
                            QString::fromUtf8(
                                ". Selected system storage is removed by the system\u2019s own "
                                "tools, which may ask for an administrator password, and cannot "
                                "be recovered from Trash. Items already in Trash will be deleted "
                                "permanently; other items will move to Trash."),
                        false);
        }
        return said(
            "Remove selected items?",
            items + ", totaling " + s +
                QString::fromUtf8(". Selected system storage is removed by the system\u2019s "
                                  "own tools, which may ask for an administrator password, "
                                  "and cannot be recovered from Trash. Other items will "
                                  "move to Trash."),
            false);
    }
    if (selected.has(CleanupCategory::trash)) {
        return said(
            "Remove selected items?",
            items + ", totaling " + s +
                ". Items already in Trash will be deleted permanently; other items will move "
                "to Trash.",
            false);
    }
    return said("Move selected items to Trash?",
                items + ", totaling " + s +
                    ". You can recover them from Trash until it is emptied.",
                false);
}

QString action(const model::CleanupItem& item, std::string_view trash) {
    // The same order of routes as the removal's: by category first, then by operation.
    if (item.category == CleanupCategory::universalBinaries) {
        return "optimized";
    }
    if (item.category == CleanupCategory::installedApplications) {
        return "uninstalled";
    }
    if (item.operation.isManagedXcodeOperation() || item.operation.isSystemToolOperation() ||
        item.category == CleanupCategory::trash) {
        return "deleted permanently";
    }
    return "moved to " + QString::fromUtf8(trash.data(), static_cast<qsizetype>(trash.size()));
}

Confirmation confirmation(const SelectionSummary& selected,
                          const std::vector<model::CleanupItem>& items, model::HomeLayout layout,
                          std::size_t named) {
    const std::string_view trash = model::words(layout).trash;
    Confirmation result = confirmation(selected, layout);
    std::vector<std::uint32_t> bySize = selected.positions;
    const auto largestFirst = [&](std::uint32_t a, std::uint32_t b) {
        return items[a].size > items[b].size || (items[a].size == items[b].size && a < b);
    };
    const std::size_t shown = std::min(named, bySize.size());
    std::partial_sort(bySize.begin(), bySize.begin() + static_cast<std::ptrdiff_t>(shown),
                      bySize.end(), largestFirst);
    for (std::size_t index = 0; index < shown; ++index) {
        const model::CleanupItem& item = items[bySize[index]];
        result.items.push_back({QString::fromStdString(item.name), item.size, action(item, trash)});
    }
    result.more = bySize.size() - shown;
    result.total = QString::fromStdString(model::formatByteCount(selected.size));

    // "3 items will be moved to the Trash; 1 item will be deleted permanently."
    std::vector<std::pair<QString, std::size_t>> actions;
    for (const std::uint32_t position : selected.positions) {
        const QString done = action(items[position], trash);
        const auto same = std::find_if(actions.begin(), actions.end(),
                                       [&](const auto& counted) { return counted.first == done; });
        if (same != actions.end()) {
            ++same->second;
        } else {
            actions.emplace_back(done, 1);
        }
    }
    QStringList sentences;
    for (const auto& [done, count] : actions) {
        sentences.append(counted(count, "item") + " will be " + done);
    }
    result.outcome = sentences.join("; ") + (sentences.isEmpty() ? "" : ".");
    return result;
}

std::string progressLabel(const SelectionSummary& selected) {
    if (selected.has(CleanupCategory::universalBinaries)) {
        return "Safely optimizing selected applications\u2026";
    }
    if (selected.has(CleanupCategory::installedApplications)) {
        return "Uninstalling selected applications\u2026";
    }
    return "Applying cleanup\u2026";
}

} // namespace selection_rules

} // namespace sorvale::store
