// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "PlatformTexts.h"

#include "StoreValues.h"

#include <QStringList>
#include <QVariantList>

#include <array>

namespace sorvale::store {
namespace {

struct Slide {
    const char* eyebrow;
    const char* title;
    const char* body;
    const char* imageName;
    std::array<const char*, 3> highlights;
};

struct Sentences {
    const char* revealAction;
    const char* scanScope;
    const char* scanProgress;
    const char* quickCleanNote;
    const char* unavailableNote;
    const char* junkScanLabel;
    const char* leftoversText;
    const char* applicationsNote;
    std::array<Slide, 3> onboarding;
};

constexpr Slide kReviewSlide{
    "YOU STAY IN CONTROL",
    "Review first.\nClean with confidence.",
    "Sorvale separates safe re-creatable caches from files that deserve a closer look. Personal "
    "files are never selected automatically.",
    "onboarding-review",
    {"Clear categories", "Recoverable Trash workflow", "Explicit confirmation before changes"}};

constexpr Sentences kMacos{
    "Reveal in Finder",
    "Scan caches, logs, developer storage, simulator data, backups, Mail downloads and Trash.",
    "Measuring user caches, app containers, developer tools, simulator data, backups and Trash.",
    "Quick Clean selects only re-creatable user caches and logs. Xcode data, Universal Binaries, "
    "backups, Mail attachments, shared system files, and Trash always require review.",
    "Some files were unavailable or changed during the scan. Full Disk Access is already "
    "enabled.",
    "Deep scanning caches, developer data and backups\u2026",
    "Old identifier-based support files with no installed owner.",
    "Exact unowned app containers appear immediately; ambiguous support files require 14 days of "
    "inactivity. Nothing is selected automatically.",
    {{{"WELCOME TO SORVALE",
       "A cleaner Mac,\nwithout the guesswork.",
       "Find application caches, developer storage, large files, downloads, Mail attachments, and "
       "more\u2014all in one thoughtful view.",
       "onboarding-clean",
       {"Universal app discovery", "Accurate storage analysis", "Everything stays on your Mac"}},
      {"PRIVATE BY DESIGN",
       "See the whole picture.",
       "macOS protects Mail, browser, Documents, and application data. When a scan needs access, "
       "Sorvale explains why and links directly to the right setting.",
       "onboarding-privacy",
       {"On-device scanning", "No account or cloud service",
        "Permissions requested only when needed"}},
      kReviewSlide}}};

constexpr Sentences kLinux{
    "Show in File Manager",
    "Scan caches, thumbnails, logs, developer storage, package caches, journals and Trash.",
    "Measuring user and browser caches, Flatpak and Snap caches, developer tools, logs, system "
    "storage and Trash.",
    "Quick Clean selects only re-creatable caches and thumbnails. Logs, local repositories, "
    "system storage, and Trash always require review.",
    "Some files were unavailable or changed during the scan.",
    "Deep scanning caches, developer data and system storage\u2026",
    "Data of Flatpak apps, snaps and packages that are no longer installed.",
    "Data of removed apps appears once it has been unused for 14 days; support files match an "
    "app\u2019s exact name. Nothing is selected automatically.",
    {{{"WELCOME TO SORVALE",
       "A cleaner computer,\nwithout the guesswork.",
       "Find browser and application caches, developer storage, large files, downloads, and "
       "more\u2014all in one thoughtful view.",
       "onboarding-clean",
       {"Flatpak and Snap apps included", "Accurate storage analysis",
        "Everything stays on your computer"}},
      {"PRIVATE BY DESIGN",
       "See the whole picture.",
       "Sorvale reads your home folder with your own rights. System storage is cleaned only by "
       "the system\u2019s own tools, which ask for an administrator password when they need one.",
       "onboarding-privacy",
       {"On-device scanning", "No account or cloud service",
        "Administrator password only for system storage"}},
      kReviewSlide}}};

const Sentences& sentences(model::HomeLayout layout) {
    return layout == model::HomeLayout::macos ? kMacos : kLinux;
}

QVariantList slides(const std::array<Slide, 3>& all) {
    QVariantList list;
    for (const Slide& slide : all) {
        QStringList highlights;
        for (const char* highlight : slide.highlights) {
            highlights.append(highlight);
        }
        list.append(QVariantMap{{"eyebrow", slide.eyebrow},
                                {"title", slide.title},
                                {"body", slide.body},
                                {"imageName", slide.imageName},
                                {"highlights", highlights}});
    }
    return list;
}

} // namespace

QVariantMap platformTexts(model::HomeLayout layout) {
    const model::PlatformWords& words = model::words(layout);
    const Sentences& texts = sentences(layout);
    return {{"layout", rawText(layout)},
            {"computer", displayText(words.computer)},
            {"trash", displayText(words.trash)},
            {"fileManager", displayText(words.fileManager)},
            {"installers", displayText(words.installers)},
            {"hasAccessPermissions", model::hasAccessPermissions(layout)},
            {"revealAction", texts.revealAction},
            {"scanScope", texts.scanScope},
            {"scanProgress", texts.scanProgress},
            {"quickCleanNote", texts.quickCleanNote},
            {"unavailableNote", texts.unavailableNote},
            {"leftoversText", texts.leftoversText},
            {"applicationsNote", texts.applicationsNote},
            {"onboarding", slides(texts.onboarding)}};
}

std::string junkScanLabel(model::HomeLayout layout) {
    return sentences(layout).junkScanLabel;
}

} // namespace sorvale::store
