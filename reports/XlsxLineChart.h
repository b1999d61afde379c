#pragma once

#include <QColor>
#include <QString>
#include <QVector>

// A native chart of some columns of a sheet against a column of date-times: one line per
// column, each point at its true moment, so uneven uploads and gaps show as they were.
// Rows and columns count from 1, as in XlsxSheet.
struct XlsxLineChart {
    struct Series {
        QString name;
        int column = 0;
        QColor colour;
    };

    QString title;
    QString xAxisName;
    QString yAxisName;
    int timeColumn = 1;
    int firstRow = 0;
    int lastRow = 0;
    QVector<Series> series;
    // Size on the sheet, in pixels.
    int width = 720;
    int height = 360;
};
