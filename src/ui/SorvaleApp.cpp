// Sorvale: one engine, one store over it, one updater, and the window that shows them.

#include "MainWindow.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QIcon>
#include <QQmlExtensionPlugin>
#include <QQuickStyle>

Q_IMPORT_QML_PLUGIN(SorvalePlugin)

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    QCoreApplication::setOrganizationName("Sorvale");
    QCoreApplication::setApplicationName("Sorvale");
    QGuiApplication::setApplicationDisplayName("Sorvale");
    QGuiApplication::setDesktopFileName("sorvale");
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
