// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "CleanupStore.h"

#include "ModelTexts.h"
#include "PlatformTexts.h"
#include "StoreValues.h"
#include "platform/StandardLocations.h"

#include <QLocale>
#include <QMetaObject>

#include <algorithm>
#include <cmath>
#include <limits>

namespace sorvale::store {

namespace fs = std::filesystem;
using model::AppSection;
using model::ScanState;

namespace {

QVariantMap countsToVariant(const std::map<AppSection, std::int64_t>& counts) {
    QVariantMap map;
    for (const auto& [section, count] : counts) {
        map.insert(rawText(section), QVariant::fromValue<qint64>(count));
    }
    return map;
}

} // namespace

CleanupStore::CleanupStore(engine::ScanEngine engine, std::optional<AccessCheck> accessCheck,
                           QObject* parent)
    : QObject(parent)
    , layout_(engine.layout())
    , engine_(std::move(engine))
    , home_(platform::homeFolder())
    , access_(
          [&]() -> AccessCheck {
              if (accessCheck) {
                  return std::move(*accessCheck);
              }
#ifdef __APPLE__
              return [this](const fs::path& home, std::function<void(bool)> answer) {
                  onEngine(
                      [home](const engine::ScanEngine& scanEngine) {
                          return scanEngine.hasFullDiskAccess(home);
                      },
                      std::move(answer));
              };
#else
              // Other systems have no Full Disk Access to grant.
              return [](const fs::path&, std::function<void(bool)> answer) { answer(true); };
#endif
          }(),
          [this](std::function<void()> task) {
              QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
          }) {
    access_.begin = [this](AppSection section) { beginProtectedScan(section); };
    access_.changed = [this] { publish(); };
    connect(&progressTimer_, &QTimer::timeout, this, [this] {
        readProgress();
        publish();
    });
    shown_ = current();
}

CleanupStore::~CleanupStore() {
    // The engine's thread is waited for: a scan nobody waits for ends early.
    if (running_) {
        running_->progress->stop();
    }
}

const std::vector<model::CleanupItem>& CleanupStore::displayed() const {
    return lists_.items(navigation_.section);
}

// Plain fields.

QString CleanupStore::selection() const {
    return rawText(navigation_.section);
}

void CleanupStore::selectSection(const QString& section) {
    if (const auto value = fromRawText<AppSection>(section)) {
        navigation_.section = *value;
        publish();
    }
}

QVariantList CleanupStore::junkItems() const {
    return toVariant(lists_.items(AppSection::cleanup));
}
QVariantList CleanupStore::applicationItems() const {
    return toVariant(lists_.items(AppSection::applications));
}
QVariantList CleanupStore::largeItems() const {
    return toVariant(lists_.items(AppSection::largeFiles));
}
QVariantList CleanupStore::downloadsItems() const {
    return toVariant(lists_.items(AppSection::downloads));
}
QVariantList CleanupStore::trashItems() const {
    return toVariant(lists_.items(AppSection::trash));
}
QVariantMap CleanupStore::cleanupState() const {
    return toVariant(lists_.state(AppSection::cleanup));
}
QVariantMap CleanupStore::applicationsState() const {
    return toVariant(lists_.state(AppSection::applications));
}
QVariantMap CleanupStore::largeFilesState() const {
    return toVariant(lists_.state(AppSection::largeFiles));
}
QVariantMap CleanupStore::downloadsState() const {
    return toVariant(lists_.state(AppSection::downloads));
}
QVariantMap CleanupStore::trashState() const {
    return toVariant(lists_.state(AppSection::trash));
}
QVariantMap CleanupStore::inaccessibleCounts() const {
    return countsToVariant(lists_.inaccessibleCounts());
}

void CleanupStore::setShowDeleteConfirmation(bool show) {
    showDeleteConfirmation_ = show;
    publish();
}

void CleanupStore::setNeedsAppManagementPermission(bool needed) {
    // Only macOS has the permission to grant.
    needsAppManagementPermission_ = needed && model::hasAccessPermissions(layout_);
    publish();
}

QVariant CleanupStore::fullDiskAccessGranted() const {
    const auto& granted = access_.state().granted;
    return granted ? QVariant(*granted) : QVariant();
}

QString CleanupStore::fullDiskAccessPromptSection() const {
    return rawText(access_.state().promptSection);
}

QString CleanupStore::permissionCheckSection() const {
    return rawText(access_.state().checkingSection);
}

QString CleanupStore::lastMessage() const {
    return lastMessage_ ? displayText(*lastMessage_) : QString();
}

void CleanupStore::setLastMessage(const QString& message) {
    lastMessage_ = message.isEmpty() ? std::nullopt : std::optional(message.toStdString());
    publish();
}

void CleanupStore::setLargeFileMinimumMB(double megabytes) {
    // Kept within the range the settings offer, so that what they show is what a scan uses.
    if (std::isfinite(megabytes)) {
        largeFileMinimumMB_ = std::clamp(megabytes, kLeastMinimumMB, kMostMinimumMB);
        publish();
    }
}

QVariantMap CleanupStore::largeFileMinimumRange() const {
    return {{"from", kLeastMinimumMB}, {"to", kMostMinimumMB}, {"step", kMinimumStepMB}};
}

QString CleanupStore::largeFilesScope() const {
    return shown_.largeFilesScope;
}

QString CleanupStore::cleanupPresentation() const {
    return rawText(navigation_.cleanupPresentation);
}
QString CleanupStore::focusedCleanupGroup() const {
    return rawText(navigation_.focusedCleanupGroup);
}
QString CleanupStore::applicationsPresentation() const {
    return rawText(navigation_.applicationsPresentation);
}
QString CleanupStore::focusedApplicationCategory() const {
    return rawText(navigation_.focusedApplicationCategory);
}

QVariantList CleanupStore::displayedItems() const {
    return toVariant(displayed());
}
QVariantMap CleanupStore::displayedState() const {
    return toVariant(lists_.state(navigation_.section));
}

qint64 CleanupStore::displayedInaccessibleCount() const {
    // A chosen folder that could not be opened is the screen's own message; the notice counts
    // only the places below it.
    const bool folderUnavailable =
        lists_.folderAccess(navigation_.section) != model::FolderAccess::opened;
    return std::max<qint64>(0, lists_.inaccessibleCount(navigation_.section) -
                                   (folderUnavailable ? 1 : 0));
}

bool CleanupStore::isCheckingFullDiskAccess() const {
    return checksOnScreen(shown_);
}

QVariantMap CleanupStore::platform() const {
    return platformTexts(layout_);
}

QVariantMap CleanupStore::scanProgress() const {
    const ScanFigures& shown = shown_.progress;
    if (!shown.section) {
        return {};
    }
    const auto [entries, items, bytes] = shown.figures;
    // Written with the locale's digit grouping (%Ln); no scan comes near the int's limit.
    const auto count = [](std::int64_t value) {
        return static_cast<int>(std::min<std::int64_t>(value, std::numeric_limits<int>::max()));
    };
    QString summary = entries == 0 && bytes == 0 ? tr("Starting\u2026")
                                                 : tr("%Ln entry(s) examined", "", count(entries));
    if (items > 0 || bytes > 0) {
        summary += QString::fromUtf8(" \u00b7 ");
        summary += items > 0
                       ? tr("%Ln item(s), %1 found", "", count(items)).arg(byteCountText(bytes))
                       : tr("%1 found").arg(byteCountText(bytes));
    }
    return {{"section", rawText(*shown.section)},
            {"running", shown.running},
            {"stopped", shown.stopped},
            {"entries", QVariant::fromValue<qint64>(entries)},
            {"items", QVariant::fromValue<qint64>(items)},
            {"bytes", QVariant::fromValue<qint64>(bytes)},
            {"folder", displayText(shown.folder)},
            {"summary", summary}};
}

QVariantMap CleanupStore::homeVolume() const {
    const auto& volume = shown_.homeVolume;
    if (!volume || volume->capacity <= 0) {
        return {};
    }
    const std::int64_t used = volume->capacity - volume->available;
    // What was found may lie partly on other volumes (system folders); the bar never shows more
    // to reclaim than the home volume uses.
    const std::int64_t reclaimable = std::clamp<std::int64_t>(shown_.totalJunkSize, 0, used);
    const auto fraction = [&](std::int64_t part) {
        return static_cast<double>(part) / static_cast<double>(volume->capacity);
    };
    const auto text = [](std::int64_t bytes) { return byteCountText(bytes); };
    return {{"capacity", QVariant::fromValue<qint64>(volume->capacity)},
            {"available", QVariant::fromValue<qint64>(volume->available)},
            {"reclaimable", QVariant::fromValue<qint64>(reclaimable)},
            {"usedFraction", fraction(used - reclaimable)},
            {"reclaimableFraction", fraction(reclaimable)},
            {"freeFraction", fraction(volume->available)},
            {"usedText", text(used)},
            {"reclaimableText", text(reclaimable)},
            {"availableText", text(volume->available)},
            {"capacityText", text(volume->capacity)}};
}

QStringList CleanupStore::busySections() const {
    QStringList sections;
    for (std::size_t list = 0; list < ScanLists::kCount; ++list) {
        if (shown_.states[list].kind() == ScanState::Kind::scanning) {
            sections.append(rawText(ScanLists::sectionOf(list)));
        }
    }
    return sections;
}

QVariantMap CleanupStore::confirmation() const {
    const Confirmation& shown = shown_.confirmation;
    QVariantList items;
    for (const Confirmation::Item& item : shown.items) {
        items.append(QVariantMap{{"name", item.name},
                                 {"size", QVariant::fromValue<qint64>(item.size)},
                                 {"action", item.action}});
    }
    return {{"title", shown.title},
            {"message", shown.message},
            {"offersAppManagement", shown.offersAppManagement},
            {"items", items},
            {"more", QVariant::fromValue<qint64>(static_cast<qint64>(shown.more))},
            {"total", shown.total},
            {"outcome", shown.outcome}};
}

} // namespace sorvale::store
