// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "UpdateVerification.h"

#include "ToolRunner.h"
#include "UnpackSafety.h"
#include "UpdateError.h"
#include "platform/BundleInfo.h"

#include <QStringDecoder>
#include <QStringList>

#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace sorvale::updater {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kBundleName = "Sorvale.app";

QString shown(const fs::path& path) {
    return QString::fromUtf8(path.native().data(), static_cast<qsizetype>(path.native().size()));
}

// What the updater left in its own folders goes; links in it are removed, never followed.
void removeOwn(const fs::path& path) {
    std::error_code ignored;
    fs::remove_all(path, ignored);
}

QString errorText(int error) {
    return QString::fromStdString(std::generic_category().message(error));
}

// Strictly UTF-8; none when the bytes are not.
std::optional<QString> decoded(const std::string& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (decoder.hasError()) {
        return std::nullopt;
    }
    return text;
}

class Verifier {
public:
    Verifier(const Verification& verification, const std::function<bool()>& cancelled)
        : verification_(verification)
        , cancelled_(cancelled) {}

    fs::path run() {
        const fs::path archive = placeArchive();
        return verify(archive);
    }

private:
    fs::path systemPath(std::string_view absolutePath) const {
        return verification_.systemRoot / fs::path(absolutePath).relative_path();
    }

    fs::path placeArchive() const {
        std::error_code error;
        fs::create_directories(verification_.updatesFolder, error);
        if (error || !fs::is_directory(verification_.updatesFolder)) {
            throw UpdateError(UpdaterTexts::tr("The folder %1 could not be created.")
                                  .arg(shown(verification_.updatesFolder)));
        }
        const fs::path archive = verification_.updatesFolder / verification_.archiveName;
        removeOwn(archive);
        fs::rename(verification_.receivedFile, archive, error);
        if (error == std::errc::cross_device_link) {
            error.clear();
            fs::copy_file(verification_.receivedFile, archive, error);
        }
        if (error) {
            throw UpdateError(UpdaterTexts::tr("The update could not be moved to %1: %2.")
                                  .arg(shown(archive), QString::fromStdString(error.message())));
        }
        return archive;
    }

    fs::path verify(const fs::path& archive) const {
        if (const auto refusal = inspectArchive(archive, kBundleName)) {
            throw UpdateError::verificationFailed(*refusal);
        }
        const fs::path extracted = archive.parent_path() / "Extracted";
        removeOwn(extracted);
        std::error_code error;
        fs::create_directories(extracted, error);
        if (error) {
            throw UpdateError(
                UpdaterTexts::tr("The folder %1 could not be created.").arg(shown(extracted)));
        }
        (void)output(kDitto, {"-x", "-k", archive.native(), extracted.native()});
        if (const auto refusal = inspectUnpackedFolder(extracted, kBundleName)) {
            removeOwn(extracted);
            throw UpdateError::verificationFailed(*refusal);
        }
        const fs::path bundle = extracted / kBundleName;
        struct stat status {};
        if (::lstat(bundle.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) {
            throw UpdateError::verificationFailed(
                UpdaterTexts::tr("%1 was not found in the downloaded archive.")
                    .arg(shown(fs::path(kBundleName))));
        }
        (void)output(kCodesign, {"--verify", "--deep", "--strict", "--verbose=2", bundle.native()});
        (void)output(kSpctl, {"-a", "-vv", bundle.native()});
        const QString found =
            QString::fromStdString(platform::readBundleInfo(bundle).shortVersion.value_or(""));
        if (found != verification_.expectedVersion) {
            throw UpdateError::verificationFailed(
                UpdaterTexts::tr("version mismatch (%1 instead of %2).")
                    .arg(found, verification_.expectedVersion));
        }
        const auto runningTeam = teamIdentifier(verification_.runningBundle);
        if (!runningTeam || runningTeam != teamIdentifier(bundle)) {
            throw UpdateError::verificationFailed(
                UpdaterTexts::tr("the update isn't signed by the same developer."));
        }
        return bundle;
    }

    // The tool's run; a tool that could not start, ran too long or was cancelled raises.
    ToolRun runToEnd(std::string_view tool, const std::vector<std::string>& arguments) const {
        const fs::path path = systemPath(tool);
        ToolRun run = runTool(path, arguments, verification_.toolTimeLimit, cancelled_);
        switch (run.ending) {
        case ToolRun::Ending::exited:
            return run;
        case ToolRun::Ending::notStarted:
            throw UpdateError(UpdaterTexts::tr("Could not start %1: %2.")
                                  .arg(shown(path), errorText(run.startError)));
        case ToolRun::Ending::timedOut:
            throw UpdateError::verificationFailed(
                UpdaterTexts::tr("%1 did not finish in time.").arg(shown(path.filename())));
        case ToolRun::Ending::cancelled:
            break;
        }
        throw UpdateError(UpdaterTexts::tr("The update was cancelled."));
    }

    // The tool's output when it succeeds; otherwise its own words are the reason.
    QString output(std::string_view tool, const std::vector<std::string>& arguments) const {
        const ToolRun run = runToEnd(tool, arguments);
        const auto text = decoded(run.output);
        if (run.status == 0) {
            return text.value_or(QString());
        }
        throw UpdateError::verificationFailed(text ? text->trimmed()
                                                   : UpdaterTexts::tr("unknown error"));
    }

    // The signing team: none when codesign fails on the bundle or names none. Ad-hoc and
    // unsigned copies report "not set", which identifies nobody.
    std::optional<QString> teamIdentifier(const fs::path& bundle) const {
        const ToolRun run = runToEnd(kCodesign, {"-dvv", bundle.native()});
        const auto text = decoded(run.output);
        if (run.status != 0 || !text) {
            return std::nullopt;
        }
        static const QString kPrefix = "TeamIdentifier=";
        for (const QString& line : text->split('\n', Qt::SkipEmptyParts)) {
            if (line.startsWith(kPrefix)) {
                const QString team = line.mid(kPrefix.size());
                if (team.trimmed().isEmpty() || team == "not set") {
                    return std::nullopt;
                }
                return team;
            }
        }
        return std::nullopt;
    }

    const Verification& verification_;
    const std::function<bool()>& cancelled_;
};

} // namespace

bool isRunnable(const fs::path& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

VerificationOutcome verifyUpdate(const Verification& verification,
                                 const std::function<bool()>& cancelled) {
    try {
        return {Verifier(verification, cancelled).run(), {}};
    } catch (const UpdateError& error) {
        return {std::nullopt, error.description()};
    }
}

} // namespace sorvale::updater
