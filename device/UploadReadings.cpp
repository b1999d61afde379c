#include "device/UploadReadings.h"

UploadReadings::UploadReadings(QObject* parent) : QAbstractTableModel(parent) {}

void UploadReadings::setReadings(const QStringList& temperatures) {
    beginResetModel();
    m_temperatures = temperatures;
    endResetModel();
}

void UploadReadings::clear() {
    setReadings({});
}

QString UploadReadings::temperature(int row) const {
    return row >= 0 && row < m_temperatures.size() ? m_temperatures[row] : QString();
}

void UploadReadings::setTemperature(int row, const QString& text) {
    setData(index(row, Temperature), text, Qt::EditRole);
}

int UploadReadings::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_temperatures.size());
}

int UploadReadings::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant UploadReadings::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    if (index.column() == DataNumber)
        return QString::number(index.row() + 1);
    return m_temperatures[index.row()];
}

QVariant UploadReadings::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == DataNumber ? QStringLiteral("数据编号") : QStringLiteral("温度值");
}

Qt::ItemFlags UploadReadings::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.column() == Temperature)
        f |= Qt::ItemIsEditable;
    return f;
}

bool UploadReadings::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != Temperature || role != Qt::EditRole)
        return false;
    m_temperatures[index.row()] = value.toString();
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}
