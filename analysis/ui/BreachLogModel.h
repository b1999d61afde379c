#pragma once

#include <QAbstractTableModel>

namespace analysis {
struct AnalysisResult;
}

// The log of warnings and breaches: station, time, figure, value, limit and whether it
// was a warning or over the limit, in time order.
class BreachLogModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Station, Time, Figure, Value, Limit, State, ColumnCount };

    explicit BreachLogModel(QObject* parent = nullptr);

    // Shows a new analysis; the result must outlive the model's use of it.
    void setResult(const analysis::AnalysisResult* result);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

private:
    const analysis::AnalysisResult* m_result = nullptr;
};
