#pragma once

#include "store/JetSql.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

// The program's statements as a PostgreSQL server reads them. Beyond what JetSql rewrites
// for SQLite: bracketed names become quoted names in lower case, as the server folds bare
// names, so names stay case-insensitive as they are in the statement language;
// double-quoted texts become single-quoted ones; rowid, the stored order of SQLite's rows,
// becomes the server's row position ctid. val() is a function the program creates on the
// server with its tables.
class ServerDialect {
public:
    [[nodiscard]] static JetSql::Translation translate(const QString& jetSql);

    // A name as the server stores it: quoted, ASCII letters in lower case.
    [[nodiscard]] static QString name(const QString& name);

    // Text columns sort by code point, as the file's do, whatever the database's locale
    // (the database is UTF-8, where that is byte order).
    static inline const QString TextType = QStringLiteral("text collate ucs_basic");

    // The server's literal of a text array holding values[first], values[first + step], ...;
    // a null value is a null element, any other its text exactly.
    [[nodiscard]] static QString textArray(const QVariantList& values, int first, int step);

    // val() with the rule of JetVal::leadingNumber: blanks and tabs, a sign, digits with a
    // fraction, an exponent only when digits follow; 0 when there is no number or it lies
    // outside the range of a double. Immutable, so an index may use it. The statements make
    // it (and the function it calls for rare texts) or replace an earlier version's.
    [[nodiscard]] static QStringList valFunctions();
    // An expression, true when val() exists in the form valFunctions() makes.
    [[nodiscard]] static QString valIsCurrent();
};
