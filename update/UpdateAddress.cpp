#include "update/UpdateAddress.h"

#include <QHostAddress>
#include <QUrl>

QString UpdateAddress::ServerAddress(const QByteArray& reply) {
    QString text = QString::fromUtf8(reply);
    text.remove(QStringLiteral("\r\n"));
    text.remove(QStringLiteral("SVR2IP="));
    // A server that ends its line with a bare LF must not leave it in the address.
    return text.trimmed();
}

QString UpdateAddress::BaseUrl(const QString& address) {
    return QStringLiteral("http://") + address + QStringLiteral(":81/updateOnline/qk_vez2.1");
}

QString UpdateAddress::BootstrapUrl(const QString& hostAndPort) {
    return QStringLiteral("http://") + hostAndPort + QStringLiteral("/svr2ip.txt");
}

bool UpdateAddress::IsLoopbackHost(const QString& hostAndPort) {
    const QString host = QUrl(QStringLiteral("http://") + hostAndPort).host();
    if (host == QLatin1String("localhost"))
        return true;
    QHostAddress address;
    return address.setAddress(host) && address.isLoopback();
}
