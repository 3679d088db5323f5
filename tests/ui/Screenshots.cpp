// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
// Renders every screen of the window over the demo home of a home layout, offscreen with the
// software renderer, and writes them as PNG files, so that people can look at them:
//
//   sorvale-screenshots [--layout macos|linux] [FOLDER]
//
// FOLDER is by default the build's screenshots folder, or its "linux" folder for the Linux layout.

#include "MainWindow.h"
#include "store/StoreValues.h"
#include "store/Translations.h"
#include "support/DemoHome.h"
#include "support/LocalHttpServer.h"
#include "support/RunningProgram.h"
#include "support/StoreHelpers.h"
#include "support/TempTree.h"
#include "support/UpdateTools.h"
#include "support/ZipArchive.h"

#include <QDir>
#include <QGuiApplication>
#include <QQmlExtensionPlugin>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <array>
#include <cstdio>
#include <linux/capability.h>
#include <optional>
#include <string_view>
#include <sys/syscall.h>
#include <unistd.h>

Q_IMPORT_QML_PLUGIN(SorvalePlugin)

namespace {

namespace fs = std::filesystem;
using namespace sorvale;

class Photographer {
public:
    Photographer(QQuickWindow& window, QString folder)
        : window_(window)
        , folder_(std::move(folder)) {}

    // Lets animations and layouts settle, then saves what the window shows.
    void shoot(const QString& name, QQuickWindow* window = nullptr) {
        QTest::qWait(700);
        save(name, window != nullptr ? *window : window_);
    }
    // Saves what the window shows now, before any pending result can arrive.
    void shootNow(const QString& name) { save(name, window_); }
    void click(const char* objectName) {
        QQuickItem* item = visibleItem(window_.contentItem(), objectName);
        if (item == nullptr || !item->isVisible()) {
            std::fprintf(stderr, "no visible %s to click\n", objectName);
            failed_ = true;
            return;
        }
        QTest::mouseClick(
            &window_, Qt::LeftButton, {},
            item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint());
        // The pointer leaves, so that no hover or tooltip stays in the next pictures.
        QTest::mouseMove(&window_, QPoint(4, window_.height() - 4));
    }
    // Rests the pointer on an item, as a hover shows it.
    void hover(const char* objectName) {
        if (QQuickItem* item = visibleItem(window_.contentItem(), objectName)) {
            QTest::mouseMove(
                &window_,
                item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint());
        } else {
            std::fprintf(stderr, "no visible %s to hover\n", objectName);
            failed_ = true;
        }
    }
    // Opens the menu bar's menu of that title, as a click on it does.
    void openMenu(const QString& title) {
        QQuickItem* item = visibleItem(window_.contentItem(), [&](QQuickItem* candidate) {
            return candidate->inherits("QQuickMenuBarItem") &&
                   candidate->property("text").toString() == title;
        });
        if (item == nullptr) {
            std::fprintf(stderr, "no menu %s\n", qPrintable(title));
            failed_ = true;
            return;
        }
        QTest::mouseClick(
            &window_, Qt::LeftButton, {},
            item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint());
    }
    void parkPointer() { QTest::mouseMove(&window_, QPoint(4, window_.height() - 4)); }
    [[nodiscard]] bool failed() const { return failed_; }

private:
    // The first shown item of that name, searched through the items drawn (delegates that
    // views make have no object parent to search through).
    static QQuickItem* visibleItem(QQuickItem* item, const char* objectName) {
        return visibleItem(item, [objectName](QQuickItem* candidate) {
            return candidate->objectName() == QLatin1String(objectName);
        });
    }
    static QQuickItem* visibleItem(QQuickItem* item,
                                   const std::function<bool(QQuickItem*)>& wanted) {
        if (!item->isVisible()) {
            return nullptr;
        }
        if (wanted(item)) {
            return item;
        }
        for (QQuickItem* child : item->childItems()) {
            if (QQuickItem* found = visibleItem(child, wanted)) {
                return found;
            }
        }
        return nullptr;
    }

    void save(const QString& name, QQuickWindow& target) {
        const QString path = folder_ + "/" + name + ".png";
        if (!target.grabWindow().save(path)) {
            std::fprintf(stderr, "cannot save %s\n", qPrintable(path));
            failed_ = true;
        }
    }

