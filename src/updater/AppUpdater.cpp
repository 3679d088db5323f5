// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "AppUpdater.h"

#include "ToolRunner.h"
#include "UpdateError.h"
#include "platform/BundleInfo.h"
#include "platform/StandardLocations.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QtConcurrent/QtConcurrentRun>

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace sorvale::updater {
namespace {

namespace fs = std::filesystem;
using Kind = UpdateStatus::Kind;

constexpr const char* kDismissedUpdateKey = "dismissedUpdateVersion";
const QString kCheckFailedMessage =
    "Sorvale couldn't reach the update server. Check your connection and try again.";

// Waits for the running process to end, then swaps the bundle and opens the new copy. The text
// is fixed byte for byte (424 bytes, no final line feed).
constexpr std::string_view kHelperScript = R"(#!/bin/zsh
set -e
APP_PATH="$1"
NEW_APP="$2"
PARENT_PID="$3"

while kill -0 "$PARENT_PID" 2>/dev/null; do
  sleep 0.5
done
sleep 1

BACKUP="${APP_PATH}.old-$$"
if [[ -d "$APP_PATH" ]]; then
  /bin/mv "$APP_PATH" "$BACKUP"
fi

if ! /usr/bin/ditto "$NEW_APP" "$APP_PATH"; then
  if [[ -d "$BACKUP" && ! -d "$APP_PATH" ]]; then
    /bin/mv "$BACKUP" "$APP_PATH"
  fi
  exit 1
fi

/bin/rm -rf "$BACKUP"
/usr/bin/open "$APP_PATH")";
static_assert(kHelperScript.size() == 424);

// Everything the helper script and its launcher run, each by its absolute path: when one is
// missing, the application must not quit, for nothing would replace it or open it again.
constexpr std::string_view kNohup = "/usr/bin/nohup";
constexpr std::string_view kZsh = "/bin/zsh";
constexpr std::array<std::string_view, 6> kInstallTools{kNohup,    kZsh,      kDitto,
                                                        "/bin/mv", "/bin/rm", "/usr/bin/open"};

QString readyMessage(const UpdateInfo& info) {
    return "Sorvale " + info.version +
           " has been downloaded and verified. Install it now? Sorvale will restart automatically.";
}

// Two line feeds, then the first three notes as bullet lines.
QString notesText(const std::optional<QStringList>& notes) {
    if (!notes) {
        return {};
    }
    QStringList lines;
    for (const QString& note : notes->mid(0, 3)) {
        lines.append(QString::fromUtf8("\u2022 ") + note);
    }
    return "\n\n" + lines.join('\n');
}

fs::path pathOf(const QString& text) {
    const QByteArray bytes = QFile::encodeName(text);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString textOf(const fs::path& path) {
    return QFile::decodeName(path.c_str());
}

QString errorText(int error) {
    return QString::fromStdString(std::generic_category().message(error));
}

// The name the archive is stored under: the URL's last path component, which must name one
// entry of the updates folder. It comes from the network, so "..", "." or a name holding a
// separator is refused before anything is fetched.
std::optional<fs::path> archiveName(const QUrl& url) {
    // The last segment of the path as sent, decoded afterwards: an encoded "/" stays inside it.
    const QString segment = url.path(QUrl::FullyEncoded).section('/', -1);
    const QByteArray name = QByteArray::fromPercentEncoding(segment.toUtf8());
    if (name.isEmpty() || name == "." || name == ".." || name.contains('/') ||
        name.contains('\0')) {
        return std::nullopt;
    }
    return fs::path(std::string(name.constData(), static_cast<std::size_t>(name.size())));
}

// The .app bundle that holds the running executable, else the executable's own folder.
fs::path runningBundle() {
    const fs::path executable = pathOf(QCoreApplication::applicationFilePath());
    for (fs::path folder = executable.parent_path(); folder.has_relative_path();
         folder = folder.parent_path()) {
        if (folder.extension() == ".app") {
            return folder;
        }
    }
    return executable.parent_path();
}

fs::path applicationSupportFolder() {
#ifdef __APPLE__
    return platform::homeFolder() / "Library/Application Support";
#else
    return platform::dataHomeFolder(platform::homeFolder());
#endif
}

} // namespace

AppUpdater::Configuration AppUpdater::defaultConfiguration() {
    const fs::path bundle = runningBundle();
#ifdef __APPLE__
    const QString version =
        QString::fromStdString(platform::readBundleInfo(bundle).shortVersion.value_or("0.0.0"));
#else
    const QString version = SORVALE_VERSION;
#endif
    std::error_code noTemporaryFolder;
    fs::path temporary = fs::temp_directory_path(noTemporaryFolder);
    if (noTemporaryFolder) {
        temporary = "/tmp";
    }
    Configuration configuration;
    configuration.feedURL = QUrl(SORVALE_FEED_URL);
    // The same address as the Help menu's "Sorvale Website".
    configuration.websiteURL = QUrl(SORVALE_WEBSITE_URL);
    configuration.currentVersion = version;
    configuration.applicationBundle = bundle;
    configuration.updatesFolder = applicationSupportFolder() / "Sorvale/Updates";
    configuration.temporaryFolder = temporary;
    // The application's standard user defaults, which also keep its other settings.
    configuration.preferencesFile = pathOf(QSettings().fileName());
    configuration.terminate = [] { QCoreApplication::quit(); };
    return configuration;
}

AppUpdater::AppUpdater(Configuration configuration, QObject* parent)
    : QObject(parent)
    , configuration_(std::move(configuration))
    , network_(this) {
    connect(&verification_, &QFutureWatcher<VerificationOutcome>::finished, this,
            &AppUpdater::finishVerification);
}

AppUpdater::~AppUpdater() {
    // Transfers answer into this object; end them while it is whole.
    delete check_;
    delete download_;
    disconnect(&verification_, nullptr, this, nullptr);
    verification_.cancel();
    verification_.waitForFinished();
}

fs::path AppUpdater::systemPath(std::string_view absolutePath) const {
    return configuration_.systemRoot / fs::path(absolutePath).relative_path();
}

bool AppUpdater::canVerifyUpdates() const {
    return std::all_of(kVerificationTools.begin(), kVerificationTools.end(),
                       [this](std::string_view tool) { return isRunnable(systemPath(tool)); });
}

// Observable state.

QVariantMap AppUpdater::status() const {
    static constexpr std::array<const char*, 8> kKinds{
        "idle",        "checking",   "upToDate",   "updateAvailable",
        "downloading", "downloaded", "installing", "failed"};
    QVariantMap value{{"kind", kKinds[static_cast<std::size_t>(status_.kind)]},
                      {"message", status_.message}};
    if (status_.info) {
        value.insert("version", status_.info->version);
        value.insert("url", status_.info->url);
        value.insert("notes", status_.info->notes.value_or(QStringList()));
        value.insert("minMacOSVersion", status_.info->minMacOSVersion.value_or(QString()));
    }
    return value;
}

QVariantMap AppUpdater::alert() const {
    static constexpr std::array<const char*, 5> kKinds{"updateAvailable", "ready", "error", "info",
                                                       "updateOnWebsite"};
    if (!alert_) {
        return {};
    }
    return {{"id", alert_->id.toString(QUuid::WithoutBraces)},
            {"kind", kKinds[static_cast<std::size_t>(alert_->kind)]},
            {"title", alert_->title},
            {"message", alert_->message}};
}

void AppUpdater::setStatus(UpdateStatus status) {
    if (status != status_) {
        status_ = std::move(status);
        emit statusChanged();
    }
}

void AppUpdater::setAlert(std::optional<UpdateAlert> alert) {
    if (alert != alert_) {
        alert_ = std::move(alert);
        emit alertChanged();
    }
}

void AppUpdater::setDownloadedApp(std::optional<fs::path> bundle) {
    downloadedApp_ = std::move(bundle);
    QUrl url = downloadedApp_ ? QUrl::fromLocalFile(textOf(*downloadedApp_)) : QUrl();
    if (url != downloadedAppURL_) {
        downloadedAppURL_ = std::move(url);
        emit downloadedAppURLChanged();
    }
}

void AppUpdater::showAlert(UpdateAlert::Kind kind, QString title, QString message) {
    setAlert(UpdateAlert{QUuid::createUuid(), kind, std::move(title), std::move(message)});
}

void AppUpdater::fail(QString title, const QString& description, QString message) {
    setStatus({Kind::failed, std::nullopt, description});
    showAlert(UpdateAlert::Kind::error, std::move(title), std::move(message));
}

void AppUpdater::clearAlert() {
    setAlert(std::nullopt);
}

void AppUpdater::openWebsite() {
    clearAlert();
    if (configuration_.openURL && configuration_.websiteURL.isValid()) {
        configuration_.openURL(configuration_.websiteURL);
    }
}

// Checking.

void AppUpdater::checkForUpdates(bool showUpToDateMessage) {
    if (status_.kind == Kind::checking || status_.kind == Kind::downloading ||
        status_.kind == Kind::installing) {
        return;
    }
    if (status_.kind == Kind::downloaded) {
        showAlert(UpdateAlert::Kind::ready, "Update ready", readyMessage(*status_.info));
        return;
    }
    delete check_;
    setStatus({Kind::checking, std::nullopt, {}});
    performCheck(showUpToDateMessage);
}

void AppUpdater::performCheck(bool showUpToDateMessage) {
    check_ = new Transfer(
        network_, configuration_.feedURL, configuration_.stallLimit, {},
        [this, showUpToDateMessage](const std::optional<QString>& failure) {
            finishCheck(failure, showUpToDateMessage);
        },
        this);
}

QString AppUpdater::dismissedVersion() const {
    return QSettings(textOf(configuration_.preferencesFile), QSettings::NativeFormat)
        .value(kDismissedUpdateKey)
        .toString();
}

void AppUpdater::finishCheck(const std::optional<QString>& failure, bool showUpToDateMessage) {
    // It answers from within its own reply's signal.
    Transfer* transfer = std::exchange(check_, nullptr);
    transfer->deleteLater();
    const auto fail = [&](const QString& description) {
        setStatus({Kind::failed, std::nullopt, description});
        if (showUpToDateMessage) {
            showAlert(UpdateAlert::Kind::error, "Update check failed", kCheckFailedMessage);
        }
    };
    if (failure) {
        fail(*failure);
        return;
    }
    QString decodingError;
    const auto info = decodeUpdateInfo(transfer->body(), decodingError);
    if (!info) {
        fail(decodingError);
        return;
    }
    if (!isNewerVersion(info->version, currentVersion())) {
        setStatus({Kind::upToDate, std::nullopt, {}});
        if (showUpToDateMessage) {
            showAlert(UpdateAlert::Kind::info, "You're up to date",
                      "Sorvale " + currentVersion() + " is the latest version.");
        }
        return;
    }
    if (!showUpToDateMessage && dismissedVersion() == info->version) {
        setStatus({Kind::upToDate, std::nullopt, {}});
        return;
    }
    setStatus({Kind::updateAvailable, info, {}});
    if (!canVerifyUpdates()) {
        showAlert(UpdateAlert::Kind::updateOnWebsite, "Update available",
                  "Sorvale " + info->version + " is available on the Sorvale website." +
                      notesText(info->notes));
        return;
    }
    showAlert(UpdateAlert::Kind::updateAvailable, "Update available",
              "Sorvale " + info->version + " is ready. Download it now?" + notesText(info->notes));
}

void AppUpdater::dismissUpdate() {
    if (status_.kind == Kind::updateAvailable) {
        QSettings(textOf(configuration_.preferencesFile), QSettings::NativeFormat)
            .setValue(kDismissedUpdateKey, status_.info->version);
    }
    clearAlert();
}

// Downloading and verifying.

void AppUpdater::startDownload() {
    // What cannot be verified here is never fetched.
    if (status_.kind != Kind::updateAvailable || !canVerifyUpdates()) {
        return;
    }
    const UpdateInfo info = *status_.info;
    clearAlert();
    setDownloadedApp(std::nullopt);
    setStatus({Kind::downloading, std::nullopt, {}});
    download(info);
}

void AppUpdater::download(const UpdateInfo& info) {
    if (!archiveName(info.url)) {
        fail("Download failed", kInvalidResponse, kInvalidResponse);
        return;
    }
    QString error;
    receivedFile_.reset();
    if (auto file = ReceivedFile::create(configuration_.temporaryFolder, error)) {
        receivedFile_.emplace(std::move(*file));
    } else {
        fail("Download failed", error, error);
        return;
    }
    download_ = new Transfer(
        network_, info.url, configuration_.stallLimit,
        [this](const QByteArray& bytes) { return receivedFile_->write(bytes); },
        [this, info](const std::optional<QString>& failure) { finishTransfer(failure, info); },
        this);
}

void AppUpdater::finishTransfer(const std::optional<QString>& failure, const UpdateInfo& info) {
    std::exchange(download_, nullptr)->deleteLater();
    std::optional<QString> problem = failure;
    if (!problem) {
        problem = receivedFile_->close();
    }
    if (problem) {
        receivedFile_.reset();
        fail("Download failed", *problem, *problem);
        return;
    }
    const Verification verification{receivedFile_->path(),
                                    configuration_.updatesFolder,
                                    *archiveName(info.url),
                                    info.version,
                                    configuration_.applicationBundle,
                                    configuration_.systemRoot,
                                    configuration_.toolTimeLimit};
    verifying_ = info;
    verification_.setFuture(QtConcurrent::run([verification](
                                                  QPromise<VerificationOutcome>& promise) {
        promise.addResult(verifyUpdate(verification, [&promise] { return promise.isCanceled(); }));
    }));
}

void AppUpdater::finishVerification() {
    // The archive was moved into the updates folder, or it is no longer wanted.
    receivedFile_.reset();
    const auto info = std::exchange(verifying_, std::nullopt);
    const QFuture<VerificationOutcome> future = verification_.future();
    if (!info || future.isCanceled() || future.resultCount() == 0) {
        return;
    }
    const VerificationOutcome outcome = future.result();
    if (!outcome.bundle) {
        fail("Download failed", outcome.failure, outcome.failure);
        return;
    }
    setDownloadedApp(outcome.bundle);
    setStatus({Kind::downloaded, info, {}});
    showAlert(UpdateAlert::Kind::ready, "Update ready", readyMessage(*info));
}

// Installing.

fs::path AppUpdater::writeHelperScript() const {
    const fs::path folder = configuration_.updatesFolder;
    std::error_code error;
    fs::create_directories(folder, error);
    const fs::path script = folder / "install-update.sh";
    std::string temporary = (folder / ".install-update.sh-XXXXXX").native();
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        throw UpdateError("The helper script could not be written to " + textOf(folder) + ": " +
                          errorText(errno) + ".");
    }
    std::string_view left = kHelperScript;
    int failure = 0;
    while (!left.empty() && failure == 0) {
        const ssize_t written = ::write(fd, left.data(), left.size());
        if (written > 0) {
            left.remove_prefix(static_cast<std::size_t>(written));
        } else if (written == 0 || errno != EINTR) {
            failure = written == 0 ? EIO : errno;
        }
    }
    if (failure == 0 && ::fchmod(fd, 0755) != 0) {
        failure = errno;
    }
    if (::close(fd) != 0 && failure == 0) {
        failure = errno;
    }
    if (failure == 0 && ::rename(temporary.c_str(), script.c_str()) != 0) {
        failure = errno;
    }
    if (failure != 0) {
        ::unlink(temporary.c_str());
        throw UpdateError("The helper script " + textOf(script) +
                          " could not be written: " + errorText(failure) + ".");
    }
    return script;
}

