#include "store/JetSql.h"

#include <QRegularExpression>
#include <QVariant>
#include <QVector>

#include <optional>

namespace {

enum class TokenKind { Space, Quoted, Bracket, DoubleQuoted, Date, Word, Other };

struct Token {
    TokenKind kind;
    QString text;
};

bool isWordChar(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$') ||
           c.unicode() >= 0x80;
}

// Length of a token opened by `open` at `from` and closed by `close`; a doubled closing
// character inside stands for itself. Runs to the end of the text when never closed.
qsizetype delimitedLength(const QString& sql, qsizetype from, QChar close, bool doubledEscapes) {
    qsizetype i = from + 1;
    while (i < sql.size()) {
        if (sql[i] == close) {
            if (doubledEscapes && i + 1 < sql.size() && sql[i + 1] == close) {
                i += 2;
                continue;
            }
            return i - from + 1;
        }
        ++i;
    }
    return sql.size() - from;
}

QVector<Token> tokenize(const QString& sql) {
    QVector<Token> tokens;
    qsizetype i = 0;
    while (i < sql.size()) {
        const QChar c = sql[i];
        qsizetype len = 1;
        TokenKind kind = TokenKind::Other;
        if (c.isSpace()) {
            while (i + len < sql.size() && sql[i + len].isSpace())
                ++len;
            kind = TokenKind::Space;
        } else if (c == QLatin1Char('\'')) {
            len = delimitedLength(sql, i, QLatin1Char('\''), true);
            kind = TokenKind::Quoted;
        } else if (c == QLatin1Char('"')) {
            len = delimitedLength(sql, i, QLatin1Char('"'), true);
            kind = TokenKind::DoubleQuoted;
        } else if (c == QLatin1Char('[')) {
            len = delimitedLength(sql, i, QLatin1Char(']'), false);
            kind = TokenKind::Bracket;
        } else if (c == QLatin1Char('#') && sql.indexOf(QLatin1Char('#'), i + 1) > i) {
            len = sql.indexOf(QLatin1Char('#'), i + 1) - i + 1;
            kind = TokenKind::Date;
        } else if (isWordChar(c)) {
            while (i + len < sql.size() && isWordChar(sql[i + len]))
                ++len;
            kind = TokenKind::Word;
        }
        tokens.append({kind, sql.mid(i, len)});
        i += len;
    }
    return tokens;
}

bool isWord(const Token& t, const char* word) {
    return t.kind == TokenKind::Word &&
           t.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

bool isOther(const Token& t, char c) {
    return t.kind == TokenKind::Other && t.text == QLatin1Char(c);
}

QString unquote(const QString& quoted) {
    QString inner =
        quoted.mid(1, quoted.size() >= 2 && quoted.endsWith(QLatin1Char('\'')) ? quoted.size() - 2
                                                                               : quoted.size() - 1);
    return inner.replace(QStringLiteral("''"), QStringLiteral("'"));
}

std::optional<JetSql::Piece> pieceOf(TokenKind kind) {
    switch (kind) {
    case TokenKind::Bracket:
        return JetSql::Piece::Bracketed;
    case TokenKind::DoubleQuoted:
        return JetSql::Piece::DoubleQuoted;
    case TokenKind::Word:
        return JetSql::Piece::Word;
    default:
        return std::nullopt;
    }
}

// Indexes of the tokens that carry meaning (not blanks).
QVector<int> significant(const QVector<Token>& tokens) {
    QVector<int> out;
    for (int i = 0; i < tokens.size(); ++i)
        if (tokens[i].kind != TokenKind::Space)
            out.append(i);
    return out;
}

// "delete * from": the star names no column in SQLite and must go.
void dropDeleteStar(QVector<Token>& tokens) {
    const QVector<int> sig = significant(tokens);
    if (sig.size() < 3 || !isWord(tokens[sig[0]], "delete") || !isOther(tokens[sig[1]], '*') ||
        !isWord(tokens[sig[2]], "from"))
        return;
    const int star = sig[1];
    const bool spaceAfter = star + 1 < tokens.size() && tokens[star + 1].kind == TokenKind::Space;
    tokens.remove(star, spaceAfter ? 2 : 1);
}

// "Insert Into [t](cols) in 'file' select ...": the rows go into another file's table.
// Returns the file, or an empty text when the statement has no such clause.
QString takeInsertTarget(QVector<Token>& tokens) {
    const QVector<int> sig = significant(tokens);
    if (sig.size() < 5 || !isWord(tokens[sig[0]], "insert") || !isWord(tokens[sig[1]], "into"))
        return {};
    const int table = sig[2];
    if (tokens[table].kind != TokenKind::Bracket && tokens[table].kind != TokenKind::Word)
        return {};
    int next = 3;
    if (isOther(tokens[sig[next]], '(')) {
        int depth = 0;
        for (; next < sig.size(); ++next) {
            if (isOther(tokens[sig[next]], '('))
                ++depth;
            else if (isOther(tokens[sig[next]], ')') && --depth == 0)
                break;
        }
        ++next;
    }
    if (next + 1 >= sig.size() || !isWord(tokens[sig[next]], "in") ||
        tokens[sig[next + 1]].kind != TokenKind::Quoted)
        return {};
    const QString file = unquote(tokens[sig[next + 1]].text);
    // Remove "in 'file'" with the blank in front of it; keep the blank after it.
    const int from =
        sig[next] > 0 && tokens[sig[next] - 1].kind == TokenKind::Space ? sig[next] - 1 : sig[next];
    tokens.remove(from, sig[next + 1] - from + 1);
    tokens[table].text = JetSql::AttachedSchema + QLatin1Char('.') + tokens[table].text;
    return file;
}

} // namespace

bool JetSql::isNull(const QVariant& value) {
    return value.isNull() || (value.typeId() == QMetaType::QString && value.toString().isNull());
}

QString JetSql::quoted(const QString& text) {
    QString inner = text;
    inner.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + inner + QLatin1Char('\'');
}

QString JetSql::dateLiteralText(const QString& inner) {
    static const QRegularExpression iso(QStringLiteral(
        R"(^(\d{4})-(\d{1,2})-(\d{1,2})(?:\s+(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?)?$)"));
    static const QRegularExpression us(QStringLiteral(
        R"(^(\d{1,2})/(\d{1,2})/(\d{4})(?:\s+(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?)?$)"));
    const QString text = inner.trimmed();
    QString year, month, day;
    QRegularExpressionMatch m = iso.match(text);
    if (m.hasMatch()) {
        year = m.captured(1);
        month = m.captured(2);
        day = m.captured(3);
    } else if (m = us.match(text); m.hasMatch()) {
        month = m.captured(1);
        day = m.captured(2);
        year = m.captured(3);
    } else {
        return inner;
    }
    const auto two = [](const QString& digits) {
        return digits.isEmpty() ? QStringLiteral("00") : digits.rightJustified(2, QLatin1Char('0'));
    };
    QString out = year + QLatin1Char('-') + two(month) + QLatin1Char('-') + two(day);
    if (!m.captured(4).isEmpty())
        out += QLatin1Char(' ') + two(m.captured(4)) + QLatin1Char(':') + two(m.captured(5)) +
               QLatin1Char(':') + two(m.captured(6));
    return out;
}

JetSql::Translation JetSql::translate(const QString& jetSql, Rewrite rewrite) {
    QVector<Token> tokens = tokenize(jetSql);
    for (Token& t : tokens) {
        if (t.kind == TokenKind::Date)
            t.text = quoted(dateLiteralText(t.text.mid(1, t.text.size() - 2)));
        else if (const std::optional<Piece> piece = pieceOf(t.kind); rewrite && piece)
            t.text = rewrite(*piece, t.text);
    }
    dropDeleteStar(tokens);
    Translation out;
    out.attachFile = takeInsertTarget(tokens);
    for (const Token& t : tokens)
        out.sql += t.text;
    return out;
}
