// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUrl>

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

namespace sorvale::updater {

// One GET that ends either with the whole body or with the description of why not: a transport
// error, a status outside 200–299, a redirect to anything but an http or https address (or from
// https to http), a body shorter than its Content-Length, or nothing received for `stallLimit`.
// Lives on the main thread; destroying it abandons the transfer without an answer.
class Transfer : public QObject {
public:
    // Takes each piece of the body as it arrives; a description when it could not keep it.
    using Sink = std::function<std::optional<QString>(const QByteArray&)>;
    // None when the whole body arrived.
    using Done = std::function<void(const std::optional<QString>& failure)>;

    // Starts fetching `url`. Without a sink, the body is kept for body().
    Transfer(QNetworkAccessManager& network, const QUrl& url, std::chrono::milliseconds stallLimit,
             Sink sink, Done done, QObject* parent = nullptr);
    ~Transfer() override;
    Transfer(const Transfer&) = delete;
    Transfer& operator=(const Transfer&) = delete;

    [[nodiscard]] const QByteArray& body() const { return body_; }

private:
    void receive();
    void finish();
    // Ends the transfer now with `failure`, unless it already has one.
    void abandon(const QString& failure);

    QPointer<QNetworkReply> reply_;
    QTimer stall_;
    Sink sink_;
    Done done_;
    QByteArray body_;
    qint64 received_ = 0;
    std::optional<QString> failure_;
};

// A download's file in the temporary folder, removed when this goes unless it was moved away.
class ReceivedFile {
public:
    // A new empty file in `folder`; none with the reason in `error` when it cannot be made.
    static std::optional<ReceivedFile> create(const std::filesystem::path& folder, QString& error);
    ReceivedFile(ReceivedFile&& other) noexcept;
    ReceivedFile& operator=(ReceivedFile&& other) = delete;
    ReceivedFile(const ReceivedFile&) = delete;
    ReceivedFile& operator=(const ReceivedFile&) = delete;
    ~ReceivedFile();

    [[nodiscard]] const std::filesystem::path& path() const { return path_; }
    // Appends `bytes`; the reason when they could not all be written.
    [[nodiscard]] std::optional<QString> write(const QByteArray& bytes);
    // Ends writing; the reason when the file could not be completed.
    [[nodiscard]] std::optional<QString> close();

private:
    ReceivedFile(std::filesystem::path path, int fd)
        : path_(std::move(path))
        , fd_(fd) {}

    std::filesystem::path path_;
    int fd_ = -1;
};

} // namespace sorvale::updater
