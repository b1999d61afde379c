#include "update/HttpFetch.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

HttpFetch::HttpFetch(int timeoutMs, int deadlineMs, QObject* parent)
    : QObject(parent), m_timeoutMs(timeoutMs) {
    m_manager.setRedirectPolicy(QNetworkRequest::SameOriginRedirectPolicy);
    m_deadline.setSingleShot(true);
    m_deadline.setInterval(deadlineMs);
    connect(&m_deadline, &QTimer::timeout, this, &HttpFetch::deadlinePassed);
}

HttpFetch::~HttpFetch() {
    // Transfers still running end with the manager; their callbacks must not reach an
    // owner that is being destroyed.
    for (QNetworkReply* reply : std::as_const(m_running))
        disconnect(reply, nullptr, this, nullptr);
}

void HttpFetch::get(const QUrl& url, qint64 maxBytes, Done done) {
    if (m_expired) {
        QTimer::singleShot(0, this, [done = std::move(done)] { done(std::nullopt); });
        return;
    }
    if (!m_deadline.isActive())
        m_deadline.start();
    QNetworkRequest request(url);
    request.setTransferTimeout(m_timeoutMs);
    QNetworkReply* reply = m_manager.get(request);
    m_running.insert(reply);
    // The reply keeps what has arrived; stopping as soon as the limit is passed bounds it.
    connect(reply, &QNetworkReply::downloadProgress, this,
            [reply, maxBytes](qint64 got, qint64 total) {
                if (got > maxBytes || total > maxBytes)
                    reply->abort();
            });
    connect(reply, &QNetworkReply::finished, this, [this, reply, maxBytes, done = std::move(done)] {
        m_running.remove(reply);
        reply->deleteLater();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        // A body that came in one piece has finished before its progress was told.
        if (reply->error() != QNetworkReply::NoError || status < 200 || status > 299 ||
            reply->bytesAvailable() > maxBytes)
            done(std::nullopt);
        else
            done(reply->readAll());
    });
}

void HttpFetch::deadlinePassed() {
    m_expired = true;
    const QSet<QNetworkReply*> running = m_running;
    for (QNetworkReply* reply : running)
        reply->abort();
}
