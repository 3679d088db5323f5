#pragma once

#include <QByteArray>
#include <QMap>
#include <QTcpServer>
#include <QUrl>

namespace sorvale::test {

// A real HTTP server on 127.0.0.1 that answers GET requests from a table of paths; anything
// else gets 404. It serves from the thread that owns it, so the test's event loop must run.
class LocalHttpServer : public QObject {
public:
    struct Response {
        int status = 200;
        QByteArray body;
    };

    LocalHttpServer();
    void serve(const QString& path, Response response) { routes_[path] = std::move(response); }
    [[nodiscard]] QUrl url(const QString& pathAndQuery) const;

private:
    void answer(class QTcpSocket* socket);

    QTcpServer server_;
    QMap<QString, Response> routes_;
};

} // namespace sorvale::test
