#include "analysis/StrengthEstimate.h"

#include "analysis/NumberFormats.h"

namespace analysis {

QString StrengthEstimate::text() const {
    const QString value = NumberFormats::figure(strength);
    return extrapolated && has() ? value + QStringLiteral("（外推）") : value;
}

} // namespace analysis
