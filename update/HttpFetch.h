#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>

#include <functional>
#include <optional>

class QUrl;

// Fetches resources over HTTP without blocking the event loop. A transfer fails when it
// errs, when the server answers with anything but a success status, or when no data moves
// for the time-out; a failure is never passed on as content.
class HttpFetch : public QObject {
    Q_OBJECT

public:
    // Called once per fetch: the whole body, or nothing when the fetch failed.
    using Done = std::function<void(std::optional<QByteArray>)>;

    explicit HttpFetch(int timeoutMs, QObject* parent = nullptr);
    ~HttpFetch() override;

    void get(const QUrl& url, Done done);

private:
    QNetworkAccessManager m_manager;
    int m_timeoutMs;
};
