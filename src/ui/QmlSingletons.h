// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "store/CleanupStore.h"
#include "updater/AppUpdater.h"

#include <QJSEngine>
#include <QQmlEngine>
#include <QtQml/qqmlregistration.h>

namespace sorvale::ui {

// The application's one store and one updater, handed to QML as the singletons Store and
// Updater. The application (or a test) sets the instances before QML first uses them; QML never
// owns them.
struct StoreSingleton {
    Q_GADGET
    QML_FOREIGN(sorvale::store::CleanupStore)
    QML_NAMED_ELEMENT(Store)
    QML_SINGLETON

public:
    static inline store::CleanupStore* instance = nullptr;
    static store::CleanupStore* create(QQmlEngine*, QJSEngine*) {
        QJSEngine::setObjectOwnership(instance, QJSEngine::CppOwnership);
        return instance;
    }
};

struct UpdaterSingleton {
    Q_GADGET
    QML_FOREIGN(sorvale::updater::AppUpdater)
    QML_NAMED_ELEMENT(Updater)
    QML_SINGLETON

public:
    static inline updater::AppUpdater* instance = nullptr;
    static updater::AppUpdater* create(QQmlEngine*, QJSEngine*) {
        QJSEngine::setObjectOwnership(instance, QJSEngine::CppOwnership);
        return instance;
    }
};

} // namespace sorvale::ui
