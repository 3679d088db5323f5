// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "updater/AppUpdater.h"

#include "support/LocalHttpServer.h"
#include "support/QtPrinting.h"
#include "support/TempTree.h"
#include "support/UpdateTools.h"
#include "support/ZipArchive.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sys/stat.h>
#include <thread>

namespace sorvale::updater {
namespace {

namespace fs = std::filesystem;
using Kind = UpdateStatus::Kind;
using sorvale::test::contents;
using sorvale::test::LocalHttpServer;
using Response = LocalHttpServer::Response;
using sorvale::test::ZipEntry;
using Files = std::vector<std::pair<std::string, std::string>>;

TEST(UpdateVersions, NumbersCompareByPositionAndOtherPiecesAreDropped) {
    EXPECT_TRUE(isNewerVersion("1.10", "1.9"));
    EXPECT_FALSE(isNewerVersion("2.0", "2.0.0"));
    EXPECT_FALSE(isNewerVersion("2.0.0", "2.0"));
    EXPECT_FALSE(isNewerVersion("1.2-beta", "1.1"));
    EXPECT_TRUE(isNewerVersion("1.beta.3", "1.2"));
    EXPECT_TRUE(isNewerVersion("0.0.1", "0.0.0"));
    EXPECT_FALSE(isNewerVersion("1.4", "1.4"));
}

TEST(UpdateFeed, OnlyADocumentWithATextVersionAndAWebAddressIsAFeed) {
    QString error;
    const auto full = decodeUpdateInfo(R"({"version": "1.5", "url": "https://x.example/S.zip?a=1",
        "notes": ["one"], "minMacOSVersion": "14.0", "extra": true})",
                                       error);
    ASSERT_TRUE(full);
    EXPECT_EQ(full->notes, QStringList{"one"});
    EXPECT_EQ(full->minMacOSVersion, "14.0");
    for (
        const char* invalid :
        {R"({"version": "1.5"})", R"({"version": 15, "url": "https://x.example/a.zip"})",
         R"({"version": "1.5", "url": "S.zip"})",
         R"({"version": "1.5", "url": "https://x/a", "notes": "x"})", R"(["1.5"])", "not json",
         R"({"version": "1.5", "url": "file:///tmp/S.zip"})",
         R"({"version": "1.5", "url": "ftp://x.example/S.zip"})",
         R"({"version": "1.5", "url": "data:application/zip;base64,UEsFBgAAAAAAAAAAAAAAAAAAAAAAAA=="})"}) {
        error.clear();
        EXPECT_FALSE(decodeUpdateInfo(invalid, error)) << invalid;
        EXPECT_FALSE(error.isEmpty());
    }
}

// Everything below `top` but the `skipped` folders: each entry's type, permissions, size and
// time, and a file's contents or a link's target.
std::map<std::string, std::string> snapshot(const fs::path& top,
                                            const std::vector<fs::path>& skipped) {
    std::map<std::string, std::string> entries;
    for (auto entry = fs::recursive_directory_iterator(top);
         entry != fs::recursive_directory_iterator(); ++entry) {
        if (std::find(skipped.begin(), skipped.end(), entry->path()) != skipped.end()) {
            entry.disable_recursion_pending();
            continue;
        }
        struct stat status {};
        ::lstat(entry->path().c_str(), &status);
        std::string description =
            std::to_string(status.st_mode) + " " + std::to_string(status.st_size) + " " +
            std::to_string(status.st_mtim.tv_sec) + "." + std::to_string(status.st_mtim.tv_nsec);
        if (S_ISLNK(status.st_mode)) {
            description += " -> " + fs::read_symlink(entry->path()).native();
        } else if (S_ISREG(status.st_mode)) {
            description += " " + contents(entry->path());
        }
        entries[entry->path().lexically_relative(top).native()] = description;
    }
    return entries;
}

// The paths whose entries differ between two snapshots.
std::vector<std::string> changes(const std::map<std::string, std::string>& before,
                                 const std::map<std::string, std::string>& after) {
    std::vector<std::string> changed;
    for (const auto& [path, description] : before) {
        const auto found = after.find(path);
        if (found == after.end() || found->second != description) {
            changed.push_back(path);
        }
    }
    for (const auto& [path, description] : after) {
        if (!before.contains(path)) {
            changed.push_back(path);
        }
    }
    return changed;
}

