#include "LocalHttpServer.h"

#include <QTcpSocket>

namespace sorvale::test {

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
    const Response response = routes_.value(path, Response{404, "not found"});
    socket->write("HTTP/1.1 " + QByteArray::number(response.status) + " Status\r\n" +
                  "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n" +
                  "Connection: close\r\n\r\n" + response.body);
    socket->disconnectFromHost();
}

} // namespace sorvale::test
