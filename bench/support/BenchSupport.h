#pragma once

#include <QString>
#include <QStringList>

// What the benchmarks share: the readings they store, the folder and size given on the
// command line, and the SQLite shell they are measured against.
namespace Bench {

// Where a benchmark keeps its files and how many uploads of 999 readings it builds.
struct Options {
    QString dir;
    int uploads = 1000;
};
// `--dir DIR` and `--uploads N`; the folder defaults to `defaultDir` in the temporary folder.
[[nodiscard]] Options ParseOptions(const QStringList& args, const QString& defaultDir);

// The date-time of upload `upload`: six hours apart from 2008-01-01 08:00:00.
[[nodiscard]] QString StampOf(int upload);
// The reading of sensor `number` in upload `upload`; with faults every 97th is "E1".
[[nodiscard]] QString TemperatureOf(int upload, int number, bool faults = false);
// Makes (or keeps, when it already holds them) a database of `uploads` x 999 readings.
[[nodiscard]] bool BuildReadings(const QString& path, int uploads, bool faults = false);

// Replaces `to` with a copy of `from`; false when it could not.
bool CopyFile(const QString& from, const QString& to);

// The SQLite shell on `db`, with val() loaded from `extension` when one is named, running
// `commands` (each an argument: a statement or a dot-command); the wall time in ms, or -1.
[[nodiscard]] double ShellMs(const QString& extension, const QString& db,
                             const QStringList& commands);

// One line: our time, the reference's, their ratio and the target.
void Report(const char* what, double ours, double reference, const char* limit);

} // namespace Bench
