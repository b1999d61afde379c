#pragma once

#include "store/StoreResult.h"

#include <QString>

// Changes to the whole of 表1 and to the database file as a whole: emptying, deleting one
// sensor or one upload, backing the file up, and appending the readings of a backup.
class ReadingsMaintenance {
public:
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

    // Appends every reading of the backup file's 表1 to the database, duplicates included,
    // in one statement: all of them or none. A file that is not a database or has no table
    // 表1 with the three reading columns gives NotAReadingsFile and nothing changes.
    [[nodiscard]] static StoreResult importFrom(const QString& dbPath, const QString& backupFile);
};
