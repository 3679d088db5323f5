// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "CleanupStore.h"

#include "PlatformTexts.h"
#include "StoreValues.h"
#include "platform/StandardLocations.h"

#include <QMetaObject>

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
    shown_ = current();
}

CleanupStore::~CleanupStore() = default;

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
    // The product must stay a byte count that a signed 64-bit integer holds.
    constexpr double kMostMegabytes =
        static_cast<double>(std::numeric_limits<std::int64_t>::max()) / kBytesPerMegabyte / 2;
    if (std::isfinite(megabytes) && megabytes >= 0 && megabytes <= kMostMegabytes) {
        largeFileMinimumMB_ = megabytes;
        publish();
    }
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
    return lists_.inaccessibleCount(navigation_.section);
}

bool CleanupStore::isCheckingFullDiskAccess() const {
    return checksOnScreen(shown_);
}

QVariantMap CleanupStore::platform() const {
    return platformTexts(layout_);
}

QVariantMap CleanupStore::confirmation() const {
    return {{"title", shown_.confirmation.title},
            {"message", shown_.confirmation.message},
            {"offersAppManagement", shown_.confirmation.offersAppManagement}};
}

} // namespace sorvale::store
