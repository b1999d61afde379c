#include "reports/PaneRowReader.h"

PaneRowReader::PaneRowReader(const QString& dbPath, const PaneQuery& pane)
    : m_sql(pane.statement(dbPath)), m_rows(dbPath), m_builder(pane.layout.fill()) {}

StoreResult PaneRowReader::open() {
    StoreResult r = m_rows.open(m_sql);
    m_dateTime = m_rows.field(QStringLiteral("日期时间"));
    m_number = m_rows.field(QStringLiteral("编号"));
    m_temperature = m_rows.field(QStringLiteral("温度值"));
    return r;
}

bool PaneRowReader::next(ReadingsRowBuilder::Row& row) {
    while (m_rows.next()) {
        ++m_done;
        if (m_builder.add(m_rows.text(m_dateTime), m_rows.text(m_number),
                          m_rows.text(m_temperature), row))
            return true;
    }
    return false;
}
