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

struct EmptyWords {
    QString title;
    QString text;
};

// What an empty list says: each section names what it looked at, and a chosen folder that could
// not be searched is not passed off as one without matches.
EmptyWords emptyWords(AppSection section, bool scanned, model::FolderAccess access,
                      const QString& folder) {
    if (!scanned) {
        return {ScreenTexts::tr("No scan yet"),
                ScreenTexts::tr("Run a scan to get a clear, sortable list with file sizes and "
                                "locations.")};
    }
    switch (section) {
    case AppSection::trash:
        return {ScreenTexts::tr("The Trash is empty"),
                ScreenTexts::tr("Items you delete wait here until the Trash is emptied.")};
    case AppSection::downloads:
        return {ScreenTexts::tr("Your Downloads folder is empty"),
                ScreenTexts::tr("Files you download appear here for review.")};
    case AppSection::largeFiles:
        switch (access) {
        case model::FolderAccess::missing:
            return {ScreenTexts::tr("\u201C%1\u201D can\u2019t be found").arg(folder),
                    ScreenTexts::tr("It may have been moved, renamed or removed. Choose another "
                                    "folder to search.")};
        case model::FolderAccess::unreadable:
            return {ScreenTexts::tr("\u201C%1\u201D can\u2019t be opened").arg(folder),
                    ScreenTexts::tr("You may not have permission to read it. Choose another "
                                    "folder to search.")};
        case model::FolderAccess::opened:
            break;
        }
        return {ScreenTexts::tr("No large files found"),
                ScreenTexts::tr("Nothing in this folder reaches the minimum size. Lower it in "
                                "Settings or choose another folder.")};
    default:
        break;
    }
    return {ScreenTexts::tr("Nothing to clean here"),
            ScreenTexts::tr("The scan completed without finding matching items.")};
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
               const ScanLists& lists, model::HomeLayout layout, const QString& largeFilesFolder) {
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
                         : section == AppSection::trash        ? "trash"
                                                               : "checkmark.circle";
    const EmptyWords words =
        emptyWords(section, displayed != Kind::idle, lists.folderAccess(section), largeFilesFolder);
    screen.emptyTitle = words.title;
    screen.emptyText = words.text;
    screen.emptyAction = section == AppSection::largeFiles ? ScreenTexts::tr("Choose Folder")
                                                           : ScreenTexts::tr("Scan Now");
    return screen;
}

} // namespace sorvale::store
