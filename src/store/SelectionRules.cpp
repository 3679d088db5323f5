// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "SelectionRules.h"

#include "model/ByteCountFormat.h"

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

namespace selection_rules {

QString actionTitle(const SelectionSummary& selected) {
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
    const QString n = QString::number(selected.count());
    const QString s = QString::fromStdString(model::formatByteCount(selected.size));
    // The first rule that holds chooses title and message.
    if (selected.has(CleanupCategory::universalBinaries)) {
        return {"Optimize selected applications?",
                "Sorvale will remove non-native executable slices from " + n +
                    " selected item(s), reclaiming up to " + s +
                    ". Running apps are skipped, and signed apps are restored automatically if "
                    "verification fails. This optimization cannot be undone.",
                false};
    }
    if (selected.onlyOf(CleanupCategory::installedApplications)) {
        const bool asksPermission = model::hasAccessPermissions(layout);
        if (!asksPermission) {
            return {"Uninstall selected applications?",
                    QString::fromUtf8(
                        "Flatpak apps, snaps and Debian packages are removed by their package "
                        "managers, which may ask for an administrator password, and cannot be "
                        "recovered from Trash; a package whose removal would take other packages "
                        "with it stays installed. AppImages and every app’s matched settings, "
                        "data and caches move to Trash. Running applications are skipped."),
                    false};
        }
        return {"Uninstall selected applications?",
                QString("Sorvale will move the selected application bundles and their matched "
                        "caches, preferences, logs, saved state, and support folders to Trash. ") +
                    (asksPermission ? "macOS may ask for App Management permission because this "
                                      "allows Sorvale to delete other apps. "
                                    : "") +
                    "Running applications are skipped; everything remains recoverable until Trash "
                    "is emptied.",
                asksPermission};
    }
    if (selected.has(CleanupCategory::mailDownloads)) {
        return {"Remove downloaded Mail attachments?",
                "Quit Apple Mail first. Selected downloaded attachment copies will move to Trash. "
                "Server-synced attachments can normally be downloaded again, but locally stored "
                "or POP mail may not be recoverable from the server.",
                false};
    }
    if (selected.managedXcode) {
        return {"Remove selected items?",
                QString::fromUtf8("Selected simulator runtimes, devices, and shared caches will be "
                                  "removed through Apple\u2019s CoreSimulator tools. Affected "
                                  "simulators may be shut down, and deleted runtime or device "
                                  "data cannot be recovered from Trash."),
                false};
    }
    if (selected.systemToolCount == selected.count() && selected.count() > 0) {
        return {"Remove selected items?",
                n + " item(s), totaling " + s +
                    QString::fromUtf8(". The system\u2019s own tools remove them and may ask for "
                                      "an administrator password; they cannot be recovered from "
                                      "Trash."),
                false};
    }
    if (selected.systemToolCount > 0) {
        return {"Remove selected items?",
                n + " item(s), totaling " + s +
                    QString::fromUtf8(". Selected system storage is removed by the system\u2019s "
                                      "own tools, which may ask for an administrator password, "
                                      "and cannot be recovered from Trash.") +
                    (selected.has(CleanupCategory::trash)
                         ? " Items already in Trash will be deleted permanently; other items "
                           "will move to Trash."
                         : " Other items will move to Trash."),
                false};
    }
    if (selected.has(CleanupCategory::trash)) {
        return {"Remove selected items?",
                n + " item(s), totaling " + s +
                    ". Items already in Trash will be deleted permanently; other items will move "
                    "to Trash.",
                false};
    }
    return {"Move selected items to Trash?",
            n + " item(s), totaling " + s +
                ". You can recover them from Trash until it is emptied.",
            false};
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
