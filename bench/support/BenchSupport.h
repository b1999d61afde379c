#pragma once

#include "store/StoreResult.h"
#include "store/UploadSaver.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <vector>

// What the benchmarks share: the readings and groups they store, the folder and size given
// on the command line, and the SQLite shell and psql they are measured against.
namespace Bench {

// Where a benchmark keeps its files and how many uploads of 999 readings it builds: the
// database built once and kept (base.mdb), the copy the program works on (数据库.mdb) and the
// copy the reference works on (shell.mdb).
struct Options {
    QString dir;
    int uploads = 1000;
    QString base;
    QString work;
    QString shellWork;
};
// `--dir DIR` and `--uploads N`; the folder defaults to `defaultDir` in the temporary folder.
[[nodiscard]] Options ParseOptions(const QStringList& args, const QString& defaultDir);

// The date-time of upload `upload`: six hours apart from 2008-01-01 08:00:00.
[[nodiscard]] QString StampOf(int upload);
// The reading of sensor `number` in upload `upload`; with faults every 97th is "E1".
[[nodiscard]] QString TemperatureOf(int upload, int number, bool faults = false);
// The 999 readings of upload `upload` as the program saves them, sensor 999 first.
[[nodiscard]] QVector<UploadSaver::Reading> ReadingsOf(int upload, bool faults = false);
// Saves upload `upload` through UploadSaver into the store at `address`; its time in ms, or
// -1 (and a line saying why) when the save fails.
[[nodiscard]] double TimedSave(const QString& address, int upload);
// Makes (or keeps, when it already holds them) a database of `uploads` x 999 readings.
[[nodiscard]] bool BuildReadings(const QString& path, int uploads, bool faults = false);
// The number of rows in `table` of the database at `path`; -1 when it cannot be read.
[[nodiscard]] qint64 RowCount(const QString& path, const QString& table);
// Stores 125 groups of 8 sensors, 1 to 1000, in the database at `path`.
[[nodiscard]] StoreResult SaveGroups(const QString& path);
// The station records (测量数据) in the order `orderBy` gives, as one digest, and their
// number in `rows`; an empty digest when they cannot be read.
[[nodiscard]] QByteArray RecordsDigest(const QString& path, const QString& orderBy, qint64& rows);

// Replaces `to` with a copy of `from`; false when it could not.
bool CopyFile(const QString& from, const QString& to);

// The SQLite shell on `db`, with val() loaded from `extension` when one is named, running
// `commands` (each an argument: a statement or a dot-command); the wall time in ms, or -1.
[[nodiscard]] double ShellMs(const QString& extension, const QString& db,
                             const QStringList& commands);

// The psql program, or an empty text when none is installed.
[[nodiscard]] QString PsqlProgram();
// psql on the server database `address`, running `commands` (each a statement or a
// backslash command such as "\i script"); the wall time in ms, or -1. What it prints is
// thrown away, or kept in `output` when one is given.
[[nodiscard]] double PsqlMs(const QString& address, const QStringList& commands,
                            QByteArray* output = nullptr);

// The middle one of `values`; 0 when there are none.
[[nodiscard]] double Median(std::vector<double> values);
// Our time and the reference's, each the median of `runs` runs taken in turns, since one run
// on a shared machine can be off by half. Each function is handed the run's number and
// returns its time in ms.
struct Timings {
    double ours = 0;
    double reference = 0;
};
[[nodiscard]] Timings MedianRuns(int runs, const std::function<double(int)>& ours,
                                 const std::function<double(int)>& reference);

// Prints how the engine of `db` plans `sql` (in the program's SQL form), a line per step.
void PrintPlan(const QString& db, const QString& sql);

// One line: our time, the reference's (named `reference`), their ratio and the target.
void Report(const char* what, double ours, double referenceMs, const char* limit,
            const char* reference = "shell");

} // namespace Bench
