#include "analysis/MixStore.h"

#include "analysis/StoredText.h"

#include <QStringList>
#include <QtNumeric>

namespace analysis {

namespace {

const QString NameItem = QStringLiteral("配合比");
const QString DesignItem = QStringLiteral("设计强度");
const QString DatumItem = QStringLiteral("基准温度");
const QString EnergyItem = QStringLiteral("活化能");
const QString ReferenceItem = QStringLiteral("参考温度");
const QString CuringItem = QStringLiteral("标定养护温度");
const QString PairsItem = QStringLiteral("标定数据");

void number(const QHash<QString, QString>& items, const QString& key, double& target) {
    if (const auto value = StoredText::toNumber(items.value(key)))
        target = *value;
}

double numberOrNaN(const QString& text) {
    return StoredText::toNumber(text).value_or(qQNaN());
}

QString pairsText(const QVector<CalibrationPair>& pairs) {
    QStringList texts;
    for (const CalibrationPair& p : pairs)
        texts << StoredText::ofNumber(p.ageDays) + QLatin1Char(',') + StoredText::ofNumber(p.strength);
    return texts.join(QLatin1Char(';'));
}

QVector<CalibrationPair> pairsOf(const QString& text) {
    QVector<CalibrationPair> pairs;
    for (const QString& pair : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList parts = pair.split(QLatin1Char(','));
        pairs.append({numberOrNaN(parts.value(0)), numberOrNaN(parts.value(1))});
    }
    return pairs;
}

} // namespace

void MixStore::addItems(const Mix& mix, std::vector<std::pair<QString, QString>>& items) {
    items.insert(items.end(), {{NameItem, mix.name},
                               {DesignItem, StoredText::ofNumber(mix.designStrength)},
                               {DatumItem, StoredText::ofNumber(mix.maturity.datum)},
                               {EnergyItem, StoredText::ofNumber(mix.maturity.activationEnergy)},
                               {ReferenceItem, StoredText::ofNumber(mix.maturity.reference)},
                               {CuringItem, StoredText::ofNumber(mix.calibrationTemperature)},
                               {PairsItem, pairsText(mix.pairs)}});
}

Mix MixStore::fromItems(const QHash<QString, QString>& items) {
    Mix mix;
    mix.name = items.value(NameItem);
    number(items, DesignItem, mix.designStrength);
    number(items, DatumItem, mix.maturity.datum);
    number(items, EnergyItem, mix.maturity.activationEnergy);
    number(items, ReferenceItem, mix.maturity.reference);
    number(items, CuringItem, mix.calibrationTemperature);
    mix.pairs = pairsOf(items.value(PairsItem));
    return mix;
}

} // namespace analysis
