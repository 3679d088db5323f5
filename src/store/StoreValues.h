// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "model/CleanupItem.h"
#include "model/RawValue.h"
#include "model/ScanState.h"

#include <QString>
#include <QUrl>
#include <QVariantList>
#include <QVariantMap>

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace sorvale::store {

// How the store's values cross into QML. Paths are bytes: an item is named by a key that keeps
// every byte (percent-encoded), and shown through text in which bytes that are not UTF-8 read as
// U+FFFD.

[[nodiscard]] QString itemKey(const model::Location& id);
// The bytes of the id an item key stands for.
[[nodiscard]] std::string bytesOfItemKey(const QString& key);
// The bytes of a local file URL's path, as the file system names it; none for any other URL.
[[nodiscard]] std::optional<std::filesystem::path> pathOfLocalFile(const QUrl& url);

[[nodiscard]] QString displayText(std::string_view bytes);

// {id, url, name, size, category, modifiedAt, relatedFiles, operation, operationIdentifier,
//  isSelected}: id is the item's key, url and relatedFiles are display text.
[[nodiscard]] QVariantMap toVariant(const model::CleanupItem& item);
[[nodiscard]] QVariantList toVariant(const std::vector<model::CleanupItem>& items);
// {kind, text, date}: text is the label or message, date the moment of completion or null.
[[nodiscard]] QVariantMap toVariant(const model::ScanState& state);

template <class E>
[[nodiscard]] QString rawText(E value) {
    const std::string_view raw = model::rawValue(value);
    return QString::fromUtf8(raw.data(), static_cast<qsizetype>(raw.size()));
}

template <class E>
[[nodiscard]] QString rawText(const std::optional<E>& value) {
    return value ? rawText(*value) : QString();
}

template <class E>
[[nodiscard]] std::optional<E> fromRawText(const QString& text) {
    return model::fromRawValue<E>(text.toStdString());
}

} // namespace sorvale::store
