// Sorvale: one engine, one store over it, one updater, and the window that shows them.

#include "ApplicationIcons.h"
#include "FolderRequests.h"
#include "QmlSingletons.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QIcon>
#include <QQmlApplicationEngine>
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
    store::CleanupStore store{engine::ScanEngine()};
    store.setUrlOpener([](const QUrl& url) { return QDesktopServices::openUrl(url); });
    updater::AppUpdater updater{updater::AppUpdater::defaultConfiguration()};
    ui::FolderRequests folders(store);
    ui::StoreSingleton::instance = &store;
    ui::UpdaterSingleton::instance = &updater;
    ui::FolderRequests::instance = &folders;

    QQmlApplicationEngine qml;
    QObject::connect(
        &qml, &QQmlApplicationEngine::objectCreationFailed, &application,
        [] { QCoreApplication::exit(1); }, Qt::QueuedConnection);
    // Where qt_add_qml_module puts modules; Qt 6.4 does not look there by itself.
    qml.addImportPath("qrc:/qt/qml");
    ui::ApplicationIcons::install(qml);
    qml.load(QUrl("qrc:/qt/qml/Sorvale/Main.qml"));
    return application.exec();
}
