#pragma once

#include "store/ReadingsLayout.h"
#include "store/ReadingsLoader.h"
#include "store/StoreResult.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QStringList>

#include <memory>
#include <vector>

// The rows of the query pane: one fixed view or one custom query over 表1. Rows are read
// in the background and appear as they arrive, so a million readings show their first
// screen at once; they are kept as small indexes into a table of distinct texts, so the
// whole list stays small too. Nothing waits for the reading: writes go past it (the
// database keeps a write-ahead log) and the exports read the statement again.
class ReadingsModel : public QAbstractTableModel {
    Q_OBJECT

signals:
    // Reading has ended: every row is in, or reading stopped at an error (readError()).
    void loadingFinished();

public:
    static inline const QColor Green{0, 128, 0};
    static inline const QColor Blue{0, 0, 255};

    explicit ReadingsModel(QObject* parent = nullptr);
    ~ReadingsModel() override;

    // Empties the list, shows the layout's columns and starts reading `sql` (the layout's
    // own statement when empty). A database that cannot be opened, or a statement that
    // cannot run or would change the database, is returned as a failure and leaves the
    // list empty with its columns.
    [[nodiscard]] StoreResult fill(const QString& dbPath, const ReadingsLayout& layout,
                                   const QString& sql = {});
    // Removes every row and every column.
    void clear();

    [[nodiscard]] bool isLoading() const { return m_loader != nullptr; }
    // Blocks until every row is in the list.
    void waitUntilLoaded();
    // Why the last fill stopped before the end of its rows; success otherwise.
    [[nodiscard]] const StoreResult& readError() const { return m_readError; }

    [[nodiscard]] const ReadingsLayout& layout() const { return m_layout; }
    [[nodiscard]] QString text(int row, int column) const;
    [[nodiscard]] QColor rowColour(int row) const;
    [[nodiscard]] int columnWidthTwips(int column) const;

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

private:
    void stopLoading();
    void takeRows();

    ReadingsLayout m_layout;
    int m_columnCount = 0;
    QStringList m_texts;
    // Makes the cells of the rows that are looked at; its caches grow as they are.
    mutable ReadingsRowBuilder m_cells{ReadingsLayout::Fill::BySensorThenTime};
    std::vector<ReadingsLoader::CachedRow> m_rows;
    std::unique_ptr<ReadingsLoader> m_loader;
    StoreResult m_readError;
};
