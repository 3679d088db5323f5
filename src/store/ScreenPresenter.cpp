// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "ScreenPresenter.h"

#include "ModelTexts.h"
#include "PlatformTexts.h"

#include <QCoreApplication>

namespace sorvale::store {
namespace {

// Named as its translation context, which is what lupdate takes where it cannot follow the
// declaration.
struct ScreenTexts {
    Q_DECLARE_TR_FUNCTIONS(ScreenTexts)
};

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
        return ScreenTexts::tr("Browse by group and category, then choose exactly what to clean.");
    case AppSection::applications:
        switch (navigation.focusedApplicationCategory.value_or(CleanupCategory::userCaches)) {
        case CleanupCategory::installers:
            return installersReview(layout);
        case CleanupCategory::appLeftovers:
            return ScreenTexts::tr(
                "Review conservative orphan candidates\u2014nothing is selected automatically.");
        case CleanupCategory::installedApplications:
            return model::hasAccessPermissions(layout)
                       ? ScreenTexts::tr("Review application bundles and the support files "
                                         "matched to each app.")
                       : ScreenTexts::tr("Review Flatpak apps, snaps, AppImages and packaged "
                                         "apps with the support files matched to each app.");
        default:
            return ScreenTexts::tr(
                "Review installed applications, leftovers, and installation files.");
        }
    case AppSection::largeFiles:
        return ScreenTexts::tr("Analyze a folder and decide what is still worth keeping.");
    case AppSection::downloads:
        return ScreenTexts::tr("Review files in Downloads\u2014none are selected automatically.");
    case AppSection::trash:
        return ScreenTexts::tr("Review items already in your user Trash.");
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

    screen.title = section == AppSection::cleanup        ? ScreenTexts::tr("Cleanup Manager")
                   : section == AppSection::applications ? ScreenTexts::tr("Applications Manager")
                   : section == AppSection::overview     ? QString()
                                                         : titleText(section);
    screen.subtitle = subtitleOf(navigation, layout);
    screen.canGoBack = section == AppSection::cleanup || section == AppSection::applications;
    screen.backToolTip = section == AppSection::cleanup ? ScreenTexts::tr("Back to cleanup summary")
                         : section == AppSection::applications
                             ? ScreenTexts::tr("Back to applications summary")
                             : QString();

    screen.emptySymbol = section == AppSection::largeFiles     ? "folder.badge.questionmark"
                         : section == AppSection::applications ? "square.grid.2x2"
                                                               : "checkmark.circle";
    const bool scanned = displayed != Kind::idle;
    screen.emptyTitle =
        scanned ? ScreenTexts::tr("Nothing to clean here") : ScreenTexts::tr("No scan yet");
    screen.emptyText =
        scanned ? ScreenTexts::tr("The scan completed without finding matching items.")
                : ScreenTexts::tr("Run a scan to get a clear, sortable list with file sizes and "
                                  "locations.");
    screen.emptyAction = section == AppSection::largeFiles ? ScreenTexts::tr("Choose Folder")
                                                           : ScreenTexts::tr("Scan Now");
    return screen;
}

} // namespace sorvale::store