void AppUpdater::install() {
    if (status_.kind != Kind::downloaded || !downloadedApp_) {
        return;
    }
    const fs::path current = configuration_.applicationBundle;
    if (current.parent_path() != systemPath("/Applications")) {
        fail("Can't install update",
             "Sorvale isn't installed in /Applications, so it can't replace itself.",
             "This copy of Sorvale isn't in your Applications folder, so it can't update in "
             "place. Download the latest version from the Sorvale website instead.");
        return;
    }
    setStatus({Kind::installing, std::nullopt, {}});
    try {
        for (const std::string_view tool : kInstallTools) {
            if (!isRunnable(systemPath(tool))) {
                throw UpdateError(textOf(systemPath(tool)) + " is missing or cannot be run.");
            }
        }
        const fs::path script = writeHelperScript();
        const fs::path nohup = systemPath(kNohup);
        if (const int error =
                startDetached(nohup, {systemPath(kZsh).native(), script.native(), current.native(),
                                      downloadedApp_->native(), std::to_string(::getpid())});
            error != 0) {
            throw UpdateError("Could not start " + textOf(nohup) + ": " + errorText(error) + ".");
        }
    } catch (const UpdateError& error) {
        fail("Install failed", error.description(),
             "Sorvale couldn't start the installer: " + error.description());
        return;
    }
    if (configuration_.terminate) {
        configuration_.terminate();
    }
}

} // namespace sorvale::updater
