#include "common/NumberText.h"

#include "common/JetVal.h"

#include <cmath>
#include <limits>

double Val(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return JetVal::leadingNumber(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

int WholeNumber(const QString& text) {
    const double rounded = std::nearbyint(Val(text));
    constexpr double low = std::numeric_limits<qint16>::min();
    constexpr double high = std::numeric_limits<qint16>::max();
    return static_cast<int>(std::fmin(std::fmax(rounded, low), high));
}

QString PlainNumber(double value) {
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'g', 15);
}
