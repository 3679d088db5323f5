// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "Transfer.h"
#include "UpdateInfo.h"
#include "UpdateVerification.h"

#include <QFutureWatcher>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <QVariantMap>

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>

namespace sorvale::updater {

// Keeps Sorvale up to date: reads the feed, offers a newer version, downloads and verifies it,
// and replaces the running application through a helper script that outlives it. Lives on the
// main thread; transfers wait on the network and verification runs on a worker thread, so the
// window never waits for either. Every failure ends in the `failed` status, with an alert where
// the user should hear of it, and writes nothing outside the updates and temporary folders.
//
// A system without the verification tools (ditto, codesign, spctl under the system root) never
// downloads: a newer version is announced with an `updateOnWebsite` alert, whose action opens
// the website.
//
// QML sees the status as {kind, version, url, notes, minMacOSVersion, message} and the alert as
// {id, kind, title, message}, an empty map when there is none.
class AppUpdater : public QObject {
    Q_OBJECT
    Q_PROPERTY(QVariantMap status READ status NOTIFY statusChanged)
    Q_PROPERTY(QUrl downloadedAppURL READ downloadedAppURL NOTIFY downloadedAppURLChanged)
    Q_PROPERTY(QVariantMap alert READ alert NOTIFY alertChanged)
    Q_PROPERTY(QString currentVersion READ currentVersion CONSTANT)

public:
    struct Configuration {
        QUrl feedURL;
        QString currentVersion;
        // The running application's bundle.
        std::filesystem::path applicationBundle;
        // ditto, codesign, spctl, nohup, zsh and the helper's other tools, and the Applications
        // folder, lie under it.
        std::filesystem::path systemRoot = "/";
        // "Sorvale/Updates" in the user's Application Support folder: the archive, the folder it
        // is unpacked into and the helper script. Made with its parents when missing.
        std::filesystem::path updatesFolder;
        // Where an archive is received until it is complete.
        std::filesystem::path temporaryFolder;
        // The user-defaults file that keeps the version the user declined.
        std::filesystem::path preferencesFile;
        // Where a system that cannot verify an update sends the user for it.
        QUrl websiteURL{};
        // Asks the application to quit normally once the installer runs.
        std::function<void()> terminate{};
        // Shows a web page in the user's browser.
        std::function<void(const QUrl&)> openURL{};
        // A transfer that receives nothing for this long fails.
        std::chrono::milliseconds stallLimit = std::chrono::seconds(60);
        // A verification tool still running after this long is ended, and the update fails.
        std::chrono::milliseconds toolTimeLimit = std::chrono::minutes(5);
    };

    // The configuration of this build: its feed and website, its version, its own bundle and the
    // user's folders. Opening a web page needs the application's windowing layer, which sets it.
    [[nodiscard]] static Configuration defaultConfiguration();

    explicit AppUpdater(Configuration configuration, QObject* parent = nullptr);
    // Ends a running verification first: its tools are stopped.
    ~AppUpdater() override;
    AppUpdater(const AppUpdater&) = delete;
    AppUpdater& operator=(const AppUpdater&) = delete;

    [[nodiscard]] const UpdateStatus& currentStatus() const { return status_; }
    [[nodiscard]] const std::optional<UpdateAlert>& currentAlert() const { return alert_; }

    [[nodiscard]] QVariantMap status() const;
    [[nodiscard]] QUrl downloadedAppURL() const { return downloadedAppURL_; }
    [[nodiscard]] QVariantMap alert() const;
    [[nodiscard]] QString currentVersion() const { return configuration_.currentVersion; }
    // Whether ditto, codesign and spctl can be run, so that an update can be verified here.
    [[nodiscard]] bool canVerifyUpdates() const;

    Q_INVOKABLE void checkForUpdates(bool showUpToDateMessage);
    Q_INVOKABLE void dismissUpdate();
    Q_INVOKABLE void startDownload();
    Q_INVOKABLE void install();
    // Opens the website, where a system that cannot verify an update gets it; clears the alert.
    Q_INVOKABLE void openWebsite();
    // The interface clears the alert once the user has answered it.
    Q_INVOKABLE void clearAlert();

signals:
    void statusChanged();
    void downloadedAppURLChanged();
    void alertChanged();

private:
    void setStatus(UpdateStatus status);
    void setAlert(std::optional<UpdateAlert> alert);
    void setDownloadedApp(std::optional<std::filesystem::path> bundle);
    void showAlert(UpdateAlert::Kind kind, QString title, QString message);
    // Ends a download or an install: the status fails with `description`, an error alert says
    // `message` under `title`.
    void fail(QString title, const QString& description, QString message);

    void performCheck(bool showUpToDateMessage);
    void finishCheck(const std::optional<QString>& failure, bool showUpToDateMessage);
    void download(const UpdateInfo& info);
    void finishTransfer(const std::optional<QString>& failure, const UpdateInfo& info);
    void finishVerification();

    [[nodiscard]] QString dismissedVersion() const;
    [[nodiscard]] std::filesystem::path writeHelperScript() const;
    [[nodiscard]] std::filesystem::path systemPath(std::string_view absolutePath) const;

    Configuration configuration_;
    QNetworkAccessManager network_;
    UpdateStatus status_;
    QUrl downloadedAppURL_;
    std::optional<std::filesystem::path> downloadedApp_;
    std::optional<UpdateAlert> alert_;
    QPointer<Transfer> check_;
    QPointer<Transfer> download_;
    std::optional<ReceivedFile> receivedFile_;
    // The version being verified.
    std::optional<UpdateInfo> verifying_;
    // A watcher rather than QFuture::then(this, …): Qt 6.4 asserts when a continuation's context
    // is gone, and the worker may start the continuation after the destructor's wait returned.
    QFutureWatcher<VerificationOutcome> verification_;
};

} // namespace sorvale::updater
