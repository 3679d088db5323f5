// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "store/CleanupStore.h"

#include <QJSEngine>
#include <QObject>
#include <QQmlEngine>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

namespace sorvale::ui {

// Carries the store's request for a Large Files folder to the window's folder dialog, and the
// answer back.
class FolderRequests : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    // Installs this bridge as the store's folder chooser.
    explicit FolderRequests(store::CleanupStore& store);

    // The application's one bridge, handed to QML as the singleton FolderRequests.
    static inline FolderRequests* instance = nullptr;
    static FolderRequests* create(QQmlEngine*, QJSEngine*) {
        QJSEngine::setObjectOwnership(instance, QJSEngine::CppOwnership);
        return instance;
    }

    Q_INVOKABLE void choose(const QUrl& folder);
    Q_INVOKABLE void cancel();

signals:
    void requested(const QString& title, const QString& message, const QString& prompt,
                   const QUrl& startFolder);

private:
    std::function<void(std::optional<std::filesystem::path>)> answer_;
};

} // namespace sorvale::ui
