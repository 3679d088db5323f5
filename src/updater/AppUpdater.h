#pragma once

#include "UpdateInfo.h"

#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTemporaryFile>
#include <QUrl>
#include <QVariantMap>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

class QNetworkReply;

namespace sorvale::updater {

// Keeps Sorvale up to date: reads the feed, offers a newer version, downloads and verifies it,
// and replaces the running application through a helper script that outlives it. Lives on the
// main thread; every failure ends in the `failed` status, with an alert where the user should
// hear of it.
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
        // ditto, codesign, spctl, nohup and zsh, and the Applications folder, lie under it.
        std::filesystem::path systemRoot = "/";
        // Asks the application to quit normally once the installer runs.
        std::function<void()> terminate;
    };

    // The configuration of this build: its feed, its version and its own bundle.
    [[nodiscard]] static Configuration defaultConfiguration();

    explicit AppUpdater(Configuration configuration, QObject* parent = nullptr);
    ~AppUpdater() override;

    [[nodiscard]] const UpdateStatus& currentStatus() const { return status_; }
    [[nodiscard]] const std::optional<UpdateAlert>& currentAlert() const { return alert_; }

    [[nodiscard]] QVariantMap status() const;
    [[nodiscard]] QUrl downloadedAppURL() const { return downloadedAppURL_; }
    [[nodiscard]] QVariantMap alert() const;
    [[nodiscard]] QString currentVersion() const { return configuration_.currentVersion; }

    Q_INVOKABLE void checkForUpdates(bool showUpToDateMessage);
    Q_INVOKABLE void dismissUpdate();
    Q_INVOKABLE void startDownload();
    Q_INVOKABLE void install();
    // The interface clears the alert once the user has answered it.
    Q_INVOKABLE void clearAlert();

signals:
    void statusChanged();
    void downloadedAppURLChanged();
    void alertChanged();

private:
    void setStatus(UpdateStatus status);
    void setAlert(std::optional<UpdateAlert> alert);
    void setDownloadedAppURL(QUrl url);
    void showAlert(UpdateAlert::Kind kind, QString title, QString message);
    // Ends a download or an install: the status fails with `description`, an error alert says
    // `message` under `title`.
    void fail(QString title, const QString& description, QString message);

    void performCheck(bool showUpToDateMessage);
    void finishCheck(QNetworkReply* reply, bool showUpToDateMessage);
    void download(const UpdateInfo& info);
    void finishDownload(QNetworkReply* reply, const UpdateInfo& info);

    [[nodiscard]] std::filesystem::path supportDirectory() const;
    [[nodiscard]] std::filesystem::path verify(const std::filesystem::path& archive,
                                               const QString& expectedVersion) const;
    [[nodiscard]] std::optional<QString> teamIdentifier(const std::filesystem::path& bundle) const;
    [[nodiscard]] std::filesystem::path writeHelperScript() const;
    [[nodiscard]] QString run(const std::filesystem::path& tool,
                              const QStringList& arguments) const;
    [[nodiscard]] std::filesystem::path systemPath(std::string_view absolutePath) const;

    Configuration configuration_;
    QNetworkAccessManager network_;
    UpdateStatus status_;
    QUrl downloadedAppURL_;
    std::optional<UpdateAlert> alert_;
    QPointer<QNetworkReply> checkReply_;
    std::unique_ptr<QTemporaryFile> downloadFile_;
};

} // namespace sorvale::updater
