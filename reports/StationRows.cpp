#include "reports/StationRows.h"

#include "reports/StationQuery.h"

StoreResult StationRows::open(const StationQuery& query, CountedRows::Counting counting) {
    StoreResult r = m_rows.open(query.sql(), counting);
    if (!r.ok())
        return r;
    m_myid = m_rows.field(QStringLiteral("myid"));
    m_station = m_rows.field(QStringLiteral("站点编号"));
    for (std::size_t k = 0; k < m_t.size(); ++k)
        m_t[k] = m_rows.field(QStringLiteral("t%1").arg(k + 1));
    return r;
}

bool StationRows::next(StationRecord& record) {
    if (!m_rows.next())
        return false;
    record.myid = m_rows.text(m_myid);
    record.station = m_rows.text(m_station);
    for (std::size_t k = 0; k < m_t.size(); ++k)
        record.t[k] = m_rows.text(m_t[k]);
    return true;
}
