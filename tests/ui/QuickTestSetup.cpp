// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
// Qt Quick Test entry for the window's QML: each test file gets a new store over the demo home
// (nothing scanned until the file asks) and a real updater whose feed and archives a local
// server provides. With SORVALE_TEST_LAYOUT=linux the home is a Debian desktop read in the Linux
// layout, with a browser running. The window speaks the language SORVALE_TEST_LANGUAGE names,
// English unless it names another, as the system's locale would choose it.

#include "ApplicationIcons.h"
#include "FolderRequests.h"
#include "QmlSingletons.h"
#include "store/Translations.h"
#include "support/DemoHome.h"
#include "support/LinuxHome.h"
#include "support/LocalHttpServer.h"
#include "support/RunningProgram.h"
#include "support/StoreHelpers.h"
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

Q_IMPORT_QML_PLUGIN(SorvalePlugin)

namespace {

namespace fs = std::filesystem;
using namespace sorvale;

// What the QML tests reach through the Fixture object: feeds to serve, scans to finish, and the
// answer of the Full Disk Access check.
class Fixture : public QObject {
    Q_OBJECT
    // False makes every access check answer "denied".
    Q_PROPERTY(bool accessGranted MEMBER accessGranted)
    // True holds every access check until answerAccessChecks().
    Q_PROPERTY(bool holdAccessChecks MEMBER holdAccessChecks)
    Q_PROPERTY(QUrl home READ home CONSTANT)
    // False takes ditto, codesign and spctl away, as on a system that cannot verify updates.
    Q_PROPERTY(bool verificationTools READ verificationTools WRITE setVerificationTools)
    // Every address the updater opened in a browser, in order.
    Q_PROPERTY(QStringList openedUrls MEMBER openedUrls)
    // True makes the simulator tool wait until it is false again, and with it a Smart Cleanup
    // scan, which has listed its catalogue folders by then.
    Q_PROPERTY(bool holdSimulatorTool READ holdsSimulatorTool WRITE holdSimulatorTool)

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

