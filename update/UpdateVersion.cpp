#include "update/UpdateVersion.h"

#include <cmath>

namespace {

QString unquoted(QString value) {
    value = value.trimmed();
    if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
        value = value.mid(1, value.size() - 2);
    return value;
}

} // namespace

QString UpdateVersion::FormatPart(const QString& value) {
    bool ok = false;
    const double number = value.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return value;
    // Rounded in floating point so that a huge figure cannot overflow an integer.
    const QString digits = QString::number(std::round(std::abs(number)), 'f', 0);
    return (number <= -0.5 ? QStringLiteral("-") : QString()) +
           digits.rightJustified(4, QLatin1Char('0'));
}

QStringList UpdateVersion::Parts(const QVersionNumber& version) {
    return {FormatPart(QString::number(version.majorVersion())),
            FormatPart(QString::number(version.minorVersion())),
            FormatPart(QString::number(version.microVersion()))};
}

std::optional<QStringList> UpdateVersion::ReadVersionFile(const QByteArray& content) {
    QString text = QString::fromUtf8(content);
    // A file saved by a Windows editor may start with a byte order mark.
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QStringList values;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.trimmed().isEmpty())
            continue;
        for (const QString& field : line.split(QLatin1Char(','))) {
            const QString value = unquoted(field);
            // An empty field is a missing value, not a version part.
            if (value.isEmpty())
                return std::nullopt;
            values.append(FormatPart(value));
            if (values.size() == 3)
                return values;
        }
    }
    return std::nullopt;
}

bool UpdateVersion::IsUpdateNeeded(const QStringList& current, const QStringList& online) {
    return current.join(QLatin1Char('.')) < online.join(QLatin1Char('.'));
}
