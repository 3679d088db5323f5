// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "ScreenPresenter.h"

#include "StoreValues.h"

namespace sorvale::store {
namespace {

using model::AppSection;
using model::CleanupCategory;
using Kind = model::ScanState::Kind;

QString contentOf(const Navigation& navigation) {
    switch (navigation.section) {
    case AppSection::overview:
        return "overview";
    case AppSection::cleanup:
        return "cleanup";
    case AppSection::applications:
        return navigation.reviewsApplications() ? "results" : "applications";
    default:
        return "results";
    }
}

QString subtitleOf(const Navigation& navigation, model::HomeLayout layout) {
    switch (navigation.section) {
    case AppSection::cleanup:
        return "Browse by group and category, then choose exactly what to clean.";
    case AppSection::applications:
        switch (navigation.focusedApplicationCategory.value_or(CleanupCategory::userCaches)) {
        case CleanupCategory::installers:
            return "Review " + displayText(model::words(layout).installers) +
                   " found on Desktop and in Downloads.";
        case CleanupCategory::appLeftovers:
            return QString::fromUtf8(
                "Review conservative orphan candidates\u2014nothing is selected automatically.");
        case CleanupCategory::installedApplications:
            return model::hasAccessPermissions(layout)
                       ? "Review application bundles and the support files matched to each app."
                       : "Review Flatpak apps, snaps, AppImages and packaged apps with the "
                         "support files matched to each app.";
        default:
            return "Review installed applications, leftovers, and installation files.";
        }
    case AppSection::largeFiles:
        return "Analyze a folder and decide what is still worth keeping.";
    case AppSection::downloads:
        return QString::fromUtf8("Review files in Downloads\u2014none are selected automatically.");
    case AppSection::trash:
        return "Review items already in your user Trash.";
    case AppSection::overview:
        break;
    }
    return {};
}

} // namespace

QVariantMap Screen::toVariant() const {
    return {{"content", content},
            {"cleanupPanel", cleanupPanel},
            {"applicationsPanel", applicationsPanel},
            {"title", title},
            {"subtitle", subtitle},
            {"canGoBack", canGoBack},
            {"backToolTip", backToolTip},
            {"emptySymbol", emptySymbol},
            {"emptyTitle", emptyTitle},
            {"emptyText", emptyText},
            {"emptyAction", emptyAction}};
}

Screen present(const Navigation& navigation, const AccessGate::State& access,
               const ScanLists& lists, model::HomeLayout layout) {
    const AppSection section = navigation.section;
    const bool checking = access.checkingSection == section;
    const Kind displayed = lists.state(section).kind();
    Screen screen;
    screen.content = contentOf(navigation);

    // Each dashboard shows one panel, by the first rule that holds.
    if (access.promptSection == AppSection::cleanup) {
        screen.cleanupPanel = "access";
    } else if (checking) {
        screen.cleanupPanel = "checking";
    } else if (navigation.reviewsCleanup()) {
        screen.cleanupPanel = "review";
    } else if (displayed == Kind::scanning) {
        screen.cleanupPanel = "scanning";
    } else {
        screen.cleanupPanel = lists.items(AppSection::cleanup).empty() ? "ready" : "summary";
    }
    if (access.promptSection == AppSection::applications) {
        screen.applicationsPanel = "access";
    } else if (checking) {
        screen.applicationsPanel = "checking";
    } else if (displayed == Kind::scanning) {
        screen.applicationsPanel = "scanning";
    } else {
        screen.applicationsPanel =
            lists.state(AppSection::applications).kind() == Kind::idle ? "welcome" : "results";
    }

    screen.title = section == AppSection::cleanup        ? QString("Cleanup Manager")
                   : section == AppSection::applications ? QString("Applications Manager")
                   : section == AppSection::overview     ? QString()
                                                         : displayText(model::title(section));
    screen.subtitle = subtitleOf(navigation, layout);
    screen.canGoBack = section == AppSection::cleanup || section == AppSection::applications;
    screen.backToolTip = section == AppSection::cleanup        ? "Back to cleanup summary"
                         : section == AppSection::applications ? "Back to applications summary"
                                                               : "";

    screen.emptySymbol = section == AppSection::largeFiles     ? "folder.badge.questionmark"
                         : section == AppSection::applications ? "square.grid.2x2"
                                                               : "checkmark.circle";
    const bool scanned = displayed != Kind::idle;
    screen.emptyTitle = scanned ? "Nothing to clean here" : "No scan yet";
    screen.emptyText = scanned ? "The scan completed without finding matching items."
                               : "Run a scan to get a clear, sortable list with file sizes and "
                                 "locations.";
    screen.emptyAction = section == AppSection::largeFiles ? "Choose Folder" : "Scan Now";
    return screen;
}

} // namespace sorvale::store
