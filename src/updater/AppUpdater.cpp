#include "AppUpdater.h"

#include "platform/BundleInfo.h"
#include "platform/EntryValues.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QNetworkReply>
#include <QProcess>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#include <stdexcept>
#include <unistd.h>

namespace sorvale::updater {
namespace {

namespace fs = std::filesystem;
using Kind = UpdateStatus::Kind;

constexpr const char* kDismissedUpdateKey = "dismissedUpdateVersion";
const QString kInvalidResponse = "The update server returned an invalid response.";
const QString kCheckFailedMessage =
    "Sorvale couldn't reach the update server. Check your connection and try again.";

// The one kind of failure the private steps raise; its description is what the user reads.
class UpdateError : public std::runtime_error {
public:
    explicit UpdateError(const QString& description)
        : std::runtime_error(description.toStdString()) {}
    [[nodiscard]] QString description() const { return QString::fromStdString(what()); }

    static UpdateError verificationFailed(const QString& reason) {
        return UpdateError("The downloaded update failed verification: " + reason);
    }
    static UpdateError invalidResponse() { return UpdateError(kInvalidResponse); }
};

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

bool isSuccessful(const QNetworkReply* reply) {
    const QVariant code = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    return code.isValid() && code.toInt() >= 200 && code.toInt() <= 299;
}

// The name the archive is stored under: the URL's last path component, which must name one
// entry of the updates folder. It comes from the network, so "..", "." or a name holding a
// separator is refused before anything is written.
QString archiveName(const QUrl& url) {
    // The last segment of the path as sent, decoded afterwards: an encoded "/" stays inside it.
    const QString segment = url.path(QUrl::FullyEncoded).section('/', -1);
    const QString name = QUrl::fromPercentEncoding(segment.toUtf8());
    if (name.isEmpty() || name == "." || name == ".." || name.contains('/') ||
        name.contains(QChar(0))) {
        throw UpdateError::invalidResponse();
    }
    return name;
}

fs::path pathOf(const QString& text) {
    const QByteArray bytes = QFile::encodeName(text);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString textOf(const fs::path& path) {
    return QFile::decodeName(path.c_str());
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

} // namespace

AppUpdater::Configuration AppUpdater::defaultConfiguration() {
    const fs::path bundle = runningBundle();
#ifdef __APPLE__
    const QString version =
        QString::fromStdString(platform::readBundleInfo(bundle).shortVersion.value_or("0.0.0"));
#else
    const QString version = SORVALE_VERSION;
#endif
    return Configuration{QUrl(SORVALE_FEED_URL), version, bundle, "/",
                         [] { QCoreApplication::quit(); }};
}

AppUpdater::AppUpdater(Configuration configuration, QObject* parent)
    : QObject(parent)
    , configuration_(std::move(configuration))
    , network_(this) {}

AppUpdater::~AppUpdater() = default;

fs::path AppUpdater::systemPath(std::string_view absolutePath) const {
    return configuration_.systemRoot / fs::path(absolutePath).relative_path();
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
    static constexpr std::array<const char*, 4> kKinds{"updateAvailable", "ready", "error", "info"};
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

void AppUpdater::setDownloadedAppURL(QUrl url) {
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
    if (QNetworkReply* previous = std::exchange(checkReply_, nullptr)) {
        previous->abort();
    }
    setStatus({Kind::checking, std::nullopt, {}});
    performCheck(showUpToDateMessage);
}

void AppUpdater::performCheck(bool showUpToDateMessage) {
    QNetworkReply* reply = network_.get(QNetworkRequest(configuration_.feedURL));
    reply->setParent(this);
    checkReply_ = reply;
    connect(reply, &QNetworkReply::finished, this, [this, reply, showUpToDateMessage] {
        reply->deleteLater();
        if (reply == checkReply_) {
            finishCheck(reply, showUpToDateMessage);
        }
    });
}

void AppUpdater::finishCheck(QNetworkReply* reply, bool showUpToDateMessage) {
    const auto fail = [&](const QString& description) {
        setStatus({Kind::failed, std::nullopt, description});
        if (showUpToDateMessage) {
            showAlert(UpdateAlert::Kind::error, "Update check failed", kCheckFailedMessage);
        }
    };
    const bool answered = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
    if (!answered) {
        fail(reply->errorString());
        return;
    }
    if (!isSuccessful(reply)) {
        fail(kInvalidResponse);
        return;
    }
    QString decodingError;
    const auto info = decodeUpdateInfo(reply->readAll(), decodingError);
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
    if (!showUpToDateMessage &&
        QSettings().value(kDismissedUpdateKey).toString() == info->version) {
        setStatus({Kind::upToDate, std::nullopt, {}});
        return;
    }
    setStatus({Kind::updateAvailable, info, {}});
    showAlert(UpdateAlert::Kind::updateAvailable, "Update available",
              "Sorvale " + info->version + " is ready. Download it now?" + notesText(info->notes));
}

void AppUpdater::dismissUpdate() {
    if (status_.kind == Kind::updateAvailable) {
        QSettings().setValue(kDismissedUpdateKey, status_.info->version);
    }
    clearAlert();
}

// Downloading and verifying.

void AppUpdater::startDownload() {
    if (status_.kind != Kind::updateAvailable) {
        return;
    }
    const UpdateInfo info = *status_.info;
    clearAlert();
    setDownloadedAppURL({});
    setStatus({Kind::downloading, std::nullopt, {}});
    download(info);
}

void AppUpdater::download(const UpdateInfo& info) {
    downloadFile_ = std::make_unique<QTemporaryFile>();
    if (!downloadFile_->open()) {
        fail("Download failed", downloadFile_->errorString(), downloadFile_->errorString());
        return;
    }
    QNetworkReply* reply = network_.get(QNetworkRequest(info.url));
    reply->setParent(this);
    connect(reply, &QNetworkReply::readyRead, this,
            [this, reply] { downloadFile_->write(reply->readAll()); });
    connect(reply, &QNetworkReply::finished, this, [this, reply, info] {
        reply->deleteLater();
        finishDownload(reply, info);
    });
}

void AppUpdater::finishDownload(QNetworkReply* reply, const UpdateInfo& info) {
    try {
        downloadFile_->write(reply->readAll());
        const bool answered = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
        if (!answered && reply->error() != QNetworkReply::NoError) {
            throw UpdateError(reply->errorString());
        }
        if (!isSuccessful(reply)) {
            throw UpdateError::invalidResponse();
        }
        const QString name = archiveName(info.url);
        const fs::path archive = supportDirectory() / pathOf(name);
        QFile::remove(textOf(archive));
        downloadFile_->close();
        if (!downloadFile_->rename(textOf(archive))) {
            throw UpdateError(downloadFile_->errorString());
        }
        downloadFile_->setAutoRemove(false);
        downloadFile_.reset();
        const fs::path bundle = verify(archive, info.version);
        setDownloadedAppURL(QUrl::fromLocalFile(textOf(bundle)));
        setStatus({Kind::downloaded, info, {}});
        showAlert(UpdateAlert::Kind::ready, "Update ready", readyMessage(info));
    } catch (const UpdateError& error) {
        downloadFile_.reset();
        fail("Download failed", error.description(), error.description());
    }
}

fs::path AppUpdater::supportDirectory() const {
    const QString applicationSupport =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString updates = applicationSupport + "/Sorvale/Updates";
    if (applicationSupport.isEmpty() || !QDir().mkpath(updates)) {
        throw UpdateError("The folder " + updates + " could not be created.");
    }
    return pathOf(updates);
}

fs::path AppUpdater::verify(const fs::path& archive, const QString& expectedVersion) const {
    const fs::path extracted = archive.parent_path() / "Extracted";
    // The updater's own folder: what a previous attempt left there goes.
    std::error_code ignored;
    fs::remove_all(extracted, ignored);
    if (!QDir().mkpath(textOf(extracted))) {
        throw UpdateError("The folder " + textOf(extracted) + " could not be created.");
    }
    (void)run(systemPath("/usr/bin/ditto"), {"-x", "-k", textOf(archive), textOf(extracted)});
    const fs::path bundle = extracted / "Sorvale.app";
    if (!platform::fileExists(bundle)) {
        throw UpdateError::verificationFailed(
            "Sorvale.app was not found in the downloaded archive.");
    }
    (void)run(systemPath("/usr/bin/codesign"),
              {"--verify", "--deep", "--strict", "--verbose=2", textOf(bundle)});
    (void)run(systemPath("/usr/sbin/spctl"), {"-a", "-vv", textOf(bundle)});
    const QString found =
        QString::fromStdString(platform::readBundleInfo(bundle).shortVersion.value_or(""));
    if (found != expectedVersion) {
        throw UpdateError::verificationFailed("version mismatch (" + found + " instead of " +
                                              expectedVersion + ").");
    }
    const auto runningTeam = teamIdentifier(configuration_.applicationBundle);
    if (!runningTeam || runningTeam != teamIdentifier(bundle)) {
        throw UpdateError::verificationFailed("the update isn't signed by the same developer.");
    }
    return bundle;
}

std::optional<QString> AppUpdater::teamIdentifier(const fs::path& bundle) const {
    QString output;
    try {
        output = run(systemPath("/usr/bin/codesign"), {"-dvv", textOf(bundle)});
    } catch (const UpdateError&) {
        return std::nullopt;
    }
    static const QString kPrefix = "TeamIdentifier=";
    for (const QString& line : output.split('\n', Qt::SkipEmptyParts)) {
        if (line.startsWith(kPrefix)) {
            return line.mid(kPrefix.size());
        }
    }
    return std::nullopt;
}

QString AppUpdater::run(const fs::path& tool, const QStringList& arguments) const {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(textOf(tool), arguments);
    if (!process.waitForStarted(-1)) {
        throw UpdateError("Could not start " + textOf(tool) + ": " + process.errorString());
    }
    // QProcess keeps reading the shared pipe while the tool runs, so it never fills.
    process.waitForFinished(-1);
    const QString output = QString::fromUtf8(process.readAll());
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0) {
        return output;
    }
    throw UpdateError::verificationFailed(output.trimmed());
}

// Installing.

fs::path AppUpdater::writeHelperScript() const {
    const fs::path script = supportDirectory() / "install-update.sh";
    QSaveFile file(textOf(script));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(kHelperScript.data(), static_cast<qint64>(kHelperScript.size())) !=
            static_cast<qint64>(kHelperScript.size()) ||
        !file.commit()) {
        throw UpdateError(file.errorString());
    }
    constexpr auto kExecutable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                 QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                 QFile::ExeOther;
    if (!QFile::setPermissions(textOf(script), kExecutable)) {
        throw UpdateError("The permissions of " + textOf(script) + " could not be set.");
    }
    return script;
}

void AppUpdater::install() {
    if (status_.kind != Kind::downloaded || downloadedAppURL_.isEmpty()) {
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
        const fs::path script = writeHelperScript();
        const QString nohup = textOf(systemPath("/usr/bin/nohup"));
        if (!QProcess::startDetached(nohup, {textOf(systemPath("/bin/zsh")), textOf(script),
                                             textOf(current), downloadedAppURL_.toLocalFile(),
                                             QString::number(::getpid())})) {
            throw UpdateError("Could not start " + nohup + ".");
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
