// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "StoreValues.h"

#include "ModelTexts.h"

#include <QDateTime>
#include <QFile>

namespace sorvale::store {
namespace {

QVariant dateValue(const std::optional<model::Date>& date) {
    if (!date) {
        return {};
    }
    return QDateTime::fromMSecsSinceEpoch(
        std::chrono::duration_cast<std::chrono::milliseconds>(date->time_since_epoch()).count());
}

} // namespace

QString itemKey(const model::Location& id) {
    const std::string_view bytes = id.bytes();
    // QByteArray's own encoding: QUrl's would first read the bytes as UTF-8.
    return QString::fromLatin1(
        QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())).toPercentEncoding("/"));
}

std::string bytesOfItemKey(const QString& key) {
    const QByteArray bytes = QByteArray::fromPercentEncoding(key.toLatin1());
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::optional<std::filesystem::path> pathOfLocalFile(const QUrl& url) {
    if (!url.isLocalFile()) {
        return std::nullopt;
    }
    const QByteArray path = QFile::encodeName(url.toLocalFile());
    return std::filesystem::path(
        std::string(path.constData(), static_cast<std::size_t>(path.size())));
}

QString displayText(std::string_view bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QVariantMap toVariant(const model::CleanupItem& item) {
    QVariantList relatedFiles;
    for (const auto& file : item.relatedFiles) {
        relatedFiles.append(displayText(file.bytes()));
    }
    return {{"id", itemKey(item.id)},
            {"url", displayText(item.url.bytes())},
            {"name", nameText(item)},
            {"size", QVariant::fromValue<qint64>(item.size)},
            {"category", rawText(item.category)},
            {"modifiedAt", dateValue(item.modifiedAt)},
            {"relatedFiles", relatedFiles},
            {"operation", rawText(item.operation.kind())},
            {"operationIdentifier", displayText(item.operation.identifier())},
            {"isSelected", item.isSelected}};
}

QVariantList toVariant(const std::vector<model::CleanupItem>& items) {
    QVariantList list;
    list.reserve(static_cast<qsizetype>(items.size()));
    for (const auto& item : items) {
        list.append(toVariant(item));
    }
    return list;
}

QVariantMap toVariant(const model::ScanState& state) {
    return {{"kind", rawText(state.kind())},
            {"text", displayText(state.text())},
            {"date", dateValue(state.date())}};
}

} // namespace sorvale::store
