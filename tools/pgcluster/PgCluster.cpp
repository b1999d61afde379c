#include "tools/pgcluster/PgCluster.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTcpServer>

#include <pwd.h>
#include <unistd.h>

namespace {

const QString BinFolder = QStringLiteral("/usr/lib/postgresql/15/bin/");

bool asRoot() {
    return geteuid() == 0;
}

} // namespace

PgCluster::PgCluster(Durability durability)
    : m_dir(QStringLiteral("/tmp/tb_pg_XXXXXX")), m_durability(durability) {}

PgCluster::~PgCluster() {
    if (m_running)
        (void)stop(true);
}

bool PgCluster::tool(const QString& program, const QStringList& args) {
    QProcess p;
    if (asRoot())
        p.start(QStringLiteral("runuser"),
                QStringList{QStringLiteral("-u"), QStringLiteral("postgres"), QStringLiteral("--"),
                            BinFolder + program} +
                    args);
    else
        p.start(BinFolder + program, args);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        m_error = program + QStringLiteral(" failed: ") + p.errorString() + QLatin1Char('\n') +
                  QString::fromLocal8Bit(p.readAllStandardError() + p.readAllStandardOutput());
        QFile log(m_dir.filePath(QStringLiteral("server.log")));
        if (log.open(QIODevice::ReadOnly))
            m_error += QString::fromLocal8Bit(log.readAll().right(4000));
        return false;
    }
    return true;
}

bool PgCluster::start() {
    if (!QFileInfo(BinFolder + QStringLiteral("initdb")).isExecutable()) {
        m_error = QStringLiteral("no PostgreSQL 15 server programs in ") + BinFolder;
        return false;
    }
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("no temporary folder");
        return false;
    }
    {
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost, 0)) {
            m_error = QStringLiteral("no free port");
            return false;
        }
        m_port = probe.serverPort();
    }
    const QString pwFile = m_dir.filePath(QStringLiteral("pw"));
    QFile pw(pwFile);
    if (!pw.open(QIODevice::WriteOnly) || pw.write(Password.toUtf8() + '\n') < 0)
        return m_error = QStringLiteral("cannot write the password file"), false;
    pw.close();
    if (asRoot()) {
        const passwd* user = getpwnam("postgres");
        if (!user)
            return m_error = QStringLiteral("no postgres user"), false;
        for (const QString& path : {m_dir.path(), pwFile})
            if (chown(QFile::encodeName(path).constData(), user->pw_uid, user->pw_gid) != 0)
                return m_error = QStringLiteral("cannot hand the folder to postgres"), false;
    }
    // The client side: a password file for the owner, as ~/.pgpass would hold it.
    const QString pgpass = m_dir.filePath(QStringLiteral("client.pgpass"));
    QFile client(pgpass);
    if (!client.open(QIODevice::WriteOnly) ||
        client.write(QStringLiteral("127.0.0.1:%1:*:%2:%3\n").arg(m_port).arg(Owner, Password).toUtf8()) < 0)
        return m_error = QStringLiteral("cannot write the client password file"), false;
    client.close();
    client.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    qputenv("PGPASSFILE", QFile::encodeName(pgpass));

    const QString data = m_dir.filePath(QStringLiteral("data"));
    if (!tool(QStringLiteral("initdb"),
              {QStringLiteral("-D"), data, QStringLiteral("-U"), Owner,
               QStringLiteral("--pwfile=") + pwFile, QStringLiteral("--auth=scram-sha-256"),
               QStringLiteral("-E"), QStringLiteral("UTF8"), QStringLiteral("--locale=C.UTF-8")}))
        return false;
    return restart();
}

bool PgCluster::stop(bool immediate) {
    m_running = false;
    return tool(QStringLiteral("pg_ctl"),
                {QStringLiteral("-D"), m_dir.filePath(QStringLiteral("data")), QStringLiteral("-m"),
                 immediate ? QStringLiteral("immediate") : QStringLiteral("fast"),
                 QStringLiteral("-w"), QStringLiteral("stop")});
}

bool PgCluster::restart() {
    QString options = QStringLiteral("-p %1 -k %2 -c listen_addresses=127.0.0.1 "
                                     "-c max_connections=60")
                          .arg(m_port)
                          .arg(m_dir.path());
    if (m_durability == Durability::Throwaway)
        options += QStringLiteral(" -c fsync=off");
    m_running = tool(QStringLiteral("pg_ctl"),
                     {QStringLiteral("-D"), m_dir.filePath(QStringLiteral("data")),
                      QStringLiteral("-o"), options, QStringLiteral("-l"),
                      m_dir.filePath(QStringLiteral("server.log")), QStringLiteral("-w"),
                      QStringLiteral("start")});
    return m_running;
}

QString PgCluster::address(const QString& database, const QString& user) const {
    return QStringLiteral("postgresql://%1@127.0.0.1:%2/%3").arg(user).arg(m_port).arg(database);
}

bool PgCluster::run(const QString& database, const QString& sql) {
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("pgcluster"));
        db.setHostName(QStringLiteral("127.0.0.1"));
        db.setPort(m_port);
        db.setDatabaseName(database);
        db.setUserName(Owner);
        db.setPassword(Password);
        if (db.open()) {
            QSqlQuery q(db);
            ok = q.exec(sql);
            if (!ok)
                m_error = q.lastError().text();
        } else {
            m_error = db.lastError().text();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("pgcluster"));
    return ok;
}

QString PgCluster::createDatabase(const QString& name, const QString& owner) {
    if (!run(QStringLiteral("postgres"),
             QStringLiteral("create database \"%1\" owner \"%2\"").arg(name, owner)))
        return {};
    return address(name, owner);
}
