#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QStringList>

#include <memory>

class QSslConfiguration;
class QTcpServer;
class QTcpSocket;

// A small HTTP server on a free port of 127.0.0.1 that serves fixed files, answers 404 for
// anything else and records the paths asked for. A silent server accepts connections and
// never answers; given a TLS configuration, it speaks HTTPS.
class TestHttpServer : public QObject {
    Q_OBJECT

public:
    explicit TestHttpServer(bool silent = false, const QSslConfiguration* tls = nullptr);
    ~TestHttpServer() override;

    void serve(const QString& path, const QByteArray& body);
    // Sends the asker of `path` on to `location`.
    void redirect(const QString& path, const QString& location);
    // Answers `path` with an endless body, one byte every 20 ms, for as long as the asker
    // waits; with `announced`, its header promises that many bytes.
    void drip(const QString& path, qint64 announced = -1);
    // "127.0.0.1:<port>".
    [[nodiscard]] QString hostAndPort() const;
    [[nodiscard]] QString url(const QString& path) const;
    [[nodiscard]] const QStringList& requested() const { return m_requested; }

private:
    struct Answer {
        QByteArray head;
        QByteArray body;
        bool drips = false;
    };

    void answer(QTcpSocket* socket);
    static void dripInto(QTcpSocket* socket);

    std::unique_ptr<QTcpServer> m_server;
    QHash<QString, Answer> m_answers;
    QStringList m_requested;
    bool m_silent;
    bool m_tls;
};
