#pragma once

#include <QString>
#include <QStringList>

// Where the readings are kept: a database file on this computer, or a database on a
// PostgreSQL server written as "postgresql://user@host:port/database", optionally followed
// by "?sslmode=…". Every window and
// operation is handed this one text as "the database path" and passes it on unchanged;
// only the store looks inside it (StoreDb to choose the engine, ServerStore to connect).
//
// The program never stores a password. One in the address (from the environment) is used
// as it is; otherwise libpq reads ~/.pgpass or PGPASSFILE, and a password the user types
// is kept in memory for the rest of the run.
class StoreAddress {
public:
    static inline const QString Scheme = QStringLiteral("postgresql");
    static constexpr int DefaultPort = 5432;
    // How the connection is encrypted, as libpq's sslmode: "prefer" encrypts where the server
    // offers it; "verify-full" also checks the server's certificate and name.
    static inline const QString DefaultSslMode = QStringLiteral("prefer");
    [[nodiscard]] static QStringList sslModes();
    // Overrides the stored choice, for managed sites and tests.
    static constexpr const char* EnvironmentVariable = "THERMBOOK_DATABASE_URL";

    StoreAddress() = default;
    // A text that starts with "postgresql://" or "postgres://" names a server; anything
    // else is a file path.
    explicit StoreAddress(const QString& text);
    [[nodiscard]] static StoreAddress server(const QString& host, int port,
                                             const QString& database, const QString& user,
                                             const QString& sslMode = DefaultSslMode);

    [[nodiscard]] bool isServer() const { return m_server; }
    // True when there is a store to read: a server always (the start-up prepared it), a
    // file once it has been made.
    [[nodiscard]] bool exists() const;
    [[nodiscard]] const QString& host() const { return m_host; }
    [[nodiscard]] int port() const { return m_port; }
    [[nodiscard]] const QString& database() const { return m_database; }
    [[nodiscard]] const QString& user() const { return m_user; }
    [[nodiscard]] const QString& sslMode() const { return m_sslMode; }
    // The password to connect with, if any is known to this run.
    [[nodiscard]] QString password() const;

    // The address as text, without any password: what is stored and handed around.
    [[nodiscard]] QString text() const;
    // "host:port/database" for messages.
    [[nodiscard]] QString serverName() const;
    // The status bar's words for the store in use.
    [[nodiscard]] QString displayName() const;

    // Remembers a typed password for this server until the program ends.
    void rememberPassword(const QString& password) const;

    // The store chosen in the settings, or by the environment variable, or else the local
    // file `localFile`. The settings keep the server's parts, never a password.
    [[nodiscard]] static StoreAddress chosen(const QString& localFile);
    // Stores the choice; a file address stores "use the local file". False when the
    // settings file could not be written.
    [[nodiscard]] static bool saveChoice(const StoreAddress& address);
    // The server last entered in the settings, also while the local file is chosen.
    [[nodiscard]] static StoreAddress savedServer();
    // True when the environment decides the store, so the settings are not used.
    [[nodiscard]] static bool environmentOverrides();

private:
    [[nodiscard]] QString sessionKey() const;

    bool m_server = false;
    QString m_text;
    QString m_host;
    int m_port = DefaultPort;
    QString m_database;
    QString m_user;
    QString m_sslMode = DefaultSslMode;
};
