#include "update/UpdateAddress.h"

#include <QHostAddress>
#include <QRegularExpression>
#include <QUrl>

QString UpdateAddress::ServerAddress(const QByteArray& reply) {
    QString text = QString::fromUtf8(reply);
    text.remove(QStringLiteral("\r\n"));
    text.remove(QStringLiteral("SVR2IP="));
    // A server that ends its line with a bare LF must not leave it in the address.
    text = text.trimmed();
    // The reply is put into an address: anything more than a host name or an IPv4 address
    // (a port, a path, a query, a user, a blank) would choose where the program looks.
    static const QRegularExpression bareHost(
        QStringLiteral("^[A-Za-z0-9](?:[A-Za-z0-9-]*[A-Za-z0-9])?"
                       "(?:\\.[A-Za-z0-9](?:[A-Za-z0-9-]*[A-Za-z0-9])?)*$"));
    return text.size() <= 253 && bareHost.match(text).hasMatch() ? text : QString();
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
