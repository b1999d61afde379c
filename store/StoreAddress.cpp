#include "store/StoreAddress.h"

#include "common/AppSettings.h"
#include "common/Module1.h"

#include <QFileInfo>
#include <QHash>
#include <QUrl>
#include <QUrlQuery>

#include <mutex>

namespace {

const QString Section = QStringLiteral("数据库");

std::mutex g_passwordsMutex;
QHash<QString, QString>& sessionPasswords() {
    static QHash<QString, QString> passwords;
    return passwords;
}

bool namesServer(const QString& text) {
    return text.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive) ||
           text.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

QString setting(const char* key) {
    return AppSettings::GetSetting(Module1::AppTitle, Section, QString::fromLatin1(key));
}

} // namespace

StoreAddress::StoreAddress(const QString& text) : m_text(text) {
    if (!namesServer(text))
        return;
    m_server = true;
    const QUrl url(text.trimmed());
    m_host = url.host();
    m_port = url.port(DefaultPort);
    m_database = url.path().mid(1);
    m_user = url.userName();
    const QString mode = QUrlQuery(url).queryItemValue(QStringLiteral("sslmode"));
    if (!mode.isEmpty())
        m_sslMode = mode;
    if (!url.password().isEmpty())
        rememberPassword(url.password());
}

QStringList StoreAddress::sslModes() {
    return {QStringLiteral("disable"), QStringLiteral("allow"), QStringLiteral("prefer"),
            QStringLiteral("require"), QStringLiteral("verify-ca"), QStringLiteral("verify-full")};
}

StoreAddress StoreAddress::server(const QString& host, int port, const QString& database,
                                  const QString& user, const QString& sslMode) {
    StoreAddress a;
    a.m_server = true;
    a.m_host = host.trimmed();
    a.m_port = port > 0 ? port : DefaultPort;
    a.m_database = database.trimmed();
    a.m_user = user.trimmed();
    if (!sslMode.trimmed().isEmpty())
        a.m_sslMode = sslMode.trimmed();
    a.m_text = a.text();
    return a;
}

QString StoreAddress::text() const {
    if (!m_server)
        return m_text;
    QUrl url;
    url.setScheme(Scheme);
    url.setHost(m_host);
    url.setPort(m_port);
    url.setUserName(m_user);
    url.setPath(QLatin1Char('/') + m_database);
    if (m_sslMode != DefaultSslMode)
        url.setQuery(QStringLiteral("sslmode=") + m_sslMode);
    return url.toString(QUrl::FullyEncoded);
}

QString StoreAddress::serverName() const {
    return QStringLiteral("%1:%2/%3").arg(m_host).arg(m_port).arg(m_database);
}

bool StoreAddress::exists() const {
    return m_server || QFileInfo::exists(m_text);
}

QString StoreAddress::displayName() const {
    if (!m_server)
        return QStringLiteral("数据库：本机文件");
    return QStringLiteral("数据库：服务器 ") + serverName();
}

QString StoreAddress::sessionKey() const {
    return m_user + QLatin1Char('@') + serverName();
}

QString StoreAddress::password() const {
    const std::lock_guard<std::mutex> lock(g_passwordsMutex);
    return sessionPasswords().value(sessionKey());
}

void StoreAddress::rememberPassword(const QString& password) const {
    const std::lock_guard<std::mutex> lock(g_passwordsMutex);
    sessionPasswords().insert(sessionKey(), password);
}

bool StoreAddress::environmentOverrides() {
    return !qEnvironmentVariable(EnvironmentVariable).trimmed().isEmpty();
}

StoreAddress StoreAddress::savedServer() {
    bool ok = false;
    const int port = setting("Port").toInt(&ok);
    return server(setting("Host"), ok ? port : DefaultPort, setting("Database"),
                  setting("User"), setting("SslMode"));
}

StoreAddress StoreAddress::chosen(const QString& localFile) {
    if (environmentOverrides())
        return StoreAddress(qEnvironmentVariable(EnvironmentVariable).trimmed());
    if (setting("Store") == Scheme) {
        const StoreAddress saved = savedServer();
        if (!saved.host().isEmpty() && !saved.database().isEmpty())
            return saved;
    }
    return StoreAddress(localFile);
}

bool StoreAddress::saveChoice(const StoreAddress& address) {
    bool saved = true;
    const auto save = [&saved](const char* key, const QString& value) {
        saved = AppSettings::SaveSetting(Module1::AppTitle, Section, QString::fromLatin1(key),
                                         value) &&
                saved;
    };
    save("Store", address.isServer() ? Scheme : QStringLiteral("file"));
    if (!address.isServer())
        return saved;
    save("Host", address.host());
    save("Port", QString::number(address.port()));
    save("Database", address.database());
    save("User", address.user());
    save("SslMode", address.sslMode());
    return saved;
}
