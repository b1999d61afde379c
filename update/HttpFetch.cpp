#include "update/HttpFetch.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

HttpFetch::HttpFetch(int timeoutMs, QObject* parent) : QObject(parent), m_timeoutMs(timeoutMs) {}

HttpFetch::~HttpFetch() {
    // Transfers still running end with the manager; their callbacks must not reach an
    // owner that is being destroyed.
    const auto replies = m_manager.findChildren<QNetworkReply*>();
    for (QNetworkReply* reply : replies)
        disconnect(reply, nullptr, this, nullptr);
}

void HttpFetch::get(const QUrl& url, Done done) {
    QNetworkRequest request(url);
    request.setTransferTimeout(m_timeoutMs);
    QNetworkReply* reply = m_manager.get(request);
    connect(reply, &QNetworkReply::finished, this, [reply, done = std::move(done)] {
        reply->deleteLater();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (reply->error() != QNetworkReply::NoError || status < 200 || status > 299)
            done(std::nullopt);
        else
            done(reply->readAll());
    });
}
