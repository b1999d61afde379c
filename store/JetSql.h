#pragma once

#include <QString>

// Turns the statements the program is written in (bracketed names, single-quoted texts,
// val(), #date# literals, "delete * from", "Insert Into [t] in 'file' select ...") into
// statements SQLite runs. SQLite already takes bracketed names, single-quoted texts and
// non-ASCII bare names; val() is a function registered on every connection (StoreDb).
// Only the remaining forms are rewritten, and never inside quoted texts or brackets.
//
// For a PostgreSQL server more is rewritten: bracketed names become quoted names in lower
// case, as the server folds bare names, so names stay case-insensitive as they are in the
// statement language; double-quoted texts become single-quoted ones; rowid, the stored
// order of SQLite's rows, becomes the server's row position ctid. val() is a function the
// program creates on the server.
class JetSql {
public:
    enum class Dialect { SQLite, PostgreSQL };

    struct Translation {
        QString sql;
        // Non-empty when the statement writes into another database file: the caller
        // attaches that file as AttachedSchema for the statement and detaches it afterwards.
        QString attachFile;
    };

    static inline const QString AttachedSchema = QStringLiteral("jet_in");

    [[nodiscard]] static Translation translate(const QString& jetSql,
                                             Dialect dialect = Dialect::SQLite);

    // A name as the server stores it: quoted, ASCII letters in lower case.
    [[nodiscard]] static QString serverName(const QString& name);

    // A text as a single-quoted SQL literal, inner quotes doubled.
    [[nodiscard]] static QString quoted(const QString& text);

    // The text of a #...# literal as the stored date form: yyyy-mm-dd, with " hh:nn:ss"
    // when a time is given. Month/day/year literals are read in that order, as the
    // statement language defines them. Anything else is kept as written.
    [[nodiscard]] static QString dateLiteralText(const QString& inner);
};
