#include "updater/AppUpdater.h"

#include "support/LocalHttpServer.h"
#include "support/QtPrinting.h"
#include "support/TempTree.h"
#include "support/UpdateTools.h"
#include "support/ZipArchive.h"

#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>
#include <thread>

namespace sorvale::updater {
namespace {

namespace fs = std::filesystem;
using Kind = UpdateStatus::Kind;
using sorvale::test::contents;

TEST(UpdateVersions, NumbersCompareByPositionAndOtherPiecesAreDropped) {
    EXPECT_TRUE(isNewerVersion("1.10", "1.9"));
    EXPECT_FALSE(isNewerVersion("2.0", "2.0.0"));
    EXPECT_FALSE(isNewerVersion("2.0.0", "2.0"));
    EXPECT_FALSE(isNewerVersion("1.2-beta", "1.1"));
    EXPECT_TRUE(isNewerVersion("1.beta.3", "1.2"));
    EXPECT_TRUE(isNewerVersion("0.0.1", "0.0.0"));
    EXPECT_FALSE(isNewerVersion("1.4", "1.4"));
}

TEST(UpdateFeed, OnlyADocumentWithATextVersionAndAnAbsoluteUrlIsAFeed) {
    QString error;
    const auto full = decodeUpdateInfo(R"({"version": "1.5", "url": "https://x.example/S.zip?a=1",
        "notes": ["one"], "minMacOSVersion": "14.0", "extra": true})",
                                       error);
    ASSERT_TRUE(full);
    EXPECT_EQ(full->notes, QStringList{"one"});
    EXPECT_EQ(full->minMacOSVersion, "14.0");
    for (const char* invalid :
         {R"({"version": "1.5"})", R"({"version": 15, "url": "https://x.example/a.zip"})",
          R"({"version": "1.5", "url": "S.zip"})",
          R"({"version": "1.5", "url": "https://x/a", "notes": "x"})", R"(["1.5"])", "not json"}) {
        error.clear();
        EXPECT_FALSE(decodeUpdateInfo(invalid, error)) << invalid;
        EXPECT_FALSE(error.isEmpty());
    }
}

// An updater at version 1.4, whose feed and archives come from a local server and whose tools
// are scripts under a fixture system root.
class Updater : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("HOME", tree.root().c_str(), 1);
        QSettings().clear();
        sorvale::test::installUpdateTools(root);
        updater = std::make_unique<AppUpdater>(AppUpdater::Configuration{
            server.url("/appcast.json"), "1.4", tree / "root/Applications/Sorvale.app",
            tree / "root", [this] { ++terminations; }});
    }

    void feed(const QByteArray& json, int status = 200) {
        server.serve("/appcast.json", {status, json});
    }
    void archive(const QString& path,
                 const std::vector<std::pair<std::string, std::string>>& files) {
        server.serve(path, {200, QByteArray::fromStdString(sorvale::test::zipBytes(files))});
    }
    // A check that finds version 1.5 on offer.
    void offerVersion(const QString& url = "/Sorvale-1.5.zip") {
        feed(R"({"version": "1.5", "url": ")" + server.url(url).toString().toUtf8() + "\"}");
        check(false);
        ASSERT_EQ(updater->currentStatus().kind, Kind::updateAvailable);
    }
    void check(bool explicitly) {
        QSignalSpy done(updater.get(), &AppUpdater::statusChanged);
        updater->checkForUpdates(explicitly);
        ASSERT_TRUE(done.wait(10'000)) << "the check ended";
    }
    void downloadAndWait() {
        QSignalSpy done(updater.get(), &AppUpdater::statusChanged);
        updater->startDownload();
        while (updater->currentStatus().kind == Kind::downloading) {
            ASSERT_TRUE(done.wait(10'000));
        }
    }
    QString alertText() const {
        const auto& alert = updater->currentAlert();
        return alert ? alert->title + " / " + alert->message : QString("(none)");
    }
    fs::path updates() const {
        return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString() +
               "/Sorvale/Updates";
    }

    sorvale::test::TempTree tree;
    sorvale::test::FixtureTree root{tree / "root"};
    sorvale::test::LocalHttpServer server;
    std::unique_ptr<AppUpdater> updater;
    int terminations = 0;
};

TEST_F(Updater, ANewerVersionIsOfferedWithItsFirstThreeNotes) {
    feed(
        R"({"version": "1.10", "url": "https://x.example/S.zip", "notes": ["a", "b", "c", "d", "e"]})");
    check(false);
    EXPECT_EQ(updater->currentStatus().kind, Kind::updateAvailable);
    EXPECT_EQ(alertText(),
              QString::fromUtf8("Update available / Sorvale 1.10 is ready. Download it "
                                "now?\n\n\u2022 a\n\u2022 b\n\u2022 c"));
    EXPECT_EQ(updater->status().value("version"), "1.10");
    updater->dismissUpdate();
    EXPECT_EQ(alertText(), "(none)");
    EXPECT_EQ(QSettings().value("dismissedUpdateVersion"), "1.10");

    check(false);
    EXPECT_EQ(updater->currentStatus().kind, Kind::upToDate) << "a silent check honours it";
    EXPECT_EQ(alertText(), "(none)");
    check(true);
    EXPECT_EQ(updater->currentStatus().kind, Kind::updateAvailable) << "the menu ignores it";
}

TEST_F(Updater, AnEqualVersionIsUpToDateAndOnlyTheMenuSaysSo) {
    feed(R"({"version": "1.4.0", "url": "https://x.example/S.zip"})");
    check(false);
    EXPECT_EQ(updater->currentStatus().kind, Kind::upToDate);
    EXPECT_EQ(alertText(), "(none)");
    check(true);
    EXPECT_EQ(alertText(), "You're up to date / Sorvale 1.4 is the latest version.");
}

TEST_F(Updater, AFailedCheckIsSilentUnlessTheUserAskedForIt) {
    const QString failed = "Update check failed / Sorvale couldn't reach the update server. Check "
                           "your connection and try again.";
    feed("{}", 404);
    check(false);
    EXPECT_EQ(updater->currentStatus().kind, Kind::failed);
    EXPECT_EQ(updater->currentStatus().message, "The update server returned an invalid response.");
    EXPECT_EQ(alertText(), "(none)");
    feed("{}", 500);
    check(true);
    EXPECT_EQ(alertText(), failed);
    feed(R"({"version": "2.0"})");
    check(true);
    EXPECT_EQ(updater->currentStatus().kind, Kind::failed);
    EXPECT_NE(updater->currentStatus().message, "The update server returned an invalid response.");
    EXPECT_EQ(alertText(), failed);
}

TEST_F(Updater, AVerifiedDownloadIsReadyAndInstallsThroughTheHelperScript) {
    offerVersion("/downloads/Sorvale-1.5.zip?token=abc");
    archive("/downloads/Sorvale-1.5.zip", sorvale::test::verifiedUpdateFiles("1.5"));
    QSignalSpy checkWhileDownloading(updater.get(), &AppUpdater::statusChanged);
    updater->startDownload();
    updater->checkForUpdates(true);
    EXPECT_EQ(updater->currentStatus().kind, Kind::downloading) << "a check waits for the download";
    downloadAndWait();
    ASSERT_EQ(updater->currentStatus().kind, Kind::downloaded) << alertText().toStdString();
    EXPECT_EQ(alertText(),
              "Update ready / Sorvale 1.5 has been downloaded and verified. Install it "
              "now? Sorvale will restart automatically.");
    EXPECT_TRUE(fs::exists(updates() / "Sorvale-1.5.zip"));
    EXPECT_EQ(updater->downloadedAppURL().toLocalFile().toStdString(),
              (updates() / "Extracted/Sorvale.app").native());

    updater->install();
    EXPECT_EQ(updater->currentStatus().kind, Kind::installing);
    EXPECT_EQ(terminations, 1);
    const fs::path script = updates() / "install-update.sh";
    EXPECT_EQ(contents(script).size(), 424U);
    EXPECT_TRUE(contents(script).starts_with("#!/bin/zsh\nset -e\n"));
    EXPECT_TRUE(contents(script).ends_with("/usr/bin/open \"$APP_PATH\""));
    EXPECT_EQ(fs::status(script).permissions(), fs::perms(0755));
    // The installer was started detached; give it a moment to record what it was given.
    for (int wait = 0; wait < 100 && contents(root / "nohup-arguments").empty(); ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    EXPECT_EQ(contents(root / "nohup-arguments"),
              (tree / "root/bin/zsh").native() + " " + script.native() + " " +
                  (tree / "root/Applications/Sorvale.app").native() + " " +
                  (updates() / "Extracted/Sorvale.app").native() + " " +
                  std::to_string(::getpid()) + "\n");
}

TEST_F(Updater, EveryFailedVerificationEndsTheDownloadWithItsReason) {
    const QString prefix = "Download failed / The downloaded update failed verification: ";
    const auto attempt = [&](std::vector<std::pair<std::string, std::string>> files) {
        offerVersion();
        archive("/Sorvale-1.5.zip", files);
        downloadAndWait();
        EXPECT_EQ(updater->currentStatus().kind, Kind::failed);
        return alertText();
    };
    EXPECT_EQ(
        attempt({{"Other.app/Contents/Info.plist", sorvale::test::infoPlistOfVersion("1.5")}}),
        prefix + "Sorvale.app was not found in the downloaded archive.");
    EXPECT_EQ(
        attempt({{"Sorvale.app/Contents/Info.plist", sorvale::test::infoPlistOfVersion("1.5.0")},
                 {"Sorvale.app/team", "TeamIdentifier=TEAM1\n"}}),
        prefix + "version mismatch (1.5.0 instead of 1.5).");
    EXPECT_EQ(
        attempt({{"Sorvale.app/Contents/Info.plist", sorvale::test::infoPlistOfVersion("1.5")},
                 {"Sorvale.app/team", "TeamIdentifier=OTHER\n"}}),
        prefix + "the update isn't signed by the same developer.");
    EXPECT_EQ(
        attempt({{"Sorvale.app/Contents/Info.plist", sorvale::test::infoPlistOfVersion("1.5")}}),
        prefix + "the update isn't signed by the same developer.");
    root.file("codesign-fails");
    EXPECT_EQ(
        attempt({{"Sorvale.app/Contents/Info.plist", sorvale::test::infoPlistOfVersion("1.5")}}),
        prefix + "a sealed resource is missing");
    fs::remove(tree / "root/usr/bin/ditto");
    EXPECT_TRUE(
        attempt({}).startsWith("Download failed / Could not start " +
                               QString::fromStdString((tree / "root/usr/bin/ditto").native())));
}

TEST_F(Updater, ArchiveNamesThatLeaveTheUpdatesFolderAreRefusedBeforeAnythingIsWritten) {
    tree.file("home-marker");
    for (const char* hostile : {"/", "/x/..", "/x/%2E%2E", "/%2E", "/a%2F..%2F..%2Fhome-marker"}) {
        server.serve(QUrl(hostile).path(), {200, "payload"});
        offerVersion(hostile);
        downloadAndWait();
        EXPECT_EQ(alertText(), "Download failed / The update server returned an invalid response.")
            << hostile;
    }
    EXPECT_EQ(contents(tree / "home-marker"), "");
    EXPECT_FALSE(fs::exists(updates().parent_path() / "Updates.zip"));
}

TEST_F(Updater, OnlyACopyInApplicationsReplacesItself) {
    offerVersion();
    archive("/Sorvale-1.5.zip", sorvale::test::verifiedUpdateFiles("1.5"));
    std::ofstream(tree.file("root/Users/me/Applications/Sorvale.app/team"))
        << "TeamIdentifier=TEAM1\n";
    updater = std::make_unique<AppUpdater>(AppUpdater::Configuration{
        server.url("/appcast.json"), "1.4", tree / "root/Users/me/Applications/Sorvale.app",
        tree / "root", [this] { ++terminations; }});
    offerVersion();
    downloadAndWait();
    ASSERT_EQ(updater->currentStatus().kind, Kind::downloaded) << alertText().toStdString();
    updater->install();
    EXPECT_EQ(updater->currentStatus().message,
              "Sorvale isn't installed in /Applications, so it can't replace itself.");
    EXPECT_EQ(alertText(), "Can't install update / This copy of Sorvale isn't in your Applications "
                           "folder, so it can't update in place. Download the latest version from "
                           "the Sorvale website instead.");
    EXPECT_EQ(terminations, 0);
    EXPECT_FALSE(fs::exists(root / "nohup-arguments"));
}

} // namespace
} // namespace sorvale::updater
