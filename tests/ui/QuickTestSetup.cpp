// Qt Quick Test entry for the window's QML: the views run against a real store over the demo
// home (every list scanned) and a real updater whose feed and archives a local server provides.

#include "FolderRequests.h"
#include "QmlSingletons.h"
#include "support/DemoHome.h"
#include "support/LocalHttpServer.h"
#include "support/TempTree.h"
#include "support/UpdateTools.h"
#include "support/ZipArchive.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlExtensionPlugin>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtQuickTest>

#include <fstream>
#include <sstream>

Q_IMPORT_QML_PLUGIN(SorvalePlugin)

namespace {

namespace fs = std::filesystem;
using namespace sorvale;

// What the QML tests reach through the Fixture object: feeds to serve.
class Fixture : public QObject {
    Q_OBJECT

public:
    explicit Fixture(test::LocalHttpServer& server)
        : server_(server) {}

    // Serves a feed offering `version` (an archive that verifies) or, for "", a 404.
    Q_INVOKABLE void serveFeed(const QString& version) {
        if (version.isEmpty()) {
            server_.serve("/appcast.json", {404, "missing"});
            return;
        }
        server_.serve("/appcast.json",
                      {200, "{\"version\": \"" + version.toUtf8() + "\", \"url\": \"" +
                                server_.url("/Sorvale.zip").toString().toUtf8() + "\"}"});
    }

private:
    test::LocalHttpServer& server_;
};

class Setup : public QObject {
    Q_OBJECT

public slots:
    void applicationAvailable() {
        QCoreApplication::setOrganizationName("Sorvale");
        QCoreApplication::setApplicationName("Sorvale");
        QStandardPaths::setTestModeEnabled(true);
    }

    void qmlEngineAvailable(QQmlEngine* engine) {
        server_ = std::make_unique<test::LocalHttpServer>();
        fixture_ = std::make_unique<Fixture>(*server_);
        home_ = std::make_unique<test::FixtureTree>(tree_ / "home");
        root_ = std::make_unique<test::FixtureTree>(tree_ / "root");
        test::buildDemoHome(*home_, root_.get());
        test::installUpdateTools(*root_);
        ::setenv("HOME", home_->root().c_str(), 1);
        ::unsetenv("XDG_DATA_HOME");
        QSettings().clear();
        test::writeZip(tree_ / "update.zip",
                       {{"Sorvale.app/Contents/Info.plist", test::infoPlistOfVersion("1.5")},
                        {"Sorvale.app/team", "TeamIdentifier=TEAM1\n"}});
        std::ostringstream archive;
        archive << std::ifstream(tree_ / "update.zip", std::ios::binary).rdbuf();
        server_->serve("/Sorvale.zip", {200, QByteArray::fromStdString(archive.str())});

        store_ = std::make_unique<store::CleanupStore>(
            engine::ScanEngine(root_->root()),
            [](const fs::path&, std::function<void(bool)> answer) { answer(true); });
        updater_ = std::make_unique<updater::AppUpdater>(updater::AppUpdater::Configuration{
            server_->url("/appcast.json"), "1.4",
            root_->root() / "Users/me/Applications/Sorvale.app", root_->root(), [] {}});
        std::ofstream(root_->file("Users/me/Applications/Sorvale.app/team"))
            << "TeamIdentifier=TEAM1\n";
        folders_ = std::make_unique<ui::FolderRequests>(*store_);
        ui::StoreSingleton::instance = store_.get();
        ui::UpdaterSingleton::instance = updater_.get();
        ui::FolderRequests::instance = folders_.get();
        for (const auto& scan : std::vector<std::function<void()>>{
                 [this] { store_->startJunkScan(); }, [this] { store_->scanApplications(); },
                 [this] { store_->scanDownloads(); }, [this] { store_->scanTrash(); }}) {
            scan();
            while (store_->displayedState().value("kind") != "complete") {
                QSignalSpy spy(store_.get(), &store::CleanupStore::displayedStateChanged);
                spy.wait(20'000);
            }
        }
        store_->selectSection("overview");
        engine->addImportPath("qrc:/qt/qml");
        engine->rootContext()->setContextProperty("Fixture", fixture_.get());
    }

    void cleanupTestCase() {
        store_.reset();
        updater_.reset();
    }

private:
    test::TempTree tree_;
    std::unique_ptr<test::FixtureTree> home_;
    std::unique_ptr<test::FixtureTree> root_;
    // Made once the application exists: a server needs its event loop.
    std::unique_ptr<test::LocalHttpServer> server_;
    std::unique_ptr<Fixture> fixture_;
    std::unique_ptr<ui::FolderRequests> folders_;
    std::unique_ptr<store::CleanupStore> store_;
    std::unique_ptr<updater::AppUpdater> updater_;
};

} // namespace

QUICK_TEST_MAIN_WITH_SETUP(window, Setup)

#include "QuickTestSetup.moc"
