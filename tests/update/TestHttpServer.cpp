#include "tests/update/TestHttpServer.h"

#include <QHostAddress>
#include <QSslServer>
#include <QTcpSocket>
#include <QTimer>

namespace {

// Without a length, the body lasts until the connection closes.
QByteArray head(const QByteArray& status, qint64 length, const QByteArray& more = {}) {
    const QByteArray announced =
        length < 0 ? QByteArray() : "Content-Length: " + QByteArray::number(length) + "\r\n";
    return "HTTP/1.1 " + status + "\r\n" + announced + more + "Connection: close\r\n\r\n";
}

} // namespace

TestHttpServer::TestHttpServer(bool silent, const QSslConfiguration* tls)
    : m_silent(silent), m_tls(tls != nullptr) {
    if (tls) {
        auto* server = new QSslServer;
        server->setSslConfiguration(*tls);
        m_server.reset(server);
    } else {
        m_server = std::make_unique<QTcpServer>();
    }
    if (!m_server->listen(QHostAddress::LocalHost, 0))
        qFatal("the test server cannot listen");
    connect(m_server.get(), &QTcpServer::pendingConnectionAvailable, this, [this] {
        while (QTcpSocket* socket = m_server->nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            if (!m_silent)
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
        }
    });
}

TestHttpServer::~TestHttpServer() = default;

void TestHttpServer::serve(const QString& path, const QByteArray& body) {
    m_answers.insert(path, {head("200 OK", body.size()), body});
}

void TestHttpServer::redirect(const QString& path, const QString& location) {
    m_answers.insert(path, {head("302 Found", 0, "Location: " + location.toUtf8() + "\r\n"), {}});
}

void TestHttpServer::drip(const QString& path, qint64 announced) {
    m_answers.insert(path, {head("200 OK", announced), {}, true});
}

QString TestHttpServer::hostAndPort() const {
    return QStringLiteral("127.0.0.1:%1").arg(m_server->serverPort());
}

QString TestHttpServer::url(const QString& path) const {
    return (m_tls ? QStringLiteral("https://") : QStringLiteral("http://")) + hostAndPort() + path;
}

void TestHttpServer::answer(QTcpSocket* socket) {
    if (!socket->canReadLine())
        return;
    // One request per connection: the rest of its headers need no answer.
    disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
    const QList<QByteArray> request = socket->readLine().split(' ');
    const QString path = QString::fromLatin1(request.value(1));
    m_requested.append(path);
    const QByteArray missing("<html>not here</html>");
    const Answer a = m_answers.value(path, {head("404 Not Found", missing.size()), missing});
    socket->write(a.head + a.body);
    if (a.drips)
        dripInto(socket);
    else
        socket->disconnectFromHost();
}

void TestHttpServer::dripInto(QTcpSocket* socket) {
    auto* timer = new QTimer(socket);
    connect(timer, &QTimer::timeout, socket, [socket] { socket->write("x"); });
    timer->start(20);
}
