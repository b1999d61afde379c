#pragma once

#include <QString>

#include <functional>

// How an export ended, for the window to tell the user.
struct ExportResult {
    enum class Kind {
        Written,
        // The statement gave no rows; nothing was written.
        NoData,
        // The database could not be read; `message` says why. Nothing was written.
        ReadFailed,
        // The template is missing or cannot be used; `message` says why, naming it.
        // Nothing was written.
        BadTemplate,
        // The target cannot be written; `message` holds the file's error where there is
        // one. Nothing was written.
        CannotWrite,
    };

    Kind kind = Kind::Written;
    QString message;
    // Rows the sheet had no room for (the format ends at row 1048576); they are not in
    // the file.
    qint64 rowsLeftOut = 0;
};

// Called with the rows done so far and the rows in all: once with 0 when the rows have been
// counted, then after every row.
using ExportProgress = std::function<void(qint64 done, qint64 total)>;