// An updater at version 1.4 whose feed and archives come from a local server, whose tools are
// scripts under a fixture system root, and whose folders all lie in the temporary tree.
class Updater : public ::testing::Test {
protected:
    void SetUp() override {
        sorvale::test::installUpdateTools(root);
        tree.folder("updater/Updates");
        tree.folder("updater/tmp");
        std::ofstream(tree.file("outside/secret")) << "kept";
        updater = std::make_unique<AppUpdater>(configuration());
    }

    AppUpdater::Configuration configuration(fs::path bundle = {}) {
        return {.feedURL = server.url("/appcast.json"),
                .currentVersion = "1.4",
                .applicationBundle =
                    bundle.empty() ? tree / "root/Applications/Sorvale.app" : bundle,
                .systemRoot = tree / "root",
                .updatesFolder = updates(),
                .temporaryFolder = temporary(),
                .preferencesFile = tree / "updater/preferences.conf",
                .websiteURL = QUrl("https://sorvale.example/"),
                .terminate = [this] { ++terminations; },
                .openURL = [this](const QUrl& url) { opened.append(url); },
                .toolTimeLimit = std::chrono::seconds(20)};
    }
    void replaceUpdater(AppUpdater::Configuration changed) {
        updater.reset();
        updater = std::make_unique<AppUpdater>(std::move(changed));
    }

