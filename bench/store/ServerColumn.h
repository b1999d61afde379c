#pragma once

#include "tools/pgcluster/PgCluster.h"

#include <QString>

// The PostgreSQL column of the store benchmark: a server started for the run and kept as a
// site office keeps one (every commit on the disk before it is confirmed), holding the same
// readings as the file. The program's save of one upload, the views, the upload-time list
// and the grouping run are timed beside psql running the same statements on the same
// server.
class ServerColumn {
public:
    // Uploads `uploads` x 999 readings; `program` is the benchmark itself, run as the view's
    // child process; files go to `dir`; `fileGroupingMs` is the grouping run's time on the
    // file of the same readings, which the server's is set against.
    ServerColumn(QString dir, int uploads, QString program, double fileGroupingMs);

    // Prints the column's figures, or one line saying why there are none.
    void run();

private:
    [[nodiscard]] bool fill();
    void save();
    void view();
    void uploadTimes();
    void grouping();
    // psql on the bench database, running statements in the program's SQL form (translated
    // for the server) or backslash commands as they are.
    [[nodiscard]] double psql(const QStringList& commands) const;
    // A statement in the program's SQL form as the server is given it.
    [[nodiscard]] QString serverSql(const QString& sql) const;

    QString m_dir;
    int m_uploads;
    QString m_program;
    double m_fileGroupingMs;
    PgCluster m_cluster{PgCluster::Durability::Full};
    QString m_address;
};
