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

QString ServerDialect::valFunction() {
    // Short plain numbers convert directly; only an exponent or a very long number can leave
    // the range of a double, and only those pay for catching the conversion's error.
    return QStringLiteral(
        "create or replace function val(t text) returns double precision "
        "language plpgsql immutable strict parallel safe as $val$\n"
        "declare m text := substring(t from "
        "'^[ \\t]*([+-]?(?:[0-9]+(?:\\.[0-9]*)?|\\.[0-9]+)(?:[eE][+-]?[0-9]+)?)');\n"
        "begin\n"
        "  if m is null then return 0; end if;\n"
        "  if length(m) < 300 and m !~* 'e' then return m::double precision; end if;\n"
        "  begin\n"
        "    return m::double precision;\n"
        "  exception when others then return 0;\n"
        "  end;\n"
        "end $val$");
}