    // Runs the event loop until the displayed list's scan has completed; false after 20 s.
    Q_INVOKABLE bool finishScan() { return test::waitForDisplayedCompletion(*store, 20'000); }

    [[nodiscard]] QUrl home() const {
        return QUrl::fromLocalFile(QString::fromStdString(store->home().native()));
    }

    // Runs the event loop until the displayed list completes a scan that was not complete when
    // this was called; false after 20 s.
    Q_INVOKABLE bool finishNextScan() {
        const QVariantMap before = store->displayedState();
        while (store->displayedState() == before ||
               store->displayedState().value("kind") != "complete") {
            QSignalSpy spy(store, &store::CleanupStore::displayedStateChanged);
            if (!spy.wait(20'000)) {
                return false;
            }
        }
        return true;
    }

    [[nodiscard]] bool verificationTools() const {
        return fs::exists(root->root() / "usr/bin/codesign");
    }
    void setVerificationTools(bool present) {
        if (present) {
            test::installUpdateTools(*root);
            return;
        }
        for (const char* tool : {"usr/bin/ditto", "usr/bin/codesign", "usr/sbin/spctl"}) {
            fs::remove(root->root() / tool);
        }
    }

    [[nodiscard]] bool holdsSimulatorTool() const { return fs::exists(root->root() / "tool-held"); }
    void holdSimulatorTool(bool hold) {
        const fs::path tool = root->root() / "usr/bin/xcrun";
        const fs::path held = root->root() / "usr/bin/xcrun-held";
        if (!fs::exists(held)) {
            fs::rename(tool, held);
            root->script("usr/bin/xcrun", "while [ -e '" + (root->root() / "tool-held").native() +
                                              "' ]; do sleep 0.02; done\nexec '" + held.native() +
                                              "' \"$@\"");
        }
        if (hold) {
            std::ofstream(root->root() / "tool-held").flush();
        } else {
            fs::remove(root->root() / "tool-held");
        }
    }

    Q_INVOKABLE void answerAccessChecks() {
        for (auto& answer : std::exchange(heldChecks, {})) {
            answer(accessGranted);
        }
    }

    bool accessGranted = true;
    bool holdAccessChecks = false;
    std::vector<std::function<void(bool)>> heldChecks;
    store::CleanupStore* store = nullptr;
    test::FixtureTree* root = nullptr;
    QStringList openedUrls;

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
        const QString language = qEnvironmentVariable("SORVALE_TEST_LANGUAGE", "en_US");
        QVERIFY(!store::installTranslations(QLocale(language)).isEmpty());
    }

    void qmlEngineAvailable(QQmlEngine* engine) {
        if (!server_) {
            buildMachine();
        }
        // Each test file (each engine) starts over: a store that has scanned nothing, access
        // granted at once, an updater with no alert.
        fixture_->accessGranted = true;
        fixture_->holdAccessChecks = false;
        fixture_->heldChecks.clear();
        folders_.reset();
        store_ = std::make_unique<store::CleanupStore>(
            engine::ScanEngine(root_->root(), layout_),
            [fixture = fixture_.get()](const fs::path&, std::function<void(bool)> answer) {
                if (fixture->holdAccessChecks) {
                    fixture->heldChecks.push_back(std::move(answer));
                    return;
                }
                // Answered later, as a real check is.
                QMetaObject::invokeMethod(
                    fixture,
                    [answer = std::move(answer), granted = fixture->accessGranted] {
                        answer(granted);
                    },
                    Qt::QueuedConnection);
            });
        fixture_->store = store_.get();
        fixture_->openedUrls.clear();
        updater_ = std::make_unique<updater::AppUpdater>(updater::AppUpdater::Configuration{
            .feedURL = server_->url("/appcast.json"),
            .currentVersion = "1.4",
            .applicationBundle = root_->root() / "Users/me/Applications/Sorvale.app",
            .systemRoot = root_->root(),
            .updatesFolder = tree_ / "updater/Updates",
            .temporaryFolder = tree_ / "updater/tmp",
            .preferencesFile = tree_ / "updater/preferences.conf",
            .websiteURL = QUrl("https://sorvale.example/"),
            .terminate = [] {},
            .openURL = [fixture = fixture_.get()](
                           const QUrl& url) { fixture->openedUrls.append(url.toString()); }});
        folders_ = std::make_unique<ui::FolderRequests>(*store_);
        ui::StoreSingleton::instance = store_.get();
        ui::UpdaterSingleton::instance = updater_.get();
        ui::FolderRequests::instance = folders_.get();
        engine->addImportPath("qrc:/qt/qml");
        ui::ApplicationIcons::install(*engine);
        engine->rootContext()->setContextProperty("Fixture", fixture_.get());
    }

    void cleanupTestCase() {
        store_.reset();
        updater_.reset();
    }

private:
    // The demo home and machine, the update archive and its server: made once for all files.
    void buildMachine() {
        server_ = std::make_unique<test::LocalHttpServer>();
        fixture_ = std::make_unique<Fixture>(*server_);
        home_ = std::make_unique<test::FixtureTree>(tree_ / "home");
        root_ = std::make_unique<test::FixtureTree>(tree_ / "root");
        if (layout_ == model::HomeLayout::macos) {
            test::buildDemoHome(*home_, root_.get());
        } else {
            const test::LinuxHome desktop(tree_);
            browser_ = std::make_unique<test::RunningProgram>(tree_ / "programs/bin/firefox-esr");
            test::unsetBaseFolders();
        }
        test::installUpdateTools(*root_);
        fixture_->root = root_.get();
        ::setenv("HOME", home_->root().c_str(), 1);
        ::unsetenv("XDG_DATA_HOME");
        QSettings().clear();
        server_->serve(
            "/Sorvale.zip",
            {200, QByteArray::fromStdString(test::zipBytes(test::verifiedUpdateFiles("1.5")))});
        std::ofstream(root_->file("Users/me/Applications/Sorvale.app/team"))
            << "TeamIdentifier=TEAM1\n";
    }

    const model::HomeLayout layout_ = qEnvironmentVariable("SORVALE_TEST_LAYOUT") == "linux"
                                          ? model::HomeLayout::linuxDesktop
                                          : model::HomeLayout::macos;
    test::TempTree tree_;
    std::unique_ptr<test::RunningProgram> browser_;
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
