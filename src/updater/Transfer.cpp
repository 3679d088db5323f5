// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "Transfer.h"

#include "UpdateError.h"
#include "UpdateInfo.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>

#include <cerrno>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>

namespace sorvale::updater {
namespace {

namespace fs = std::filesystem;

// What the platform's own URL loading says when a server stops sending.
const QString kTimedOut = "The request timed out.";

QString errorText(int error) {
    return QString::fromStdString(std::generic_category().message(error));
}

} // namespace

Transfer::Transfer(QNetworkAccessManager& network, const QUrl& url,
                   std::chrono::milliseconds stallLimit, Sink sink, Done done, QObject* parent)
    : QObject(parent)
    , sink_(std::move(sink))
    , done_(std::move(done)) {
    stall_.setSingleShot(true);
    stall_.setInterval(stallLimit);
    connect(&stall_, &QTimer::timeout, this, [this] { abandon(kTimedOut); });
    if (!isWebAddress(url)) {
        failure_ = kInvalidResponse;
        // Answered from the event loop, as every other transfer is.
        QMetaObject::invokeMethod(this, &Transfer::finish, Qt::QueuedConnection);
        return;
    }
    QNetworkRequest request(url);
    // Each redirect is judged here, whatever the Qt version's own policy: http and https only,
    // and never from https down to http.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    reply_ = network.get(request);
    connect(reply_, &QNetworkReply::readyRead, this, &Transfer::receive);
    connect(reply_, &QNetworkReply::metaDataChanged, this, [this] { stall_.start(); });
    connect(reply_, &QNetworkReply::redirected, this, [this, from = url](const QUrl& to) mutable {
        const bool downgrade =
            from.scheme().toLower() == "https" && to.scheme().toLower() == "http";
        if (!isWebAddress(to) || downgrade) {
            abandon(kInvalidResponse);
            return;
        }
        from = to;
        stall_.start();
        emit reply_->redirectAllowed();
    });
    connect(reply_, &QNetworkReply::finished, this, &Transfer::finish);
    stall_.start();
}

Transfer::~Transfer() {
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
        reply_->deleteLater();
    }
}

void Transfer::receive() {
    const QByteArray bytes = reply_->readAll();
    if (bytes.isEmpty() || failure_) {
        return;
    }
    stall_.start();
    received_ += bytes.size();
    if (!sink_) {
        body_ += bytes;
    } else if (auto failure = sink_(bytes)) {
        abandon(*failure);
    }
}

void Transfer::abandon(const QString& failure) {
    if (!failure_) {
        failure_ = failure;
    }
    if (reply_) {
        // Emits finished() at once.
        reply_->abort();
    }
}

void Transfer::finish() {
    // Taken first: judging the reply may abort it, which reports its end once more.
    const Done done = std::exchange(done_, nullptr);
    if (!done) {
        return;
    }
    stall_.stop();
    if (QNetworkReply* reply = reply_) {
        const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if (!failure_ && status.isValid() && (status.toInt() < 200 || status.toInt() > 299)) {
            failure_ = kInvalidResponse;
        }
        if (!failure_ && reply->error() != QNetworkReply::NoError) {
            failure_ = reply->errorString();
        }
        if (!failure_ && !status.isValid()) {
            failure_ = kInvalidResponse;
        }
        if (!failure_) {
            receive();
        }
        // A body cut short without a transport error still differs from what was announced.
        const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
        if (!failure_ && announced.isValid() && announced.toLongLong() != received_) {
            failure_ = kInvalidResponse;
        }
        reply->disconnect(this);
        reply->deleteLater();
        reply_ = nullptr;
    }
    done(failure_);
}

std::optional<ReceivedFile> ReceivedFile::create(const fs::path& folder, QString& error) {
    std::error_code folderError;
    fs::create_directories(folder, folderError);
    std::string pattern = (folder / "Sorvale-download-XXXXXX").native();
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) {
        error = "The download could not be stored in " +
                QString::fromUtf8(folder.native().data(),
                                  static_cast<qsizetype>(folder.native().size())) +
                ": " + errorText(errno) + ".";
        return std::nullopt;
    }
    return ReceivedFile(pattern, fd);
}

ReceivedFile::ReceivedFile(ReceivedFile&& other) noexcept
    : path_(std::move(other.path_))
    , fd_(std::exchange(other.fd_, -1)) {
    other.path_.clear();
}

ReceivedFile::~ReceivedFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    if (!path_.empty()) {
        ::unlink(path_.c_str());
    }
}

std::optional<QString> ReceivedFile::write(const QByteArray& bytes) {
    const char* data = bytes.constData();
    std::size_t left = static_cast<std::size_t>(bytes.size());
    while (left > 0) {
        const ssize_t written = ::write(fd_, data, left);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return "The download could not be stored: " + errorText(written < 0 ? errno : EIO) +
                   ".";
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return std::nullopt;
}

std::optional<QString> ReceivedFile::close() {
    const int fd = std::exchange(fd_, -1);
    if (fd >= 0 && ::close(fd) != 0) {
        return "The download could not be stored: " + errorText(errno) + ".";
    }
    return std::nullopt;
}

} // namespace sorvale::updater
