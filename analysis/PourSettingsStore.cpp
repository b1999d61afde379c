#include "analysis/PourSettingsStore.h"

#include "analysis/AnalysisSchema.h"
#include "analysis/MixStore.h"
#include "analysis/StoredText.h"
#include "store/StoreDb.h"

#include <QSqlQuery>

namespace analysis {

namespace {

// A stored number where one is set, the default otherwise; only positive values count.
void positive(const QHash<QString, QString>& items, const char* key, double& target) {
    const auto value = StoredText::toNumber(items.value(QString::fromUtf8(key)));
    if (value && *value > 0)
        target = *value;
}

} // namespace

PourSettingsStore::Items PourSettingsStore::items(const PourSettings& p) {
    Items items{
        {QStringLiteral("名称"), p.name},
        {QStringLiteral("工程名称"), p.project},
        {QStringLiteral("结构部位"), p.element},
        {QStringLiteral("施工单位"), p.contractor},
        {QStringLiteral("浇筑时间"), StoredText::ofDateTime(p.placedAt)},
        {QStringLiteral("入模温度"), StoredText::ofNumber(p.placingTemperature)},
        {QStringLiteral("保温拆除时间"), StoredText::ofDateTime(p.insulationRemovedAt)},
        {QStringLiteral("监测结束时间"), StoredText::ofDateTime(p.monitoringEndsAt)},
        {QStringLiteral("大气传感器"), p.airSensor > 0 ? QString::number(p.airSensor) : QString()},
        {QStringLiteral("限值组"), p.limitSetName},
        {QStringLiteral("预警比例"), StoredText::ofNumber(p.warningShare)},
        {QStringLiteral("测温间隔"), StoredText::ofNumber(p.intervalHours)},
        {QStringLiteral("跳变阈值"), StoredText::ofNumber(p.jumpLimit)},
        {QStringLiteral("强度目标"), StoredText::ofNumber(p.strengthTarget)},
    };
    MixStore::addItems(p.mix, items);
    return items;
}

PourSettings PourSettingsStore::fromItems(const QHash<QString, QString>& items) {
    const auto text = [&items](const char* key) { return items.value(QString::fromUtf8(key)); };
    PourSettings p;
    p.name = text("名称");
    p.project = text("工程名称");
    p.element = text("结构部位");
    p.contractor = text("施工单位");
    p.placedAt = StoredText::toDateTime(text("浇筑时间"));
    p.placingTemperature = StoredText::toNumber(text("入模温度"));
    p.insulationRemovedAt = StoredText::toDateTime(text("保温拆除时间"));
    p.monitoringEndsAt = StoredText::toDateTime(text("监测结束时间"));
    p.airSensor = qMax(0, text("大气传感器").trimmed().toInt());
    if (!text("限值组").isEmpty())
        p.limitSetName = text("限值组");
    positive(items, "预警比例", p.warningShare);
    positive(items, "测温间隔", p.intervalHours);
    positive(items, "跳变阈值", p.jumpLimit);
    positive(items, "强度目标", p.strengthTarget);
    p.mix = MixStore::fromItems(items);
    return p;
}

StoreResult PourSettingsStore::load(StoreDb& db, const QStringList& tables, PourSettings& out) {
    QHash<QString, QString> stored;
    const StoreResult r = AnalysisSchema::readRows(
        db, tables, AnalysisSchema::Pour, QStringLiteral("select [项目], [内容] from [浇筑信息]"),
        [&stored](const QSqlQuery& q) {
            stored.insert(q.value(0).toString(), q.value(1).toString());
        });
    out = fromItems(stored);
    return r;
}

} // namespace analysis
