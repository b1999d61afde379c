#include "analysis/ui/BreachLogModel.h"

#include "analysis/AnalysisResult.h"
#include "analysis/NumberFormats.h"
#include "analysis/ReadingTime.h"
#include "analysis/StateColours.h"
#include "common/NumberText.h"

using namespace analysis;

BreachLogModel::BreachLogModel(QObject* parent) : QAbstractTableModel(parent) {}

void BreachLogModel::setResult(const AnalysisResult* result) {
    beginResetModel();
    m_result = result;
    endResetModel();
}

int BreachLogModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_result ? 0 : static_cast<int>(m_result->breaches.size());
}

int BreachLogModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant BreachLogModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const QStringList headers = {QStringLiteral("站点"), QStringLiteral("时间"),
                                        QStringLiteral("数据项"), QStringLiteral("数值"),
                                        QStringLiteral("限值"), QStringLiteral("状态")};
    return headers.value(section);
}

QVariant BreachLogModel::data(const QModelIndex& index, int role) const {
    if (!m_result || !index.isValid())
        return {};
    const Breach& b = m_result->breaches[index.row()];
    if (role == Qt::ForegroundRole)
        return StateColours::text(b.state);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Station:
        return m_result->stations[b.station].name;
    case Time:
        return ReadingTime::text(m_result->times()[b.upload]);
    case Figure:
        return Figures::name(b.figure);
    case Value:
        return NumberFormats::figure(b.value) + Figures::unit(b.figure);
    case Limit:
        return PlainNumber(b.limit) + Figures::unit(b.figure);
    case State:
        return FigureStates::name(b.state);
    default:
        return {};
    }
}
