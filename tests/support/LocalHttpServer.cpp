// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "LocalHttpServer.h"

#include <QTcpSocket>

namespace sorvale::test {

LocalHttpServer::Response LocalHttpServer::Response::redirect(const QByteArray& location) {
    Response response(302);
    response.headers.append("Location: " + location);
    return response;
}

LocalHttpServer::Response LocalHttpServer::Response::cutShort(QByteArray body, qint64 announced) {
    Response response(200, std::move(body));
    response.announcedLength = announced;
    return response;
}

LocalHttpServer::Response LocalHttpServer::Response::silentAfter(QByteArray body, qsizetype count) {
    Response response(200, std::move(body));
    response.sentBytes = count;
    return response;
}

LocalHttpServer::LocalHttpServer() {
    server_.listen(QHostAddress::LocalHost);
    QObject::connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::readyRead, socket,
                             [this, socket] { answer(socket); });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

QUrl LocalHttpServer::url(const QString& pathAndQuery) const {
    return QUrl(QString("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(pathAndQuery));
}

void LocalHttpServer::answer(QTcpSocket* socket) {
    if (!socket->canReadLine()) {
        return;
    }
    // "GET /path?query HTTP/1.1": the rest of the request does not matter here.
    const QList<QByteArray> requestLine = socket->readLine().trimmed().split(' ');
    socket->readAll();
    const QString path = requestLine.size() > 1 ? QUrl(requestLine[1]).path() : QString();
    requests_.append(path);
    const Response response = routes_.value(path, Response{404, "not found"});
    QByteArray answer =
        "HTTP/1.1 " + QByteArray::number(response.status) + " Status\r\n" + "Content-Length: " +
        QByteArray::number(response.announcedLength.value_or(response.body.size())) +
        "\r\nConnection: close\r\n";
    for (const QByteArray& header : response.headers) {
        answer += header + "\r\n";
    }
    answer += "\r\n" + response.body;
    if (response.sentBytes) {
        // Nothing more comes, and the connection stays until the server goes.
        socket->write(answer.left(*response.sentBytes));
        return;
    }
    socket->write(answer);
    socket->disconnectFromHost();
}

} // namespace sorvale::test
