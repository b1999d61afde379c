#pragma once

#include "analysis/Figure.h"

#include <QAbstractTableModel>
#include <QVector>

namespace analysis {
struct AnalysisResult;
struct StationStrength;
}

// The stations with their latest figures, one row each, every figure cell shaded by its
// state, and the latest maturity and estimated strength of their weakest sensor with the
// time it reaches the stripping target. The state column shows where the station stands, and says when one of its
// readings is missing at the latest upload. Sorting by the state column, and the order it starts
// in, puts the worst first: that state, then breaches, then warnings over the whole monitoring.
class StationTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        Name,
        State,
        Time,
        FirstFigure,
        Warnings = FirstFigure + 10,
        Overs,
        Maturity,
        EquivalentAge,
        Strength,
        Share,
        Forecast,
        ColumnCount
    };
    // The station index of a row, for views that sort.
    static constexpr int StationRole = Qt::UserRole + 1;

    explicit StationTableModel(QObject* parent = nullptr);

    // Shows a new analysis; the result must outlive the model's use of it.
    void setResult(const analysis::AnalysisResult* result);
    // The row that shows a station.
    [[nodiscard]] int rowOf(int station) const;
    [[nodiscard]] int stationAt(int row) const { return m_order.value(row, -1); }

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;
    void sort(int column, Qt::SortOrder order) override;

private:
    struct Row {
        int latest = -1;
        int warnings = 0;
        int overs = 0;
        analysis::FigureState state = analysis::FigureState::None;
        bool readingMissing = false;
    };
    [[nodiscard]] bool worseFirst(int a, int b) const;
    [[nodiscard]] double sortValue(int station, int column) const;
    // The station's strength, when it could be counted.
    [[nodiscard]] const analysis::StationStrength* strength(int station) const;
    [[nodiscard]] QString strengthText(int station, int column) const;
    [[nodiscard]] double strengthValue(int station, int column) const;

    const analysis::AnalysisResult* m_result = nullptr;
    QVector<Row> m_rows;
    QVector<int> m_order;
};
