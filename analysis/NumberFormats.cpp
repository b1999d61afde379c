#include "analysis/NumberFormats.h"

#include <QtNumeric>

#include <cmath>

namespace analysis {

QString NumberFormats::figure(double value) {
    if (qIsNaN(value))
        return {};
    // Adding 0.0 turns a rounded -0 into 0, so a tiny negative difference shows as 0.00.
    return QString::number(std::round(value * 100.0) / 100.0 + 0.0, 'f', 2);
}

double NumberFormats::rounded(double value) {
    return std::round(value * 1000.0) / 1000.0;
}

} // namespace analysis
