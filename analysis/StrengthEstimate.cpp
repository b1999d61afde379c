#include "analysis/StrengthEstimate.h"

#include "analysis/NumberFormats.h"

namespace analysis {

namespace {

QString marked(const QString& value, bool extrapolated) {
    return extrapolated && !value.isEmpty() ? value + QStringLiteral("（外推）") : value;
}

} // namespace

QString StrengthEstimate::text() const {
    return marked(NumberFormats::figure(strength), extrapolated);
}

QString StrengthEstimate::shareText() const {
    return marked(has() ? QString::number(qRound(share * 100.0)) + QLatin1Char('%') : QString(), extrapolated);
}

} // namespace analysis
