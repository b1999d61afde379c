#pragma once

#include <QAbstractTableModel>
#include <QStringList>

// The readings of the last upload as the user sees and edits them before saving: one row
// per data number, with its number and its temperature text. The upload list shows this
// model, its in-place editor writes into it, and saving reads it.
class UploadReadings : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { DataNumber, Temperature };

    explicit UploadReadings(QObject* parent = nullptr);

    // Rows numbered 1, 2, 3 ... in the order of `temperatures`.
    void setReadings(const QStringList& temperatures);
    void clear();

    [[nodiscard]] QString temperature(int row) const;
    void setTemperature(int row, const QString& text);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    QStringList m_temperatures;
};
