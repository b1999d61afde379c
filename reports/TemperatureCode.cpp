#include "reports/TemperatureCode.h"

#include "common/NumberText.h"
#include "store/NumberFormat.h"

namespace {

QString temperature(double value) {
    return NumberFormat::format(QString::number(value, 'g', 17), 2, 1);
}

} // namespace

QString TemperatureCode::listText(const QString& field) {
    const double value = Val(field);
    if (value == 200)
        return QStringLiteral("(\?\?)");
    if (value == 201)
        return QStringLiteral("故障");
    if (value == 202 || value == 255)
        return QStringLiteral(" -- ");
    return temperature(value);
}

QString TemperatureCode::sheetText(const QString& field) {
    const double value = Val(field);
    if (value == 200)
        return QStringLiteral("(\?\?) ");
    if (value == 201)
        return QStringLiteral("故障 ");
    if (value == 202 || value == 255)
        return QStringLiteral("---- ");
    return temperature(value) + QStringLiteral("℃");
}