    QQuickWindow& window_;
    QString folder_;
    bool failed_ = false;
};

template <class Object, class Signal>
bool waitFor(Object* object, Signal signal) {
    QSignalSpy spy(object, signal);
    return spy.wait(20'000);
}

bool waitForCompletion(store::CleanupStore& store) {
    return test::waitForDisplayedCompletion(store, 20'000, 50);
}

void selectOnly(store::CleanupStore& store, const QString& section,
                const std::function<bool(const model::CleanupItem&)>& which) {
    store.selectSection(section);
    test::selectOnly(store, which);
}

std::function<bool(const model::CleanupItem&)> ofCategory(model::CleanupCategory category) {
    return [category](const model::CleanupItem& item) { return item.category == category; };
}

// Root reads every folder whatever its permissions. Without these two capabilities it reads as
// its owner does, so that a folder taken away is skipped by the scans as it is for a user. Only
// threads started afterwards inherit this, so it is done before any starts.
void readAsAnOwner() {
    if (::geteuid() != 0) {
        return;
    }
    __user_cap_header_struct header{.version = _LINUX_CAPABILITY_VERSION_3, .pid = 0};
    std::array<__user_cap_data_struct, 2> data{};
    if (::syscall(SYS_capget, &header, data.data()) != 0) {
        return;
    }
    for (const unsigned capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH}) {
        data[capability / 32].effective &= ~(1U << (capability % 32));
    }
    if (::syscall(SYS_capset, &header, data.data()) != 0) {
        std::fprintf(stderr, "cannot give up reading every folder\n");
    }
}

} // namespace

int main(int argc, char** argv) {
    readAsAnOwner();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QUICK_BACKEND", "software");
    QGuiApplication application(argc, argv);
    QCoreApplication::setOrganizationName("Sorvale");
    QCoreApplication::setApplicationName("Sorvale");
    QStandardPaths::setTestModeEnabled(true);
    // In English, as the README's pictures show it.
    store::installTranslations(QLocale(QLocale::English, QLocale::UnitedStates));
    QQuickStyle::setStyle("Basic");
    std::vector<std::string_view> arguments(argv + 1, argv + argc);
    auto layout = model::HomeLayout::macos;
    if (arguments.size() >= 2 && arguments[0] == "--layout") {
        const auto chosen = store::fromRawText<model::HomeLayout>(QString::fromUtf8(arguments[1]));
        if (!chosen) {
            std::fprintf(stderr, "no home layout %s\n", arguments[1].data());
            return 2;
        }
        layout = *chosen;
        arguments.erase(arguments.begin(), arguments.begin() + 2);
    }
    const bool onMacos = layout == model::HomeLayout::macos;
    const QString folder = !arguments.empty() ? QString::fromLocal8Bit(arguments[0])
                           : onMacos          ? QString(SORVALE_SCREENSHOT_DIR)
                                              : QString(SORVALE_SCREENSHOT_DIR "/linux");
    QDir().mkpath(folder);

    test::TempTree tree;
    std::optional<test::FixtureTree> homeTree;
    std::optional<test::FixtureTree> rootTree;
    // On Linux a browser runs while the home is scanned, so its caches ask to close it first.
    std::optional<test::RunningProgram> browser;
    if (onMacos) {
        homeTree.emplace(tree / "home");
        rootTree.emplace(tree / "root");
        test::buildDemoHome(*homeTree, &*rootTree);
    } else {
        test::buildLinuxDemoHome(tree);
        homeTree.emplace(tree / "home");
        rootTree.emplace(tree / "root");
        browser.emplace(tree / "programs/bin/firefox-esr");
        for (const char* variable : {"XDG_CACHE_HOME", "XDG_CONFIG_HOME"}) {
            ::unsetenv(variable);
        }
    }
    test::FixtureTree& home = *homeTree;
    test::FixtureTree& root = *rootTree;
    if (onMacos) {
        test::installUpdateTools(root);
    }
    ::setenv("HOME", home.root().c_str(), 1);
    ::unsetenv("XDG_DATA_HOME");
    QSettings().clear();

    test::LocalHttpServer server;
    // The access check answers as the screens need: granted, denied, or held to show the check.
    bool accessGranted = true;
    std::optional<std::function<void(bool)>> heldCheck;
    bool holdCheck = false;
    store::CleanupStore store(engine::ScanEngine(root.root(), layout),
                              [&](const fs::path&, std::function<void(bool)> answer) {
                                  if (holdCheck) {
                                      heldCheck = std::move(answer);
                                  } else {
                                      answer(accessGranted);
                                  }
                              });
    updater::AppUpdater updater({.feedURL = server.url("/appcast.json"),
                                 .currentVersion = "1.4",
                                 .applicationBundle = root / "Applications/Sorvale.app",
                                 .systemRoot = root.root(),
                                 .updatesFolder = tree / "updater/Updates",
                                 .temporaryFolder = tree / "updater/tmp",
                                 .preferencesFile = tree / "updater/preferences.conf",
                                 .terminate = [] {}});
    ui::MainWindow mainWindow(store, updater);
    QQuickWindow* window = mainWindow.window();
    if (window == nullptr) {
        std::fprintf(stderr, "the main window did not load\n");
        return 1;
    }
    Photographer camera(*window, folder);

    camera.shoot("onboarding-1");
    camera.click("continueButton");
    camera.shoot("onboarding-2");
    camera.click("continueButton");
    camera.shoot("onboarding-3");
    camera.click("continueButton");

    // Nothing scanned yet.
    camera.shoot("overview-before-scan");
    for (const auto& [section, name] :
         std::vector<std::pair<QString, QString>>{{"cleanup", "cleanup-ready"},
                                                  {"applications", "applications-welcome"},
                                                  {"largeFiles", "large-files-no-scan"}}) {
        store.selectSection(section);
        camera.shoot(name);
    }

    // The access gate, the check, and a scan in progress, for both protected scans.
    // Only macOS has the gate: elsewhere the scans start at once.
    for (const auto& [start, name] : std::vector<std::pair<std::function<void()>, QString>>{
             {[&] { store.startJunkScan(); }, "cleanup"},
             {[&] { store.scanApplications(); }, "applications"}}) {
        if (onMacos) {
            accessGranted = false;
            start();
            camera.shoot(name + "-access-required");
            accessGranted = true;
            holdCheck = true;
            start();
            camera.shoot(name + "-checking-access");
            holdCheck = false;
            (*heldCheck)(true);
            // The answer arrives through the event loop; the scan's result comes a little later.
            while (store.isCheckingFullDiskAccess()) {
                QCoreApplication::processEvents();
            }
        } else {
            start();
        }
        camera.shootNow(name + "-scanning");
        waitForCompletion(store);
        camera.shoot(name + "-results");
    }
    store.scanDownloads();
    camera.shootNow("downloads-scanning");
    waitForCompletion(store);
    camera.shoot("downloads");
    store.scanTrash();
    camera.shootNow("trash-scanning");
    waitForCompletion(store);
    camera.shoot("trash");
    store.setLargeFileMinimumMB(5000);
    store.scanLargeFiles(home.root());
    waitForCompletion(store);
    camera.shoot("large-files-nothing-found");
    // The demo home's files are small; two videos reach the settings' least minimum of 100 MB.
    home.allocatedFile("Movies/Family reunion.mov", 420'000'000);
    home.allocatedFile("Movies/Drone footage/Coast.mp4", 180'000'000);
    store.setLargeFileMinimumMB(100);
    store.scanLargeFiles(home.root());
    camera.shootNow("large-files-scanning");
    waitForCompletion(store);
    camera.shoot("large-files");
    store.selectSection("overview");
    camera.shoot("overview-after-scan");
    camera.hover("downloadsCard");
    camera.shoot("overview-hover");
    camera.parkPointer();
    // The keyboard's focus ring on the first control the Tab key reaches past the sidebar.
    QTest::keyClick(window, Qt::Key_Tab);
    QTest::keyClick(window, Qt::Key_Tab);
    camera.shoot("overview-focus");

    // The cleanup browser with a group and a category chosen and two items selected.
    store.review("");
    camera.shoot("cleanup-browser-all");
    store.review("systemJunk");
    camera.shoot("cleanup-browser-group");
    const auto caches =
        onMacos ? model::CleanupCategory::userCaches : model::CleanupCategory::browserCaches;
    camera.click(qPrintable("category-" + store::rawText(caches)));
    QStringList two;
    for (const auto& item : store.itemsOf(model::AppSection::cleanup)) {
        if (item.category == caches && two.size() < 2) {
            two.append(store::itemKey(item.id));
        }
    }
    store.setSelection(two, true);
    camera.shoot("cleanup-browser-category-selection");
    camera.click("selectMenuButton");
    camera.shoot("cleanup-select-menu");
    QTest::keyClick(window, Qt::Key_Escape);
    if (!onMacos) {
        store.review("system");
        camera.shoot("cleanup-browser-system");
    }
    store.showCleanupSummary();

    // The applications list, with one application's matched files open; on Linux each row says
    // how the application was installed, and the installers have a list of their own.
    store.reviewApplications("installedApplications");
    camera.shoot("applications-list");
    camera.click("matchedFilesButton");
    camera.shoot("applications-list-matched-files");
    QTest::keyClick(window, Qt::Key_Escape);
    if (!onMacos) {
        store.reviewApplications("appLeftovers");
        camera.shoot("applications-list-leftovers");
        store.reviewApplications("installers");
        camera.shoot("applications-list-installers");
    }
    if (onMacos) {
        store.reviewApplications("appLeftovers");
        camera.shoot("applications-leftovers");
        store.reviewApplications("installers");
        camera.shoot("applications-installers");
    }
    store.showApplicationsSummary();

    // Quick Clean: the recommended items of System Junk chosen and the confirmation asked.
    store.selectSection("cleanup");
    store.quickClean("systemJunk");
    camera.shoot("cleanup-quick-clean");
    store.setShowDeleteConfirmation(false);
    store.deselectAll();
    if (onMacos) {
        store.review("universalBinaries");
        camera.shoot("cleanup-browser-universal-binaries");
        store.showCleanupSummary();
    }

    using model::CleanupCategory;
    const auto systemTools = [](const model::CleanupItem& item) {
        return item.operation.isSystemToolOperation();
    };
    const std::vector<std::pair<QString, std::function<void()>>> macosRules{
        {"1-optimize",
         [&] { selectOnly(store, "cleanup", ofCategory(CleanupCategory::universalBinaries)); }},
        {"2-uninstall",
         [&] {
             selectOnly(store, "applications", ofCategory(CleanupCategory::installedApplications));
         }},
        {"3-mail",
         [&] { selectOnly(store, "cleanup", ofCategory(CleanupCategory::mailDownloads)); }},
        {"4-xcode",
         [&] {
             selectOnly(store, "cleanup",
                        [](const auto& item) { return item.operation.isManagedXcodeOperation(); });
         }},
    };
    const std::vector<std::pair<QString, std::function<void()>>> linuxRules{
        {"2-uninstall",
         [&] {
             selectOnly(store, "applications", ofCategory(CleanupCategory::installedApplications));
         }},
        {"4-system", [&] { selectOnly(store, "cleanup", systemTools); }},
        {"4-system-and-caches",
         [&] {
             selectOnly(store, "cleanup", [&](const auto& item) {
                 return systemTools(item) || item.category == CleanupCategory::browserCaches;
             });
         }},
    };
    std::vector<std::pair<QString, std::function<void()>>> rules =
        onMacos ? macosRules : linuxRules;
    rules.emplace_back("5-permanent",
                       [&] { selectOnly(store, "trash", [](const auto&) { return true; }); });
    rules.emplace_back("6-trash",
                       [&] { selectOnly(store, "downloads", [](const auto&) { return true; }); });
    for (const auto& [name, select] : rules) {
        select();
        store.setShowDeleteConfirmation(true);
        camera.shoot("confirmation-" + name);
        store.setShowDeleteConfirmation(false);
    }

    // A removal while it runs, its result with Undo, and the items put back.
    selectOnly(store, "downloads",
               [](const model::CleanupItem& item) { return item.name == "notes.txt"; });
    {
        QSignalSpy said(&store, &store::CleanupStore::lastMessageChanged);
        store.removeSelected();
        camera.shootNow("downloads-removing");
        said.wait(20'000);
        camera.shoot("downloads-removed");
    }
    {
        QSignalSpy said(&store, &store::CleanupStore::lastMessageChanged);
        store.undoRemoval();
        said.wait(20'000);
        camera.shoot("downloads-put-back");
    }
    store.setLastMessage("");
    if (onMacos) {
        store.selectSection("cleanup");
        store.review("backups");
        camera.shoot("cleanup-browser-backups");
        store.showCleanupSummary();
    }
    store.selectSection("overview");

    // The menus, each open.
    for (const QString& menu :
         {QStringLiteral("Sorvale"), QStringLiteral("Scan"), QStringLiteral("Help")}) {
        camera.openMenu(menu);
        camera.shoot("menu-" + menu.toLower());
        QTest::keyClick(window, Qt::Key_Escape);
        camera.parkPointer();
    }

    // Places the scans could not read: a folder taken away inside a cache that an application
    // also owns, and a Large Files folder that is gone.
    const fs::path locked = onMacos ? "Library/Caches/com.pixelmate.app/Private"
                                    : ".var/app/com.spotify.Client/cache/private";
    home.folder(locked);
    home.makeInaccessible(locked);
    store.startJunkScan();
    waitForCompletion(store);
    camera.shoot("cleanup-skipped");
    store.scanApplications();
    waitForCompletion(store);
    camera.shoot("applications-unavailable");
    fs::permissions(home / locked, fs::perms::owner_all);
    store.scanLargeFiles(home / "Gone");
    waitForCompletion(store);
    camera.shoot("large-files-unavailable");

    // macOS refused an uninstall for want of the App Management permission.
    if (onMacos) {
        store.setNeedsAppManagementPermission(true);
        store.scanApplications();
        waitForCompletion(store);
        camera.shoot("applications-app-management");
        store.reviewApplications("installedApplications");
        camera.shoot("applications-list-app-management");
        store.showApplicationsSummary();
        store.setNeedsAppManagementPermission(false);
    }

    // An empty Downloads folder and an empty Trash, their contents set aside.
    const auto setAside = [&](const fs::path& contents) {
        if (fs::exists(home / contents)) {
            fs::rename(home / contents, home / (contents.native() + "-kept"));
            home.folder(contents);
        }
    };
    setAside("Downloads");
    store.scanDownloads();
    waitForCompletion(store);
    camera.shoot("downloads-empty");
    setAside(".Trash");
    setAside(".local/share/Trash/files");
    store.scanTrash();
    waitForCompletion(store);
    camera.shoot("trash-empty");
    store.selectSection("overview");

    store.chooseLargeFileFolder();
    camera.shoot("large-files-folder-dialog");
    QTest::keyClick(window, Qt::Key_Escape);

    // The updater's alerts read the same in every layout.
    if (onMacos) {
        const auto feed = [&](const QByteArray& json, int status = 200) {
            server.serve("/appcast.json", {status, json});
        };
        const auto check = [&] {
            updater.clearAlert();
            updater.checkForUpdates(true);
            waitFor(&updater, &updater::AppUpdater::alertChanged);
        };
        feed(R"({"version": "1.4", "url": "https://sorvale.example/a.zip"})");
        check();
        camera.shoot("update-info");
        feed("{}", 404);
        check();
        camera.shoot("update-error");
        feed(
            R"({"version": "1.5", "url": ")" + server.url("/Sorvale-1.5.zip").toString().toUtf8() +
            R"(", "notes": ["Faster Smart Cleanup scans", "Clearer Applications dashboard", "Fixes"]})");
        check();
        camera.shoot("update-updateAvailable");
        // A system without the verification tools, as Linux is, sends the user to the website.
        for (const char* tool : {"usr/bin/ditto", "usr/bin/codesign", "usr/sbin/spctl"}) {
            fs::remove(root / tool);
        }
        check();
        camera.shoot("update-updateOnWebsite");
        test::installUpdateTools(root);
        check();
        server.serve(
            "/Sorvale-1.5.zip",
            {200, QByteArray::fromStdString(test::zipBytes(test::verifiedUpdateFiles("1.5")))});
        updater.clearAlert();
        updater.startDownload();
        waitFor(&updater, &updater::AppUpdater::alertChanged);
        camera.shoot("update-ready");
        updater.clearAlert();
    }

    auto* settings = window->findChild<QQuickWindow*>("settingsWindow");
    if (settings == nullptr) {
        std::fprintf(stderr, "no settings window\n");
        return 1;
    }
    settings->show();
    camera.shoot("settings", settings);
    // The lower sections, scrolled to.
    const std::function<QQuickItem*(QQuickItem*)> scrollable = [&](QQuickItem* item) {
        if (item->inherits("QQuickFlickable")) {
            return item;
        }
        for (QQuickItem* child : item->childItems()) {
            if (QQuickItem* found = scrollable(child)) {
                return found;
            }
        }
        return static_cast<QQuickItem*>(nullptr);
    };
    if (QQuickItem* flickable = scrollable(settings->contentItem())) {
        const qreal bottom = flickable->property("contentHeight").toReal() - flickable->height();
        flickable->setProperty("contentY", std::max<qreal>(bottom, 0));
        camera.shoot("settings-lower", settings);
    }
    settings->hide();
    return camera.failed() ? 1 : 0;
}
