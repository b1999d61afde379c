#include "store/ServerDialect.h"

namespace {

QString rewrite(JetSql::Piece piece, const QString& text) {
    switch (piece) {
    case JetSql::Piece::Bracketed:
        return ServerDialect::name(
            text.mid(1, text.endsWith(QLatin1Char(']')) ? text.size() - 2 : text.size() - 1));
    case JetSql::Piece::DoubleQuoted:
        return JetSql::quoted(
            text.mid(1, text.size() - 2).replace(QStringLiteral("\"\""), QStringLiteral("\"")));
    case JetSql::Piece::Word:
        return text.compare(QLatin1String("rowid"), Qt::CaseInsensitive) == 0
                   ? QStringLiteral("ctid")
                   : text;
    }
    return text;
}

} // namespace

JetSql::Translation ServerDialect::translate(const QString& jetSql) {
    return JetSql::translate(jetSql, rewrite);
}

QString ServerDialect::name(const QString& name) {
    QString lower = name;
    for (QChar& c : lower)
        if (c.unicode() < 0x80)
            c = c.toLower();
    return QLatin1Char('"') + lower.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

QString ServerDialect::textArray(const QVariantList& values, int first, int step) {
    QString array = QStringLiteral("{");
    for (qsizetype i = first; i < values.size(); i += step) {
        if (i > first)
            array += QLatin1Char(',');
        const QVariant& v = values[i];
        if (JetSql::isNull(v)) {
            array += QStringLiteral("NULL");
            continue;
        }
        // Inside the quotes only a quote and a backslash stand for anything but themselves.
        QString text = v.toString();
        text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
        text.replace(QLatin1Char('"'), QStringLiteral("\\\""));
        array += QLatin1Char('"') + text + QLatin1Char('"');
    }
    return array + QLatin1Char('}');
}

QStringList ServerDialect::valFunctions() {
    // Most texts hold a short number without an exponent, which converts directly; the
    // function is plain SQL, so the server writes its body into every statement instead of
    // calling it per row. Only a text with an "e" or a very long one, which may leave the
    // range of a double, goes to val_wide(), which pays for catching the conversion's error.
    const QString number =
        QStringLiteral("'^[ \\t]*([+-]?(?:[0-9]+(?:\\.[0-9]*)?|\\.[0-9]+)(?:[eE][+-]?[0-9]+)?)'");
    return {QStringLiteral("create or replace function val_wide(t text) returns double precision "
                           "language plpgsql immutable strict parallel safe as $val$\n"
                           "declare m text := substring(t from %1);\n"
                           "begin\n"
                           "  if m is null then return 0; end if;\n"
                           "  return m::double precision;\n"
                           "exception when others then return 0;\n"
                           "end $val$")
                .arg(number),
            QStringLiteral("create or replace function val(t text) returns double precision "
                           "language sql immutable parallel safe as $val$\n"
                           "select case when t is null then null "
                           "when length(t) >= 300 or strpos(t, 'e') > 0 or strpos(t, 'E') > 0 "
                           "then val_wide(t) "
                           "else coalesce(substring(t from %1)::double precision, 0) end $val$")
                .arg(number)};
}

QString ServerDialect::valIsCurrent() {
    return QStringLiteral("coalesce((select l.lanname = 'sql' from pg_proc p join pg_language l "
                          "on l.oid = p.prolang where p.oid = to_regprocedure('val(text)')), "
                          "false)");
}
