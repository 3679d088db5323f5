// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "MainWindow.h"

#include "ApplicationIcons.h"
#include "QmlSingletons.h"

namespace sorvale::ui {

MainWindow::MainWindow(store::CleanupStore& store, updater::AppUpdater& updater)
    : folders_(store) {
    StoreSingleton::instance = &store;
    UpdaterSingleton::instance = &updater;
    FolderRequests::instance = &folders_;
    // Where qt_add_qml_module puts modules; Qt 6.4 does not look there by itself.
    engine_.addImportPath("qrc:/qt/qml");
    ApplicationIcons::install(engine_);
    engine_.load(QUrl("qrc:/qt/qml/Sorvale/Main.qml"));
}

QQuickWindow* MainWindow::window() const {
    const auto roots = engine_.rootObjects();
    return roots.isEmpty() ? nullptr : qobject_cast<QQuickWindow*>(roots.first());
}

} // namespace sorvale::ui
