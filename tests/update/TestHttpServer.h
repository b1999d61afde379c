#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTcpServer>

class QTcpSocket;

// A small HTTP server on a free port of 127.0.0.1 that serves fixed files, answers 404 for
// anything else and records the paths asked for. A silent server accepts connections and
// never answers.
class TestHttpServer : public QObject {
    Q_OBJECT

public:
    explicit TestHttpServer(bool silent = false, QObject* parent = nullptr);

    void serve(const QString& path, const QByteArray& body);
    // "127.0.0.1:<port>".
    [[nodiscard]] QString hostAndPort() const;
    [[nodiscard]] QString url(const QString& path) const;
    [[nodiscard]] const QStringList& requested() const { return m_requested; }

private:
    void answer(QTcpSocket* socket);

    QTcpServer m_server;
    QHash<QString, QByteArray> m_files;
    QStringList m_requested;
    bool m_silent;
};
