// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "UpdateInfo.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace sorvale::updater {
namespace {

// The integers of a version, in order; pieces that are not integers are left out.
std::vector<long long> versionNumbers(const QString& version) {
    std::vector<long long> numbers;
    for (const QString& piece : version.split('.', Qt::SkipEmptyParts)) {
        bool isNumber = false;
        const long long number = piece.toLongLong(&isNumber);
        if (isNumber) {
            numbers.push_back(number);
        }
    }
    return numbers;
}

} // namespace

bool isWebAddress(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == "https" || scheme == "http") && !url.host().isEmpty();
}

std::optional<UpdateInfo> decodeUpdateInfo(const QByteArray& json, QString& error) {
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        error = "The feed is not valid JSON: " + parseError.errorString() + ".";
        return std::nullopt;
    }
    if (!document.isObject()) {
        error = "The feed is not a JSON object.";
        return std::nullopt;
    }
    const QJsonObject feed = document.object();
    const auto requiredText = [&](const char* key) -> std::optional<QString> {
        if (!feed.value(key).isString()) {
            error = QString("The feed has no text \"%1\".").arg(key);
            return std::nullopt;
        }
        return feed.value(key).toString();
    };
    const auto version = requiredText("version");
    const auto url = version ? requiredText("url") : std::nullopt;
    if (!url) {
        return std::nullopt;
    }
    UpdateInfo info{*version, QUrl(*url, QUrl::StrictMode), std::nullopt, std::nullopt};
    if (!info.url.isValid() || info.url.isRelative()) {
        error = "The feed's \"url\" is not an absolute URL.";
        return std::nullopt;
    }
    // An archive that is never fetched is not offered either.
    if (!isWebAddress(info.url)) {
        error = "The feed's \"url\" is not an http or https address.";
        return std::nullopt;
    }
    // A key given as null is absent, as the platform's decoder reads optional keys.
    if (!feed.value("notes").isUndefined() && !feed.value("notes").isNull()) {
        if (!feed.value("notes").isArray()) {
            error = "The feed's \"notes\" is not an array of texts.";
            return std::nullopt;
        }
        QStringList notes;
        for (const QJsonValue note : feed.value("notes").toArray()) {
            if (!note.isString()) {
                error = "The feed's \"notes\" is not an array of texts.";
                return std::nullopt;
            }
            notes.append(note.toString());
        }
        info.notes = notes;
    }
    if (!feed.value("minMacOSVersion").isUndefined() && !feed.value("minMacOSVersion").isNull()) {
        if (!feed.value("minMacOSVersion").isString()) {
            error = "The feed's \"minMacOSVersion\" is not a text.";
            return std::nullopt;
        }
        info.minMacOSVersion = feed.value("minMacOSVersion").toString();
    }
    return info;
}

bool isNewerVersion(const QString& version, const QString& other) {
    const auto left = versionNumbers(version);
    const auto right = versionNumbers(other);
    for (std::size_t position = 0; position < std::max(left.size(), right.size()); ++position) {
        const long long a = position < left.size() ? left[position] : 0;
        const long long b = position < right.size() ? right[position] : 0;
        if (a != b) {
            return a > b;
        }
    }
    return false;
}

} // namespace sorvale::updater
