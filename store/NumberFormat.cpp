#include "store/NumberFormat.h"

#include <QRegularExpression>

#include <cmath>

bool NumberFormat::isNumeric(const QString& text, double* value) {
    static const QRegularExpression number(
        QStringLiteral(R"(^\s*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?\s*$)"));
    if (!number.match(text).hasMatch())
        return false;
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    if (value)
        *value = v;
    return true;
}

double NumberFormat::roundHalfAway(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    // Nudge by a few units in the last place: the double nearest to a written x.xx5 may lie
    // just below it, and the written text is what the user sees.
    const double nudged = scaled + std::copysign(std::fabs(scaled) * 1e-12, scaled);
    return std::round(nudged) / scale;
}

QString NumberFormat::format(const QString& text, int integerDigits, int decimals) {
    double value = 0.0;
    if (!isNumeric(text, &value))
        return text;
    const double rounded = roundHalfAway(value, decimals);
    QString digits = QString::number(std::fabs(rounded), 'f', decimals);
    const qsizetype point = decimals > 0 ? digits.indexOf(QLatin1Char('.')) : digits.size();
    if (point < integerDigits)
        digits.prepend(QString(integerDigits - point, QLatin1Char('0')));
    // A value that rounds to zero shows no sign.
    return rounded < 0.0 ? QLatin1Char('-') + digits : digits;
}
