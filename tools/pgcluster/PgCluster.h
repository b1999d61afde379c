#pragma once

#include <QString>
#include <QTemporaryDir>

// A throw-away PostgreSQL cluster for one test program: made in a temporary folder, with
// password authentication, listening on a free port of 127.0.0.1 with its socket in that
// folder, and removed at the end. As root its programs run as the postgres user, to whom
// the folder is handed. PGPASSFILE is pointed at a password file holding the owner's
// password, as a user's ~/.pgpass would.
class PgCluster {
public:
    static inline const QString Owner = QStringLiteral("tbowner");
    static inline const QString Password = QStringLiteral("s3cret-Pw");

    // The tests want a server quickly and lose nothing if it dies, so by default it never
    // waits for the disk; a benchmark wants the server as a site office runs it, where every
    // commit reaches the disk before it is confirmed.
    enum class Durability { Throwaway, Full };

    explicit PgCluster(Durability durability = Durability::Throwaway);
    ~PgCluster();
    PgCluster(const PgCluster&) = delete;
    PgCluster& operator=(const PgCluster&) = delete;

    // Makes and starts the cluster; false with the reason in error().
    [[nodiscard]] bool start();
    [[nodiscard]] bool stop(bool immediate = false);
    [[nodiscard]] bool restart();
    [[nodiscard]] const QString& error() const { return m_error; }
    [[nodiscard]] int port() const { return m_port; }

    // Makes an empty database owned by `owner` and returns its address for the owner.
    [[nodiscard]] QString createDatabase(const QString& name, const QString& owner = Owner);
    // Runs SQL as the cluster's owner in database `database`; false on failure.
    [[nodiscard]] bool run(const QString& database, const QString& sql);
    [[nodiscard]] QString address(const QString& database, const QString& user = Owner) const;

private:
    [[nodiscard]] bool tool(const QString& program, const QStringList& args);

    QTemporaryDir m_dir;
    QString m_error;
    Durability m_durability;
    int m_port = 0;
    bool m_running = false;
};
