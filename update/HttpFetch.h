#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QSet>
#include <QTimer>

#include <functional>
#include <optional>

class QNetworkReply;
class QUrl;

// Fetches resources over HTTP or HTTPS (checked against the system's certificates) without
// blocking the event loop. A transfer fails when it errs, when the server answers with
// anything but a success status, when it is redirected to another server, scheme or port,
// when no data moves for the time-out, or when the body grows beyond the fetch's limit; a
// failure is never passed on as content. All fetches share one deadline, counted from the
// first: a server that drips its answer cannot hold the caller for ever.
class HttpFetch : public QObject {
    Q_OBJECT

public:
    // Called once per fetch: the whole body, or nothing when the fetch failed.
    using Done = std::function<void(std::optional<QByteArray>)>;

    HttpFetch(int timeoutMs, int deadlineMs, QObject* parent = nullptr);
    ~HttpFetch() override;

    void get(const QUrl& url, qint64 maxBytes, Done done);

private:
    void deadlinePassed();

    QNetworkAccessManager m_manager;
    int m_timeoutMs;
    QTimer m_deadline;
    bool m_expired = false;
    QSet<QNetworkReply*> m_running;
};
