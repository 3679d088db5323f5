// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QUuid>

#include <optional>

namespace sorvale::updater {

// The feed document: the newest version and where its archive lies.
struct UpdateInfo {
    QString version;
    QUrl url;
    std::optional<QStringList> notes;
    // Carried, never evaluated.
    std::optional<QString> minMacOSVersion;

    bool operator==(const UpdateInfo&) const = default;
};

// Whether the updater fetches `url` at all: only http and https addresses are.
[[nodiscard]] bool isWebAddress(const QUrl& url);

// The feed decoded: "version" and an http or https "url" are required texts, "notes" an
// optional array of texts, "minMacOSVersion" an optional text; other keys are ignored. None,
// with the reason in `error`, for anything else.
[[nodiscard]] std::optional<UpdateInfo> decodeUpdateInfo(const QByteArray& json, QString& error);

// Whether `version` is newer than `other`, comparing dot-separated integers position by position;
// pieces that are not integers are dropped and missing positions count as 0.
[[nodiscard]] bool isNewerVersion(const QString& version, const QString& other);

// Where the updater is.
struct UpdateStatus {
    enum class Kind {
        idle,
        checking,
        upToDate,
        updateAvailable,
        downloading,
        downloaded,
        installing,
        failed
    };
    Kind kind = Kind::idle;
    // For updateAvailable and downloaded.
    std::optional<UpdateInfo> info;
    // For failed.
    QString message;

    bool operator==(const UpdateStatus&) const = default;
};

// A message for the user; every alert has an identity of its own.
struct UpdateAlert {
    // updateOnWebsite announces a newer version on a system that cannot verify it, so the
    // website offers it instead of a download.
    enum class Kind { updateAvailable, ready, error, info, updateOnWebsite };
    QUuid id = QUuid::createUuid();
    Kind kind = Kind::info;
    QString title;
    QString message;

    bool operator==(const UpdateAlert&) const = default;
};

} // namespace sorvale::updater
