#pragma once

#include <QString>

class QVariant;

// Turns the statements the program is written in (bracketed names, single-quoted texts,
// val(), #date# literals, "delete * from", "Insert Into [t] in 'file' select ...") into
// statements SQLite runs. SQLite already takes bracketed names, single-quoted texts and
// non-ASCII bare names; val() is a function registered on every connection (FileStore).
// Only the remaining forms are rewritten, and never inside quoted texts or brackets.
// Another engine rewrites more through a Rewrite of its own (ServerDialect).
class JetSql {
public:
    // The pieces of a statement an engine may read differently from SQLite.
    enum class Piece { Bracketed, DoubleQuoted, Word };
    // Returns the engine's text for a piece, given as written (with its brackets or quotes).
    using Rewrite = QString (*)(Piece piece, const QString& text);

    struct Translation {
        QString sql;
        // Non-empty when the statement writes into another database file: the caller
        // attaches that file as AttachedSchema for the statement and detaches it afterwards.
        QString attachFile;
    };

    static inline const QString AttachedSchema = QStringLiteral("jet_in");

    [[nodiscard]] static Translation translate(const QString& jetSql, Rewrite rewrite = nullptr);

    // Whether a value bound to a statement stands for SQL NULL: no value, or a null text.
    [[nodiscard]] static bool isNull(const QVariant& value);

    // A text as a single-quoted SQL literal, inner quotes doubled.
    [[nodiscard]] static QString quoted(const QString& text);

    // The text of a #...# literal as the stored date form: yyyy-mm-dd, with " hh:nn:ss"
    // when a time is given. Month/day/year literals are read in that order, as the
    // statement language defines them. Anything else is kept as written.
    [[nodiscard]] static QString dateLiteralText(const QString& inner);
};
