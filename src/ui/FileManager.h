// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

#include <filesystem>

namespace sorvale::ui {

// Shows items in the desktop's file manager.
class FileManager : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;

    // Shows the item (by its store key) selected in its folder: through Finder on macOS;
    // elsewhere through the freedesktop FileManager1 service, or by opening the folder when no
    // file manager offers that service.
    Q_INVOKABLE void reveal(const QString& itemKey);

    // A file URL that keeps every byte of `path`, UTF-8 or not.
    [[nodiscard]] static QUrl fileUrl(const std::filesystem::path& path);
};

} // namespace sorvale::ui
