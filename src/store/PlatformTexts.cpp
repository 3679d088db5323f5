// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "PlatformTexts.h"

#include "StoreValues.h"

#include <QCoreApplication>
#include <QStringList>
#include <QVariantList>

#include <array>

namespace sorvale::store {
namespace {

// Every text here is marked for lupdate and translated in this one context when shown. A "\u"
// escape followed by a letter that is a hex digit ends its literal: lupdate would read the
// letter as a fifth digit.
QString translated(const char* text) {
    return QCoreApplication::translate("PlatformTexts", text);
}

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
    const char* overviewIntro;
    const char* trashPromise;
    const char* keepWorking;
    const char* privacyNote;
    const char* installersNote;
    const char* installersReview;
    const char* leftoversText;
    const char* applicationsNote;
    std::array<Slide, 3> onboarding;
};

constexpr Slide kReviewSlide{
    QT_TRANSLATE_NOOP("PlatformTexts", "YOU STAY IN CONTROL"),
    QT_TRANSLATE_NOOP("PlatformTexts", "Review first.\nClean with confidence."),
    QT_TRANSLATE_NOOP("PlatformTexts",
                      "Sorvale separates safe re-creatable caches from files that deserve a "
                      "closer look. Personal files are never selected automatically."),
    "onboarding-review",
    {QT_TRANSLATE_NOOP("PlatformTexts", "Clear categories"),
     QT_TRANSLATE_NOOP("PlatformTexts", "Recoverable Trash workflow"),
     QT_TRANSLATE_NOOP("PlatformTexts", "Explicit confirmation before changes")}};

constexpr Sentences kMacos{
    QT_TRANSLATE_NOOP("PlatformTexts", "Reveal in Finder"),
    QT_TRANSLATE_NOOP("PlatformTexts", "Scan caches, logs, developer storage, simulator data, "
                                       "backups, Mail downloads and Trash."),
    QT_TRANSLATE_NOOP("PlatformTexts", "Measuring user caches, app containers, developer tools, "
                                       "simulator data, backups and Trash."),
    QT_TRANSLATE_NOOP("PlatformTexts",
                      "Quick Clean selects only re-creatable user caches and logs. Xcode data, "
                      "Universal Binaries, backups, Mail attachments, shared system files, and "
                      "Trash always require review."),
    QT_TRANSLATE_NOOP("PlatformTexts", "Some files were unavailable or changed during the scan. "
                                       "Full Disk Access is already enabled."),
    QT_TRANSLATE_NOOP("PlatformTexts", "Deep scanning caches, developer data and backups\u2026"),
    QT_TRANSLATE_NOOP("PlatformTexts", "A clear, careful view of what is using space on your Mac."),
    QT_TRANSLATE_NOOP("PlatformTexts", "Sorvale never auto-selects personal files. Removal uses "
                                       "macOS Trash so mistakes remain recoverable."),
    QT_TRANSLATE_NOOP("PlatformTexts", "Large folders can take a moment. You can keep using your "
                                       "Mac."),
    QT_TRANSLATE_NOOP("PlatformTexts", "Scanning happens entirely on your Mac. File names and "
                                       "contents are never uploaded."),
    QT_TRANSLATE_NOOP("PlatformTexts", "Disk images and installer packages in Downloads and "
                                       "Desktop."),
    QT_TRANSLATE_NOOP("PlatformTexts", "Review disk images and installer packages found on "
                                       "Desktop and in Downloads."),
    QT_TRANSLATE_NOOP("PlatformTexts", "Old identifier-based support files with no installed "
                                       "owner."),
    QT_TRANSLATE_NOOP("PlatformTexts",
                      "Exact unowned app containers appear immediately; ambiguous support files "
                      "require 14 days of inactivity. Nothing is selected automatically."),
    {{{QT_TRANSLATE_NOOP("PlatformTexts", "WELCOME TO SORVALE"),
       QT_TRANSLATE_NOOP("PlatformTexts", "A cleaner Mac,\nwithout the guesswork."),
       QT_TRANSLATE_NOOP("PlatformTexts",
                         "Find application caches, developer storage, large files, downloads, "
                         "Mail attachments, and more\u2014"
                         "all in one thoughtful view."),
       "onboarding-clean",
       {QT_TRANSLATE_NOOP("PlatformTexts", "Universal app discovery"),
        QT_TRANSLATE_NOOP("PlatformTexts", "Accurate storage analysis"),
        QT_TRANSLATE_NOOP("PlatformTexts", "Everything stays on your Mac")}},
      {QT_TRANSLATE_NOOP("PlatformTexts", "PRIVATE BY DESIGN"),
       QT_TRANSLATE_NOOP("PlatformTexts", "See the whole picture."),
       QT_TRANSLATE_NOOP("PlatformTexts",
                         "macOS protects Mail, browser, Documents, and application data. When a "
                         "scan needs access, Sorvale explains why and links directly to the right "
                         "setting."),
       "onboarding-privacy",
       {QT_TRANSLATE_NOOP("PlatformTexts", "On-device scanning"),
        QT_TRANSLATE_NOOP("PlatformTexts", "No account or cloud service"),
        QT_TRANSLATE_NOOP("PlatformTexts", "Permissions requested only when needed")}},
      kReviewSlide}}};

constexpr Sentences kLinux{
    QT_TRANSLATE_NOOP("PlatformTexts", "Show in File Manager"),
    QT_TRANSLATE_NOOP("PlatformTexts", "Scan caches, thumbnails, logs, developer storage, package "
                                       "caches, journals and Trash."),
    QT_TRANSLATE_NOOP("PlatformTexts",
                      "Measuring user and browser caches, Flatpak and Snap caches, developer "
                      "tools, logs, system storage and Trash."),
    QT_TRANSLATE_NOOP("PlatformTexts",
                      "Quick Clean selects only re-creatable caches and thumbnails. Logs, local "
                      "repositories, system storage, and Trash always require review."),
    QT_TRANSLATE_NOOP("PlatformTexts", "Some files were unavailable or changed during the scan."),
    QT_TRANSLATE_NOOP("PlatformTexts",
                      "Deep scanning caches, developer data and system storage\u2026"),
    QT_TRANSLATE_NOOP("PlatformTexts",
                      "A clear, careful view of what is using space on your computer."),
    QT_TRANSLATE_NOOP("PlatformTexts", "Sorvale never auto-selects personal files. Removal uses "
                                       "the Trash so mistakes remain recoverable."),
    QT_TRANSLATE_NOOP("PlatformTexts", "Large folders can take a moment. You can keep using your "
                                       "computer."),
    QT_TRANSLATE_NOOP("PlatformTexts", "Scanning happens entirely on your computer. File names "
                                       "and contents are never uploaded."),
    QT_TRANSLATE_NOOP("PlatformTexts", "Packages, AppImages and installer archives in Downloads "
                                       "and Desktop."),
    QT_TRANSLATE_NOOP("PlatformTexts", "Review packages, AppImages and installer archives found "
                                       "on Desktop and in Downloads."),
    QT_TRANSLATE_NOOP("PlatformTexts",
                      "Data of Flatpak apps, snaps and packages that are no longer installed."),
    QT_TRANSLATE_NOOP("PlatformTexts",
                      "Data of removed apps appears once it has been unused for 14 days; support "
                      "files match an app\u2019s exact name. Nothing is selected automatically."),
    {{{QT_TRANSLATE_NOOP("PlatformTexts", "WELCOME TO SORVALE"),
       QT_TRANSLATE_NOOP("PlatformTexts", "A cleaner computer,\nwithout the guesswork."),
       QT_TRANSLATE_NOOP("PlatformTexts",
                         "Find browser and application caches, developer storage, large files, "
                         "downloads, and more\u2014"
                         "all in one thoughtful view."),
       "onboarding-clean",
       {QT_TRANSLATE_NOOP("PlatformTexts", "Flatpak and Snap apps included"),
        QT_TRANSLATE_NOOP("PlatformTexts", "Accurate storage analysis"),
        QT_TRANSLATE_NOOP("PlatformTexts", "Everything stays on your computer")}},
      {QT_TRANSLATE_NOOP("PlatformTexts", "PRIVATE BY DESIGN"),
       QT_TRANSLATE_NOOP("PlatformTexts", "See the whole picture."),
       QT_TRANSLATE_NOOP("PlatformTexts",
                         "Sorvale reads your home folder with your own rights. System storage is "
                         "cleaned only by the system\u2019s own tools, which ask for an "
                         "administrator password when they need one."),
       "onboarding-privacy",
       {QT_TRANSLATE_NOOP("PlatformTexts", "On-device scanning"),
        QT_TRANSLATE_NOOP("PlatformTexts", "No account or cloud service"),
        QT_TRANSLATE_NOOP("PlatformTexts", "Administrator password only for system storage")}},
      kReviewSlide}}};

const Sentences& sentences(model::HomeLayout layout) {
    return layout == model::HomeLayout::macos ? kMacos : kLinux;
}

QVariantList slides(const std::array<Slide, 3>& all) {
    QVariantList list;
    for (const Slide& slide : all) {
        QStringList highlights;
        for (const char* highlight : slide.highlights) {
            highlights.append(translated(highlight));
        }
        list.append(QVariantMap{{"eyebrow", translated(slide.eyebrow)},
                                {"title", translated(slide.title)},
                                {"body", translated(slide.body)},
                                {"imageName", slide.imageName},
                                {"highlights", highlights}});
    }
    return list;
}

} // namespace

QVariantMap platformTexts(model::HomeLayout layout) {
    const Sentences& texts = sentences(layout);
    return {{"layout", rawText(layout)},
            {"hasAccessPermissions", model::hasAccessPermissions(layout)},
            {"revealAction", translated(texts.revealAction)},
            {"scanScope", translated(texts.scanScope)},
            {"scanProgress", translated(texts.scanProgress)},
            {"quickCleanNote", translated(texts.quickCleanNote)},
            {"unavailableNote", translated(texts.unavailableNote)},
            {"overviewIntro", translated(texts.overviewIntro)},
            {"trashPromise", translated(texts.trashPromise)},
            {"keepWorking", translated(texts.keepWorking)},
            {"privacyNote", translated(texts.privacyNote)},
            {"installersNote", translated(texts.installersNote)},
            {"leftoversText", translated(texts.leftoversText)},
            {"applicationsNote", translated(texts.applicationsNote)},
            {"onboarding", slides(texts.onboarding)}};
}

QString junkScanLabel(model::HomeLayout layout) {
    return translated(sentences(layout).junkScanLabel);
}

QString installersReview(model::HomeLayout layout) {
    return translated(sentences(layout).installersReview);
}

} // namespace sorvale::store
