// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "SelectionRules.h"

#include "ModelTexts.h"

#include <QCoreApplication>

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

// Named as its translation context, which is what lupdate takes where it cannot follow the
// declaration.
struct SelectionTexts {
    Q_DECLARE_TR_FUNCTIONS(SelectionTexts)
};

} // namespace

namespace selection_rules {

QString actionTitle(const SelectionSummary& selected) {
    struct OnlyRule {
        CleanupCategory category;
        const char* title;
    };
    static constexpr std::array<OnlyRule, 5> kOnlyRules{{
        {CleanupCategory::universalBinaries,
         QT_TRANSLATE_NOOP("SelectionTexts", "Optimize Selected")},
        {CleanupCategory::mailDownloads, QT_TRANSLATE_NOOP("SelectionTexts", "Remove Attachments")},
        {CleanupCategory::installedApplications,
         QT_TRANSLATE_NOOP("SelectionTexts", "Uninstall Selected")},
        {CleanupCategory::appLeftovers, QT_TRANSLATE_NOOP("SelectionTexts", "Remove Leftovers")},
        {CleanupCategory::installers, QT_TRANSLATE_NOOP("SelectionTexts", "Remove Installers")},
    }};
    for (const OnlyRule& rule : kOnlyRules) {
        if (selected.onlyOf(rule.category)) {
            return SelectionTexts::tr(rule.title);
        }
    }
    if (selected.has(CleanupCategory::universalBinaries) || selected.has(CleanupCategory::trash) ||
        selected.managedXcode || selected.systemToolCount > 0) {
        return SelectionTexts::tr("Apply Selected");
    }
    return SelectionTexts::tr("Move to Trash");
}

Confirmation confirmation(const SelectionSummary& selected, model::HomeLayout layout) {
    const int n = static_cast<int>(selected.count());
    const QString size = byteCountText(selected.size);
    const auto removeSelected = [] { return SelectionTexts::tr("Remove selected items?"); };
    // The first rule that holds chooses title and message.
    if (selected.has(CleanupCategory::universalBinaries)) {
        return {SelectionTexts::tr("Optimize selected applications?"),
                SelectionTexts::tr("Sorvale will remove non-native executable slices from %n "
                                   "selected item(s), reclaiming up to %1. Running apps are "
                                   "skipped, and signed apps are restored automatically if "
                                   "verification fails. This optimization cannot be undone.",
                                   "", n)
                    .arg(size),
                false};
    }
    if (selected.onlyOf(CleanupCategory::installedApplications)) {
        const bool asksPermission = model::hasAccessPermissions(layout);
        return {SelectionTexts::tr("Uninstall selected applications?"),
                asksPermission
                    ? SelectionTexts::tr(
                          "Sorvale will move the selected application bundles and their matched "
                          "caches, preferences, logs, saved state, and support folders to Trash. "
                          "macOS may ask for App Management permission because this allows "
                          "Sorvale to delete other apps. Running applications are skipped; "
                          "everything remains recoverable until Trash is emptied.")
                    : SelectionTexts::tr(
                          "Sorvale will move the selected application bundles and their matched "
                          "caches, preferences, logs, saved state, and support folders to Trash. "
                          "Running applications are skipped; everything remains recoverable "
                          "until Trash is emptied."),
                asksPermission};
    }
    if (selected.has(CleanupCategory::mailDownloads)) {
        return {SelectionTexts::tr("Remove downloaded Mail attachments?"),
                SelectionTexts::tr(
                    "Quit Apple Mail first. Selected downloaded attachment copies will move to "
                    "Trash. Server-synced attachments can normally be downloaded again, but "
                    "locally stored or POP mail may not be recoverable from the server."),
                false};
    }
    if (selected.managedXcode) {
        return {removeSelected(),
                SelectionTexts::tr("Selected simulator runtimes, devices, and shared caches will "
                                   "be removed through Apple\u2019s CoreSimulator tools. Affected "
                                   "simulators may be shut down, and deleted runtime or device "
                                   "data cannot be recovered from Trash."),
                false};
    }
    if (selected.systemToolCount == selected.count() && selected.count() > 0) {
        return {removeSelected(),
                SelectionTexts::tr("%n item(s), totaling %1. The system\u2019s own tools remove "
                                   "them and may ask for an administrator password; they cannot "
                                   "be recovered from Trash.",
                                   "", n)
                    .arg(size),
                false};
    }
    if (selected.systemToolCount > 0) {
        return {removeSelected(),
                (selected.has(CleanupCategory::trash)
                     ? SelectionTexts::tr(
                           "%n item(s), totaling %1. Selected system storage is removed by the "
                           "system\u2019s own tools, which may ask for an administrator "
                           "password, and cannot be recovered from Trash. Items already in Trash "
                           "will be deleted permanently; other items will move to Trash.",
                           "", n)
                     : SelectionTexts::tr(
                           "%n item(s), totaling %1. Selected system storage is removed by the "
                           "system\u2019s own tools, which may ask for an administrator "
                           "password, and cannot be recovered from Trash. Other items will move "
                           "to Trash.",
                           "", n))
                    .arg(size),
                false};
    }
    if (selected.has(CleanupCategory::trash)) {
        return {removeSelected(),
                SelectionTexts::tr("%n item(s), totaling %1. Items already in Trash will be "
                                   "deleted permanently; other items will move to Trash.",
                                   "", n)
                    .arg(size),
                false};
    }
    return {
        SelectionTexts::tr("Move selected items to Trash?"),
        SelectionTexts::tr(
            "%n item(s), totaling %1. You can recover them from Trash until it is emptied.", "", n)
            .arg(size),
        false};
}

QString progressLabel(const SelectionSummary& selected) {
    if (selected.has(CleanupCategory::universalBinaries)) {
        return SelectionTexts::tr("Safely optimizing selected applications\u2026");
    }
    if (selected.has(CleanupCategory::installedApplications)) {
        return SelectionTexts::tr("Uninstalling selected applications\u2026");
    }
    return SelectionTexts::tr("Applying cleanup\u2026");
}

} // namespace selection_rules

} // namespace sorvale::store
