#pragma once

#include <QString>

#include <utility>

// The outcome of a database operation: success, or a failure with the text the window
// shows. The store never shows anything itself; it hands this back and the caller decides.
class [[nodiscard]] StoreResult {
public:
    enum class Kind {
        Ok,
        // The database file is missing and could not be made, locked, unreadable, not a
        // database, or lacks one of its tables. Nothing was changed.
        CannotOpen,
        // The database server asks for a password and none is known to this run.
        NeedsPassword,
        // The connection to the database server broke during the operation; what the
        // operation had written was rolled back by the server.
        ConnectionLost,
        // A file chosen for import is not a database of readings.
        NotAReadingsFile,
        // A statement failed; the operation was rolled back.
        Failed,
    };

    StoreResult() = default;
    [[nodiscard]] static StoreResult failure(Kind kind, QString message) {
        StoreResult r;
        r.m_kind = kind;
        r.m_message = std::move(message);
        return r;
    }

    [[nodiscard]] bool ok() const { return m_kind == Kind::Ok; }
    [[nodiscard]] Kind kind() const { return m_kind; }
    // The complete text for a message box; empty on success.
    [[nodiscard]] const QString& message() const { return m_message; }

    // A database on the network that could not be reached, refused the connection or went
    // away, or a file another program holds locked: nothing was changed, and the same
    // operation may pass when tried again later.
    [[nodiscard]] bool retryable() const { return m_retryable; }
    void markRetryable() { m_retryable = true; }

private:
    Kind m_kind = Kind::Ok;
    QString m_message;
    bool m_retryable = false;
};
