#pragma once

#include "store/StoreResult.h"

#include <QString>

// Changes to the whole of 表1 and to the database file as a whole: emptying, deleting one
// sensor or one upload, backing the file up, and appending the readings of a backup.
class ReadingsMaintenance {
public:
    // The longest text a reading's cell may hold in a backup; the program writes at most 19
    // characters (a date-time).
    static constexpr int MaxReadingText = 64;

    [[nodiscard]] static StoreResult clearAll(const QString& dbPath);
    // Deletes every reading whose sensor number has this value (12 takes 012 and 12.0 too).
    [[nodiscard]] static StoreResult deleteSensor(const QString& dbPath, double number);
    // Deletes every reading of the upload with exactly this date-time text.
    [[nodiscard]] static StoreResult deleteUpload(const QString& dbPath, const QString& dateTime);

    // Copies the database to the file `target`, replacing a file already there. The copy is
    // whole and consistent even if another connection is reading or a crashed save left its
    // journal behind, and it is built beside the target and renamed into place, so a
    // failure never leaves half a file.
    [[nodiscard]] static StoreResult backup(const QString& dbPath, const QString& target);

    // Appends every reading of the backup file's 表1 to the database, duplicates included:
    // all of them or none. A file that is not a database or has no table 表1 with the three
    // reading columns gives NotAReadingsFile; one that is missing, locked, damaged or holds
    // texts the program never writes gives "操作失败！" with the reason on the next line.
    // Either way nothing changes. A failure of a backup says the same way why.
    [[nodiscard]] static StoreResult importFrom(const QString& dbPath, const QString& backupFile);
};
