#pragma once

#include <QByteArray>
#include <QString>

// The addresses of the two update servers: the bootstrap server, which only names the
// update server, and the update folder on that server.
namespace UpdateAddress {

// The update server's address in a bootstrap reply: the reply without its CR LF pairs and
// without "SVR2IP=", stripped of surrounding blanks and line ends. Empty unless that is a
// bare host name or IPv4 address.
[[nodiscard]] QString ServerAddress(const QByteArray& reply);
// "http://" + address + ":81/updateOnline/qk_vez2.1".
[[nodiscard]] QString BaseUrl(const QString& address);
// Where the bootstrap reply is fetched, for a host with an optional port.
[[nodiscard]] QString BootstrapUrl(const QString& hostAndPort);
// True when a host with an optional port names this machine.
[[nodiscard]] bool IsLoopbackHost(const QString& hostAndPort);

} // namespace UpdateAddress
