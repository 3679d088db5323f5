// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
// Sorvale: one engine, one store over it, one updater, and the window that shows them.

#include "MainWindow.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QIcon>
#include <QQmlExtensionPlugin>
#include <QQuickStyle>

#include <cstdio>
#include <optional>
#include <string_view>

Q_IMPORT_QML_PLUGIN(SorvalePlugin)

namespace {

// --help and --version are answered before the application starts, so that they work where no
// display can be reached (a terminal on a server, a package check).
std::optional<int> answerWithoutWindow(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view word = argv[i];
        if (word == "--version") {
            std::fputs("sorvale " SORVALE_VERSION "\n", stdout);
            return 0;
        }
        if (word == "--help" || word == "-h") {
            std::fputs("usage: sorvale [--help | --version]\n"
                       "\n"
                       "Opens the Sorvale window, which finds disk space that can safely be\n"
                       "reclaimed and removes only what you approve. Qt's own options (such as\n"
                       "-platform) are accepted too. sorvale-scan(1) runs the same scans in a\n"
                       "terminal.\n",
                       stdout);
            return 0;
        }
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv) {
    if (const auto status = answerWithoutWindow(argc, argv)) {
        return *status;
    }
    QGuiApplication application(argc, argv);
    QCoreApplication::setOrganizationName("Sorvale");
    QCoreApplication::setApplicationName("Sorvale");
    QCoreApplication::setApplicationVersion(SORVALE_VERSION);
    QGuiApplication::setApplicationDisplayName("Sorvale");
    QGuiApplication::setDesktopFileName(SORVALE_APP_ID);
    QGuiApplication::setWindowIcon(QIcon(":/qt/qml/Sorvale/artwork/sorvale.svg"));
    QQuickStyle::setStyle("Basic");

    using namespace sorvale;
    store::CleanupStore store;
    store.setUrlOpener([](const QUrl& url) { return QDesktopServices::openUrl(url); });
    auto updaterConfiguration = updater::AppUpdater::defaultConfiguration();
    updaterConfiguration.openURL = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    updater::AppUpdater updater{std::move(updaterConfiguration)};
    const ui::MainWindow mainWindow(store, updater);
    if (mainWindow.window() == nullptr) {
        return 1;
    }
    return application.exec();
}
