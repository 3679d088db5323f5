// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "FolderRequests.h"
#include "store/CleanupStore.h"
#include "updater/AppUpdater.h"

#include <QQmlApplicationEngine>
#include <QQuickWindow>

namespace sorvale::ui {

// The main window over the application's store and updater: hands them to QML as its
// singletons, with the bridge that lets the window's folder dialog answer the store, and loads
// the window. The store and the updater must outlive it.
class MainWindow {
public:
    MainWindow(store::CleanupStore& store, updater::AppUpdater& updater);

    // The loaded window; null when it could not be loaded.
    [[nodiscard]] QQuickWindow* window() const;

private:
    FolderRequests folders_;
    QQmlApplicationEngine engine_; // after the bridge, so that it goes first
};

} // namespace sorvale::ui
