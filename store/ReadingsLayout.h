#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// What one fill of the query pane looks like: its caption, the pane's width, its columns,
// the statement for the fixed views, and the rule that turns rows of 表1 into list rows.
class ReadingsLayout {
public:
    enum class Fill {
        BySensorThenTime,
        ByTimeThenSensor,
        UploadTimes,
        SensorNumbers,
        // A custom query ordered by sensor number first, or by date-time first.
        QueryBySensor,
        QueryByTime,
    };

    struct Column {
        QString title;
        int widthTwips = 0;
    };

    [[nodiscard]] static ReadingsLayout of(Fill fill);
    // The layout for a custom query: "编号" orders by sensor first, anything else by time.
    [[nodiscard]] static ReadingsLayout forQuery(const QString& orderKey);

    [[nodiscard]] Fill fill() const { return m_fill; }
    // The pane caption; empty for a custom query, which keeps the caption it has.
    [[nodiscard]] const QString& caption() const { return m_caption; }
    [[nodiscard]] int paneWidthTwips() const { return m_paneWidth; }
    [[nodiscard]] const QVector<Column>& columns() const { return m_columns; }
    // The fixed view's statement on the store at dbPath; empty for a custom query, which
    // brings its own. Rows equal in every key come in the order they were stored, on either
    // engine. The two lists of distinct values give one row of each value.
    [[nodiscard]] QString sql(const QString& dbPath) const;
    // The statement of a view of readings in their order, over only the rows of 表1 whose
    // rowid is among `rowids`; empty for the lists of distinct values and custom queries.
    [[nodiscard]] QString sqlOfRows(const QStringList& rowids) const;
    // The first `rows` rows of statement `sql`, however it orders them.
    [[nodiscard]] static QString limited(const QString& sql, int rows);

private:
    Fill m_fill = Fill::BySensorThenTime;
    QString m_caption;
    int m_paneWidth = 0;
    QVector<Column> m_columns;
    QString m_sql;
    // The order of a view of readings; empty for the others.
    QString m_order;
};