    void feed(const QByteArray& json, int status = 200) {
        server.serve("/appcast.json", {status, json});
    }
    void archive(const QString& path, const Files& files) {
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
        while (updater->currentStatus().kind == Kind::checking) {
            ASSERT_TRUE(done.wait(10'000)) << "the check ended";
        }
    }
    void downloadAndWait() {
        QSignalSpy done(updater.get(), &AppUpdater::statusChanged);
        updater->startDownload();
        while (updater->currentStatus().kind == Kind::downloading) {
            ASSERT_TRUE(done.wait(30'000)) << "the download ended";
        }
    }
    // Offers 1.5 with an archive of these bytes and downloads it; the alert that follows.
    QString downloadArchive(const std::string& bytes) {
        server.serve("/Sorvale-1.5.zip", {200, QByteArray::fromStdString(bytes)});
        offerVersion();
        downloadAndWait();
        return alertText();
    }
    QString alertText() const {
        const auto& alert = updater->currentAlert();
        return alert ? alert->title + " / " + alert->message : QString("(none)");
    }
    fs::path updates() const { return tree / "updater/Updates"; }
    fs::path temporary() const { return tree / "updater/tmp"; }
    std::map<std::string, std::string> outsideTheUpdatersFolders() const {
        return snapshot(tree.root(), {updates(), temporary()});
    }
    // What changed outside the updater's folders since `before`.
    std::vector<std::string> changedSince(const std::map<std::string, std::string>& before) const {
        return changes(before, outsideTheUpdatersFolders());
    }
    bool isEmptyFolder(const fs::path& folder) const {
        return fs::is_directory(folder) && fs::is_empty(folder);
    }

    sorvale::test::TempTree tree;
    sorvale::test::FixtureTree root{tree / "root"};
    sorvale::test::LocalHttpServer server;
    std::unique_ptr<AppUpdater> updater;
    int terminations = 0;
    QList<QUrl> opened;
};

const QString kVerificationFailed = "Download failed / The downloaded update failed verification: ";
const QString kCheckFailed = "Update check failed / Sorvale couldn't reach the update server. "
                             "Check your connection and try again.";

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
    EXPECT_EQ(QSettings(QString::fromStdString((tree / "updater/preferences.conf").native()),
                        QSettings::NativeFormat)
                  .value("dismissedUpdateVersion"),
              "1.10")
        << "kept where the configuration says";

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
    feed("{}", 404);
    check(false);
    EXPECT_EQ(updater->currentStatus().kind, Kind::failed);
    EXPECT_EQ(updater->currentStatus().message, "The update server returned an invalid response.");
    EXPECT_EQ(alertText(), "(none)");
    feed("{}", 500);
    check(true);
    EXPECT_EQ(alertText(), kCheckFailed);
    feed(R"({"version": "2.0"})");
    check(true);
    EXPECT_EQ(updater->currentStatus().kind, Kind::failed);
    EXPECT_NE(updater->currentStatus().message, "The update server returned an invalid response.");
    EXPECT_EQ(alertText(), kCheckFailed);
}

TEST_F(Updater, AFeedCutShortStalledOrSentOffTheWebFailsTheCheck) {
    const QByteArray valid = R"({"version": "1.5", "url": ")" +
                             server.url("/Sorvale-1.5.zip").toString().toUtf8() + "\"}";
    const auto failedCheckOf = [&](Response response) {
        server.serve("/appcast.json", std::move(response));
        check(true);
        EXPECT_EQ(updater->currentStatus().kind, Kind::failed);
        EXPECT_EQ(alertText(), kCheckFailed);
        return updater->currentStatus().message;
    };
    // The whole document would offer 1.5; every piece of it is what a cut-short transfer delivers.
    EXPECT_FALSE(failedCheckOf(Response::cutShort(valid.left(20), valid.size())).isEmpty());
    std::ofstream(tree.file("feed.json")) << valid.toStdString();
    const QByteArray localFeed =
        QUrl::fromLocalFile(QString::fromStdString((tree / "feed.json").native())).toEncoded();
    EXPECT_EQ(failedCheckOf(Response::redirect(localFeed)),
              "The update server returned an invalid response.");
    EXPECT_EQ(
        failedCheckOf(Response::redirect("data:application/json," + valid.toPercentEncoding())),
        "The update server returned an invalid response.");

    server.serve("/moved.json", {200, valid});
    server.serve("/appcast.json", Response::redirect(server.url("/moved.json").toEncoded()));
    check(true);
    EXPECT_EQ(updater->currentStatus().kind, Kind::updateAvailable) << "a web redirect is followed";

    auto local = configuration();
    local.feedURL = QUrl::fromLocalFile(QString::fromStdString((tree / "feed.json").native()));
    replaceUpdater(local);
    check(true);
    EXPECT_EQ(updater->currentStatus().message, "The update server returned an invalid response.");

    auto impatient = configuration();
    impatient.stallLimit = std::chrono::milliseconds(300);
    replaceUpdater(impatient);
    EXPECT_EQ(failedCheckOf(Response::silentAfter(valid, 0)), "The request timed out.");
    EXPECT_EQ(failedCheckOf(Response::silentAfter(valid, 60)), "The request timed out.");
    feed(valid);
    check(false);
    EXPECT_EQ(updater->currentStatus().kind, Kind::updateAvailable) << "the next check runs";
}

TEST_F(Updater, ADownloadCutShortStalledOrSentOffTheWebFailsAndLeavesNothingBehind) {
    const auto archiveBytes = QByteArray::fromStdString(
        sorvale::test::zipBytes(sorvale::test::verifiedUpdateFiles("1.5")));
    std::ofstream(tree.file("local/Sorvale-1.5.zip"), std::ios::binary)
        << archiveBytes.toStdString();
    auto impatient = configuration();
    impatient.stallLimit = std::chrono::milliseconds(300);
    replaceUpdater(impatient);
    const auto before = outsideTheUpdatersFolders();
    const auto failedDownloadOf = [&](Response response) {
        server.serve("/Sorvale-1.5.zip", std::move(response));
        offerVersion();
        downloadAndWait();
        EXPECT_EQ(updater->currentStatus().kind, Kind::failed);
        EXPECT_TRUE(isEmptyFolder(temporary()));
        EXPECT_TRUE(isEmptyFolder(updates())) << "nothing was unpacked or kept";
        EXPECT_EQ(terminations, 0);
        return alertText();
    };
    // The server announces 4,180 bytes, sends 84 and closes.
    const QString cutShort = failedDownloadOf(Response::cutShort(archiveBytes.left(84), 4180));
    EXPECT_TRUE(cutShort.startsWith("Download failed / ")) << cutShort.toStdString();
    const QByteArray localArchive =
        QUrl::fromLocalFile(QString::fromStdString((tree / "local/Sorvale-1.5.zip").native()))
            .toEncoded();
    EXPECT_EQ(failedDownloadOf(Response::redirect(localArchive)),
              "Download failed / The update server returned an invalid response.");
    EXPECT_EQ(failedDownloadOf(
                  Response::redirect("data:application/zip;base64," + archiveBytes.toBase64())),
              "Download failed / The update server returned an invalid response.");

    server.serve("/Sorvale-1.5.zip", Response::silentAfter(archiveBytes, 200));
    offerVersion();
    updater->startDownload();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !fs::is_empty(temporary()); }, 10'000))
        << "the transfer is received into the temporary folder";
    downloadAndWait();
    EXPECT_EQ(alertText(), "Download failed / The request timed out.");
    EXPECT_TRUE(isEmptyFolder(temporary()));
    EXPECT_EQ(changedSince(before), std::vector<std::string>{});

    server.serve("/elsewhere/Sorvale-1.5.zip", {200, archiveBytes});
    server.serve("/Sorvale-1.5.zip",
                 Response::redirect(server.url("/elsewhere/Sorvale-1.5.zip").toEncoded()));
    offerVersion();
    downloadAndWait();
    EXPECT_EQ(updater->currentStatus().kind, Kind::downloaded) << alertText().toStdString();
}

TEST_F(Updater, AVerifiedDownloadIsReadyAndInstallsThroughTheHelperScript) {
    offerVersion("/downloads/Sorvale-1.5.zip?token=abc");
    archive("/downloads/Sorvale-1.5.zip", sorvale::test::verifiedUpdateFiles("1.5"));
    updater->startDownload();
    updater->checkForUpdates(true);
    EXPECT_EQ(updater->currentStatus().kind, Kind::downloading) << "a check waits for the download";
    downloadAndWait();
    ASSERT_EQ(updater->currentStatus().kind, Kind::downloaded) << alertText().toStdString();
    EXPECT_EQ(alertText(),
              "Update ready / Sorvale 1.5 has been downloaded and verified. Install it "
              "now? Sorvale will restart automatically.");
    EXPECT_TRUE(fs::exists(updates() / "Sorvale-1.5.zip"));
    EXPECT_TRUE(isEmptyFolder(temporary()));
    EXPECT_EQ(updater->downloadedAppURL().toLocalFile().toStdString(),
              (updates() / "Extracted/Sorvale.app").native());

    updater->install();
    EXPECT_EQ(updater->currentStatus().kind, Kind::installing);
    EXPECT_EQ(terminations, 1);
    const fs::path script = updates() / "install-update.sh";
    EXPECT_TRUE(contents(script).starts_with("#!/bin/zsh\n"));
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
    const auto attempt = [&](const Files& files) {
        offerVersion();
        archive("/Sorvale-1.5.zip", files);
        downloadAndWait();
        EXPECT_EQ(updater->currentStatus().kind, Kind::failed);
        return alertText();
    };
    const std::string plist = sorvale::test::infoPlistOfVersion("1.5");
    EXPECT_EQ(attempt({{"Other.app/Contents/Info.plist", plist}}),
              kVerificationFailed + "Sorvale.app was not found in the downloaded archive.");
    EXPECT_EQ(attempt({{"Sorvale.app", "a file, not a bundle"}}),
              kVerificationFailed + "Sorvale.app was not found in the downloaded archive.");
    EXPECT_EQ(
        attempt({{"Sorvale.app/Contents/Info.plist", sorvale::test::infoPlistOfVersion("1.5.0")},
                 {"Sorvale.app/team", "TeamIdentifier=TEAM1\n"}}),
        kVerificationFailed + "version mismatch (1.5.0 instead of 1.5).");
    const QString otherDeveloper = kVerificationFailed + "the update isn't signed by the same "
                                                         "developer.";
    EXPECT_EQ(attempt({{"Sorvale.app/Contents/Info.plist", plist},
                       {"Sorvale.app/team", "TeamIdentifier=OTHER\n"}}),
              otherDeveloper);
    EXPECT_EQ(attempt({{"Sorvale.app/Contents/Info.plist", plist}}), otherDeveloper);
    // Unsigned and ad-hoc signed copies have no team: two of them are not the same developer.
    for (const char* unsigned_ : {"TeamIdentifier=not set\n", "TeamIdentifier=\n"}) {
        std::ofstream(root / "Applications/Sorvale.app/team") << unsigned_;
        EXPECT_EQ(
            attempt({{"Sorvale.app/Contents/Info.plist", plist}, {"Sorvale.app/team", unsigned_}}),
            otherDeveloper)
            << unsigned_;
    }
    std::ofstream(root / "Applications/Sorvale.app/team") << "TeamIdentifier=TEAM1\n";
    root.file("codesign-fails");
    EXPECT_EQ(attempt({{"Sorvale.app/Contents/Info.plist", plist}}),
              kVerificationFailed + "a sealed resource is missing");
    fs::permissions(tree / "root/usr/bin/ditto", fs::perms(0644));
    // Once it is not runnable, the system cannot verify: nothing is downloaded at all.
    offerVersion();
    updater->startDownload();
    EXPECT_EQ(updater->currentStatus().kind, Kind::updateAvailable);
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
    EXPECT_TRUE(isEmptyFolder(temporary()));
}

TEST_F(Updater, AHostileArchiveIsRefusedBeforeAnythingIsUnpacked) {
    const std::string plist = sorvale::test::infoPlistOfVersion("1.5");
    const std::string outside = (tree / "outside").native();
    // A ZIP archive of a bundle that verifies, with the `extra` entries.
    const auto bundle = [&](std::vector<ZipEntry> extra) {
        std::vector<ZipEntry> entries{
            {ZipEntry::Type::file, "Sorvale.app/Contents/Info.plist", plist},
            {ZipEntry::Type::file, "Sorvale.app/team", "TeamIdentifier=TEAM1\n"}};
        entries.insert(entries.end(), extra.begin(), extra.end());
        return sorvale::test::zipBytes(entries);
    };
    // The same archive, but its central directory names `listed` where the entry says `name`.
    const auto misnamed = [&](const std::string& name, const std::string& listed) {
        std::string bytes = bundle({{ZipEntry::Type::file, name, "x"}});
        return bytes.replace(bytes.rfind(name), name.size(), listed);
    };
    using enum ZipEntry::Type;
    const std::vector<std::pair<std::string, QString>> hostile{
        {bundle({{file, "../../../escape", "x"}}),
         "the archive entry \"../../../escape\" would be written outside the update's folder."},
        {bundle({{file, "Sorvale.app/..\\..\\..\\..\\escape", "x"}}),
         "the archive entry \"Sorvale.app/..\\..\\..\\..\\escape\" would be written outside the "
         "update's folder."},
        {bundle({{file, outside + "/abs", "x"}}),
         "the archive entry \"" + QString::fromStdString(outside) +
             "/abs\" would be written outside the update's folder."},
        {bundle({{link, "Sorvale.app/Resources", outside}, {file, "Sorvale.app/Resources/x", "x"}}),
         "the archive link \"Sorvale.app/Resources\" points outside the update's folder."},
        {bundle({{link, "Sorvale.app/Resources", "../../../../outside"},
                 {file, "Sorvale.app/Resources/x", "x"}}),
         "the archive link \"Sorvale.app/Resources\" points outside the update's folder."},
        // Each link alone stays inside; followed one through the other, "up" leaves the folder.
        {bundle({{link, "Sorvale.app/x/e", ".."}, {link, "Sorvale.app/up", "x/e/../.."}}),
         "the archive link \"Sorvale.app/up\" points outside the update's folder."},
        // A file system that ignores case, as macOS's does by default, takes "X/E" for "x/e".
        {bundle({{link, "Sorvale.app/x/e", ".."}, {link, "Sorvale.app/up", "X/E/../.."}}),
         "the archive link \"Sorvale.app/up\" points outside the update's folder."},
        {bundle(
             {{link, "Sorvale.app/Resources", "Contents"}, {file, "Sorvale.app/Resources/x", "x"}}),
         "the archive entry \"Sorvale.app/Resources/x\" would be written through a link."},
        {bundle({{file, "Sorvale.app/Resources", "x"}, {link, "Sorvale.app/Resources", outside}}),
         "the archive holds \"Sorvale.app/Resources\" more than once."},
        {bundle({{characterDevice, "Sorvale.app/null", ""}}),
         "the archive entry \"Sorvale.app/null\" is not a file, folder or link."},
        {bundle({{blockDevice, "Sorvale.app/disk", ""}}),
         "the archive entry \"Sorvale.app/disk\" is not a file, folder or link."},
        {sorvale::test::zipBytes({{file, "Other.app/Contents/Info.plist", plist},
                                  {file, "Other.app/team", "TeamIdentifier=TEAM1\n"},
                                  {link, "Sorvale.app", "Other.app"}}),
         "Sorvale.app in the downloaded archive is a link."},
        // What libarchive reads is named by the entries; another tool may go by the directory.
        {misnamed("Sorvale.app/aaa", "../../../escape"),
         "the archive entry \"../../../escape\" would be written outside the update's folder."},
        {misnamed("Sorvale.app/aaa", "Sorvale.app/bbb"),
         "the archive's central directory names \"Sorvale.app/bbb\", which none of its entries "
         "is."},
    };
    for (const auto& [bytes, reason] : hostile) {
        replaceUpdater(configuration());
        // What an earlier download left unpacked stays as it was: nothing was unpacked.
        std::ofstream(tree.file("updater/Updates/Extracted/earlier")) << "earlier";
        const auto before = outsideTheUpdatersFolders();
        EXPECT_EQ(downloadArchive(bytes), kVerificationFailed + reason);
        EXPECT_EQ(changedSince(before), std::vector<std::string>{}) << reason.toStdString();
        EXPECT_EQ(snapshot(updates() / "Extracted", {}).size(), 1U) << reason.toStdString();
        EXPECT_EQ(contents(updates() / "Extracted/earlier"), "earlier");
    }
}

TEST_F(Updater, WhatTheUnpackingToolMadeIsCheckedAgainAndRemovedWhenItReachesOutside) {
    const std::string outside = "'" + (tree / "outside").native() + "'";
    const std::vector<std::pair<std::string, QString>> misdeeds{
        {"ln -s " + outside + " \"$1/Sorvale.app/Resources\"",
         "the archive link \"Sorvale.app/Resources\" points outside the update's folder."},
        {"ln -s ../Sorvale.app/../.. \"$1/Sorvale.app/up\"",
         "the archive link \"Sorvale.app/up\" points outside the update's folder."},
        {"ln " + outside + "/secret \"$1/Sorvale.app/shared\"",
         "the archive link \"Sorvale.app/shared\" points outside the update's folder."},
        {"mkfifo \"$1/Sorvale.app/pipe\"",
         "the archive entry \"Sorvale.app/pipe\" is not a file, folder or link."},
        {"mv \"$1/Sorvale.app\" \"$1/Other.app\" && ln -s Other.app \"$1/Sorvale.app\"",
         "Sorvale.app in the downloaded archive is a link."},
    };
    for (const auto& [misdeed, reason] : misdeeds) {
        replaceUpdater(configuration());
        std::ofstream(root / "ditto-also") << misdeed << "\n";
        const auto before = outsideTheUpdatersFolders();
        EXPECT_EQ(
            downloadArchive(sorvale::test::zipBytes(sorvale::test::verifiedUpdateFiles("1.5"))),
            kVerificationFailed + reason);
        EXPECT_FALSE(fs::exists(fs::symlink_status(updates() / "Extracted")))
            << reason.toStdString();
        EXPECT_EQ(changedSince(before), std::vector<std::string>{}) << reason.toStdString();
        EXPECT_EQ(fs::hard_link_count(tree / "outside/secret"), 1U);
    }
}

TEST_F(Updater, ToolsRunOffTheMainThreadAndAHungToolEndsTheDownload) {
    archive("/Sorvale-1.5.zip", sorvale::test::verifiedUpdateFiles("1.5"));
    root.file("codesign-waits");
    offerVersion();
    updater->startDownload();
    // codesign waits for a file that only this thread's event loop writes.
    ASSERT_TRUE(QTest::qWaitFor([&] { return fs::exists(root / "codesign-started"); }, 20'000));
    EXPECT_EQ(updater->currentStatus().kind, Kind::downloading);
    root.file("codesign-proceed");
    downloadAndWait();
    EXPECT_EQ(updater->currentStatus().kind, Kind::downloaded) << alertText().toStdString();

    // An updater that goes away while codesign waits ends it and waits for nothing.
    fs::remove(root / "codesign-started");
    fs::remove(root / "codesign-proceed");
    replaceUpdater(configuration());
    offerVersion();
    updater->startDownload();
    ASSERT_TRUE(QTest::qWaitFor([&] { return fs::exists(root / "codesign-started"); }, 20'000));
    updater.reset();
    fs::remove(root / "codesign-waits");

    auto impatient = configuration();
    impatient.toolTimeLimit = std::chrono::milliseconds(500);
    replaceUpdater(impatient);
    root.file("codesign-hangs");
    offerVersion();
    downloadAndWait();
    EXPECT_EQ(alertText(), kVerificationFailed + "codesign did not finish in time.");
}

TEST_F(Updater, AMissingHelperToolFailsTheInstallAndTheApplicationKeepsRunning) {
    archive("/Sorvale-1.5.zip", sorvale::test::verifiedUpdateFiles("1.5"));
    const auto installWithout = [&](const std::string& tool, bool remove) {
        offerVersion();
        downloadAndWait();
        EXPECT_EQ(updater->currentStatus().kind, Kind::downloaded);
        const fs::path path = root / tool;
        const std::string kept = contents(path);
        if (remove) {
            fs::remove(path);
        } else {
            fs::permissions(path, fs::perms(0644));
        }
        updater->install();
        root.script(tool, kept.substr(kept.find('\n') + 1));
        return alertText();
    };
    for (const char* tool : {"bin/zsh", "usr/bin/nohup", "usr/bin/ditto", "usr/bin/open"}) {
        for (const bool remove : {true, false}) {
            EXPECT_EQ(installWithout(tool, remove),
                      "Install failed / Sorvale couldn't start the installer: " +
                          QString::fromStdString((root / tool).native()) +
                          " is missing or cannot be run.")
                << tool;
            EXPECT_EQ(updater->currentStatus().kind, Kind::failed);
        }
    }
    EXPECT_EQ(terminations, 0);
    EXPECT_FALSE(fs::exists(root / "nohup-arguments"));
    EXPECT_FALSE(fs::exists(updates() / "install-update.sh"));
}

TEST_F(Updater, WithoutTheVerificationToolsTheWebsiteOffersTheUpdate) {
    fs::remove(root / "usr/bin/ditto");
    fs::remove(root / "usr/bin/codesign");
    fs::remove(root / "usr/sbin/spctl");
    archive("/Sorvale-1.5.zip", sorvale::test::verifiedUpdateFiles("1.5"));
    feed(R"({"version": "1.5", "url": ")" + server.url("/Sorvale-1.5.zip").toString().toUtf8() +
         R"(", "notes": ["Faster scans", "Fixes"]})");
    check(false);
    EXPECT_EQ(updater->currentStatus().kind, Kind::updateAvailable);
    EXPECT_EQ(updater->alert().value("kind"), "updateOnWebsite");
    EXPECT_EQ(alertText(),
              QString::fromUtf8("Update available / Sorvale 1.5 is available on the Sorvale "
                                "website.\n\n\u2022 Faster scans\n\u2022 Fixes"));
    updater->startDownload();
    EXPECT_EQ(updater->currentStatus().kind, Kind::updateAvailable);
    updater->openWebsite();
    EXPECT_EQ(opened, QList<QUrl>{QUrl("https://sorvale.example/")});
    EXPECT_EQ(alertText(), "(none)");
    EXPECT_EQ(updater->currentStatus().kind, Kind::updateAvailable);
    QTest::qWait(100);
    EXPECT_FALSE(server.requests().contains("/Sorvale-1.5.zip")) << "nothing was downloaded";
    EXPECT_TRUE(isEmptyFolder(updates()));
    EXPECT_TRUE(isEmptyFolder(temporary()));
}

TEST_F(Updater, UpdatesFolderThatCannotBeMadeFailsTheDownloadAndDropsTheTransfer) {
    std::ofstream(tree.file("blocked")) << "a file where a folder would be";
    auto blocked = configuration();
    blocked.updatesFolder = tree / "blocked/Sorvale/Updates";
    replaceUpdater(blocked);
    archive("/Sorvale-1.5.zip", sorvale::test::verifiedUpdateFiles("1.5"));
    offerVersion();
    downloadAndWait();
    EXPECT_EQ(alertText(), "Download failed / The folder " +
                               QString::fromStdString((tree / "blocked/Sorvale/Updates").native()) +
                               " could not be created.");
    EXPECT_TRUE(isEmptyFolder(temporary()));

    auto nested = configuration();
    nested.updatesFolder = tree / "second/Application Support/Sorvale/Updates";
    nested.temporaryFolder = tree / "second/tmp";
    replaceUpdater(nested);
    offerVersion();
    downloadAndWait();
    EXPECT_EQ(updater->currentStatus().kind, Kind::downloaded) << alertText().toStdString();
    EXPECT_TRUE(fs::exists(tree / "second/Application Support/Sorvale/Updates/Sorvale-1.5.zip"));
}

TEST_F(Updater, OnlyACopyInApplicationsReplacesItself) {
    archive("/Sorvale-1.5.zip", sorvale::test::verifiedUpdateFiles("1.5"));
    std::ofstream(tree.file("root/Users/me/Applications/Sorvale.app/team"))
        << "TeamIdentifier=TEAM1\n";
    replaceUpdater(configuration(tree / "root/Users/me/Applications/Sorvale.app"));
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
