#include "tests/update/TestHttpServer.h"

#include <QHostAddress>
#include <QTcpSocket>

TestHttpServer::TestHttpServer(bool silent, QObject* parent) : QObject(parent), m_silent(silent) {
    if (!m_server.listen(QHostAddress::LocalHost, 0))
        qFatal("the test server cannot listen");
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            socket->setParent(this);
            if (!m_silent)
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
        }
    });
}

void TestHttpServer::serve(const QString& path, const QByteArray& body) {
    m_files.insert(path, body);
}

QString TestHttpServer::hostAndPort() const {
    return QStringLiteral("127.0.0.1:%1").arg(m_server.serverPort());
}

QString TestHttpServer::url(const QString& path) const {
    return QStringLiteral("http://") + hostAndPort() + path;
}

void TestHttpServer::answer(QTcpSocket* socket) {
    if (!socket->canReadLine())
        return;
    // One request per connection: the rest of its headers need no answer.
    disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
    const QList<QByteArray> request = socket->readLine().split(' ');
    const QString path = QString::fromLatin1(request.value(1));
    m_requested.append(path);
    const bool found = m_files.contains(path);
    const QByteArray body = found ? m_files.value(path) : QByteArray("<html>not here</html>");
    socket->write((found ? "HTTP/1.1 200 OK\r\n" : "HTTP/1.1 404 Not Found\r\n") +
                  QByteArray("Content-Length: ") + QByteArray::number(body.size()) +
                  "\r\nConnection: close\r\n\r\n" + body);
    socket->disconnectFromHost();
}
