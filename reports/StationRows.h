#pragma once

#include "reports/CountedRows.h"
#include "reports/StationRecord.h"

#include <array>

struct StationQuery;

// The station records a report shows, counted, then read one at a time in report order.
class StationRows {
public:
    explicit StationRows(const QString& dbPath) : m_rows(dbPath) {}

    [[nodiscard]] StoreResult open(const StationQuery& query,
                                   CountedRows::Counting counting = CountedRows::Counting::Count);
    [[nodiscard]] qint64 total() const { return m_rows.total(); }
    [[nodiscard]] bool next(StationRecord& record);
    [[nodiscard]] StoreResult error() const { return m_rows.error(); }

private:
    CountedRows m_rows;
    int m_myid = -1;
    int m_station = -1;
    std::array<int, 8> m_t{};
};
