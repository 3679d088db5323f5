// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QTcpServer>
#include <QUrl>

#include <optional>

namespace sorvale::test {

// A real HTTP server on 127.0.0.1 that answers GET requests from a table of paths; anything
// else gets 404. It serves from the thread that owns it, so the test's event loop must run.
class LocalHttpServer : public QObject {
public:
    struct Response {
        Response(int code = 200, QByteArray bytes = {})
            : status(code)
            , body(std::move(bytes)) {}

        // A 302 answer that sends the client on to `location`.
        [[nodiscard]] static Response redirect(const QByteArray& location);
        // Announces `announced` bytes, sends `body` and closes.
        [[nodiscard]] static Response cutShort(QByteArray body, qint64 announced);
        // Sends the first `count` bytes of the whole answer to `body` (0: none at all), then
        // goes silent and keeps the connection open.
        [[nodiscard]] static Response silentAfter(QByteArray body, qsizetype count);

        int status;
        QByteArray body;
        // The Content-Length announced; the body's own length when absent.
        std::optional<qint64> announcedLength;
        // More header lines, each "Name: value".
        QList<QByteArray> headers;
        // Sends only this many bytes of the whole answer; absent sends all of it and closes.
        std::optional<qsizetype> sentBytes;
    };

    LocalHttpServer();
    void serve(const QString& path, Response response) { routes_[path] = std::move(response); }
    [[nodiscard]] QUrl url(const QString& pathAndQuery) const;
    // The path of every request received so far, in order.
    [[nodiscard]] const QList<QString>& requests() const { return requests_; }

private:
    void answer(class QTcpSocket* socket);

    QTcpServer server_;
    QMap<QString, Response> routes_;
    QList<QString> requests_;
};

} // namespace sorvale::test
