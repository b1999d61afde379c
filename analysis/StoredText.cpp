#include "analysis/StoredText.h"

#include "analysis/ReadingTime.h"
#include "common/NumberText.h"

#include <cmath>

namespace analysis {

QString StoredText::ofDateTime(const QDateTime& value) {
    return value.isValid() ? ReadingTime::text(value) : QString();
}

QDateTime StoredText::toDateTime(const QString& text) {
    return ReadingTime::parse(text);
}

QString StoredText::ofNumber(std::optional<double> value) {
    return value ? PlainNumber(*value) : QString();
}

std::optional<double> StoredText::toNumber(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace analysis
