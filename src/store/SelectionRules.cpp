// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "SelectionRules.h"

#include "ModelTexts.h"
#include "StoreValues.h"

#include <QCoreApplication>
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

// Named as its translation context, which is what lupdate takes where it cannot follow the
// declaration.
struct SelectionTexts {
    Q_DECLARE_TR_FUNCTIONS(SelectionTexts)
};

// What a removal does to an item.
enum class Fate : std::uint8_t { optimized, uninstalled, deletedPermanently, movedToTrash };

Fate fateOf(const model::CleanupItem& item) {
    // The same order of routes as the removal's: by category first, then by operation.
    if (item.category == CleanupCategory::universalBinaries) {
        return Fate::optimized;
    }
    if (item.category == CleanupCategory::installedApplications) {
        return Fate::uninstalled;
    }
    if (item.operation.isManagedXcodeOperation() || item.operation.isSystemToolOperation() ||
        item.category == CleanupCategory::trash) {
        return Fate::deletedPermanently;
    }
    return Fate::movedToTrash;
}

// "3 items will be moved to the Trash": one whole sentence per fate and layout, so that a
// translation can bend it to the count.
QString outcomeSentence(Fate fate, int count, model::HomeLayout layout) {
    switch (fate) {
    case Fate::optimized:
        return SelectionTexts::tr("%n item(s) will be optimized", "", count);
    case Fate::uninstalled:
        return SelectionTexts::tr("%n item(s) will be uninstalled", "", count);
    case Fate::deletedPermanently:
        return SelectionTexts::tr("%n item(s) will be deleted permanently", "", count);
    case Fate::movedToTrash:
        break;
    }
    return layout == model::HomeLayout::macos
               ? SelectionTexts::tr("%n item(s) will be moved to macOS Trash", "", count)
               : SelectionTexts::tr("%n item(s) will be moved to the Trash", "", count);
}

} // namespace

namespace selection_rules {

QString actionTitle(const SelectionSummary& selected) {
    // Whatever is removed from the Trash itself is gone for good.
    if (selected.section == model::AppSection::trash) {
        return SelectionTexts::tr("Delete Permanently");
    }
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
    const auto said = [](QString title, QString message, bool offersAppManagement) {
        Confirmation confirmation;
        confirmation.title = std::move(title);
        confirmation.message = std::move(message);
        confirmation.offersAppManagement = offersAppManagement;
        return confirmation;
    };
    // The first rule that holds chooses title and message.
    if (selected.has(CleanupCategory::universalBinaries)) {
        return said(SelectionTexts::tr("Optimize selected applications?"),
                    SelectionTexts::tr("Sorvale will remove non-native executable slices from %n "
                                       "item(s), reclaiming up to %1. Running apps are "
                                       "skipped, and signed apps are restored automatically if "
                                       "verification fails. This optimization cannot be undone.",
                                       "", n)
                        .arg(size),
                    false);
    }
    if (selected.onlyOf(CleanupCategory::installedApplications)) {
        const bool asksPermission = model::hasAccessPermissions(layout);
        if (!asksPermission) {
            return said(SelectionTexts::tr("Uninstall selected applications?"),
                        SelectionTexts::tr(
                            "Flatpak apps, snaps and Debian packages are removed by their package "
                            "managers, which may ask for an administrator password, and cannot "
                            "be recovered from Trash; a package whose removal would take other "
                            "packages with it stays installed. AppImages and every app\u2019s "
                            "matched settings, data and caches move to Trash. Running "
                            "applications are skipped."),
                        false);
        }
        return said(SelectionTexts::tr("Uninstall selected applications?"),
                    SelectionTexts::tr(
                        "Sorvale will move the selected application bundles and their matched "
                        "caches, preferences, logs, saved state, and support folders to Trash. "
                        "macOS may ask for App Management permission because this allows "
                        "Sorvale to delete other apps. Running applications are skipped; "
                        "everything remains recoverable until Trash is emptied."),
                    true);
    }
    if (selected.has(CleanupCategory::mailDownloads)) {
        return said(SelectionTexts::tr("Remove downloaded Mail attachments?"),
                    SelectionTexts::tr(
                        "Quit Apple Mail first. Selected downloaded attachment copies will move to "
                        "Trash. Server-synced attachments can normally be downloaded again, but "
                        "locally stored or POP mail may not be recoverable from the server."),
                    false);
    }
    if (selected.managedXcode) {
        return said(
            removeSelected(),
            SelectionTexts::tr("Selected simulator runtimes, devices, and shared caches will "
                               "be removed through Apple\u2019s CoreSimulator tools. Affected "
                               "simulators may be shut down, and deleted runtime or device "
                               "data cannot be recovered from Trash."),
            false);
    }
    if (selected.onlyOf(CleanupCategory::trash)) {
        return said(
            SelectionTexts::tr("Delete selected items permanently?"),
            SelectionTexts::tr("%n item(s), totaling %1. Items deleted from Trash cannot be "
                               "recovered or put back.",
                               "", n)
                .arg(size),
            false);
    }
    if (selected.systemToolCount == selected.count() && selected.count() > 0) {
        return said(
            removeSelected(),
            SelectionTexts::tr("%n item(s), totaling %1. The system\u2019s own tools remove "
                               "them and may ask for an administrator password; they cannot "
                               "be recovered from Trash.",
                               "", n)
                .arg(size),
            false);
    }
    if (selected.systemToolCount > 0) {
        return said(
            removeSelected(),
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
            false);
    }
    if (selected.has(CleanupCategory::trash)) {
        return said(removeSelected(),
                    SelectionTexts::tr("%n item(s), totaling %1. Items already in Trash will be "
                                       "deleted permanently; other items will move to Trash.",
                                       "", n)
                        .arg(size),
                    false);
    }
    return said(
        SelectionTexts::tr("Move selected items to Trash?"),
        SelectionTexts::tr(
            "%n item(s), totaling %1. You can recover them from Trash until it is emptied.", "", n)
            .arg(size),
        false);
}

QString action(const model::CleanupItem& item, model::HomeLayout layout) {
    switch (fateOf(item)) {
    case Fate::optimized:
        return SelectionTexts::tr("optimized");
    case Fate::uninstalled:
        return SelectionTexts::tr("uninstalled");
    case Fate::deletedPermanently:
        return SelectionTexts::tr("deleted permanently");
    case Fate::movedToTrash:
        break;
    }
    return layout == model::HomeLayout::macos ? SelectionTexts::tr("moved to macOS Trash")
                                              : SelectionTexts::tr("moved to the Trash");
}

Confirmation confirmation(const SelectionSummary& selected,
                          const std::vector<model::CleanupItem>& items, model::HomeLayout layout,
                          std::size_t named) {
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
        result.items.push_back({nameText(item), item.size, action(item, layout)});
    }
    result.more = bySize.size() - shown;
    result.total = byteCountText(selected.size);

    // "3 items will be moved to the Trash; 1 item will be deleted permanently.", the fates in
    // the order their first item comes.
    std::vector<std::pair<Fate, int>> fates;
    for (const std::uint32_t position : selected.positions) {
        const Fate fate = fateOf(items[position]);
        const auto same = std::find_if(fates.begin(), fates.end(),
                                       [&](const auto& counted) { return counted.first == fate; });
        if (same != fates.end()) {
            ++same->second;
        } else {
            fates.emplace_back(fate, 1);
        }
    }
    QStringList sentences;
    for (const auto& [fate, count] : fates) {
        sentences.append(outcomeSentence(fate, count, layout));
    }
    result.outcome = sentences.isEmpty() ? QString() : sentences.join("; ") + ".";
    return result;
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
