#include "reports/XlsxSheet.h"

#include "reports/XlsxFormats.h"
#include "reports/XlsxLineChart.h"

#include <xlsxwriter.h>

// The format counts rows and columns from 0.
void XlsxSheet::writeText(int row, int column, const QString& text, const QColor& fontColour) {
    m_formats.check(worksheet_write_string(m_sheet, static_cast<lxw_row_t>(row - 1),
                                        static_cast<lxw_col_t>(column - 1),
                                        text.toUtf8().constData(), m_formats.font(fontColour)));
}

void XlsxSheet::writeNumber(int row, int column, double value, const QColor& fontColour) {
    m_formats.check(worksheet_write_number(m_sheet, static_cast<lxw_row_t>(row - 1),
                                        static_cast<lxw_col_t>(column - 1), value,
                                        m_formats.font(fontColour)));
}

void XlsxSheet::setColumnWidth(int column, double width) {
    const auto c = static_cast<lxw_col_t>(column - 1);
    m_formats.check(worksheet_set_column(m_sheet, c, c, width, nullptr));
}

void XlsxSheet::writeDateTime(int row, int column, const QDateTime& value) {
    const QDate d = value.date();
    const QTime t = value.time();
    lxw_datetime when{d.year(), d.month(), d.day(), t.hour(), t.minute(),
                      t.second() + t.msec() / 1000.0};
    m_formats.check(worksheet_write_datetime(m_sheet, static_cast<lxw_row_t>(row - 1),
                                          static_cast<lxw_col_t>(column - 1), &when,
                                          m_formats.dateTime()));
}

void XlsxSheet::insertLineChart(int row, int column, const XlsxLineChart& wanted) {
    if (!m_formats.workbook())
        return;
    // Straight lines between points placed by their x value: the time axis keeps true time,
    // where a category axis would space uneven uploads evenly.
    lxw_chart* chart = workbook_add_chart(m_formats.workbook(), LXW_CHART_SCATTER_STRAIGHT);
    if (!chart) {
        m_formats.check(LXW_ERROR_MEMORY_MALLOC_FAILED);
        return;
    }
    const auto r0 = static_cast<lxw_row_t>(wanted.firstRow - 1);
    const auto r1 = static_cast<lxw_row_t>(wanted.lastRow - 1);
    const auto x = static_cast<lxw_col_t>(wanted.timeColumn - 1);
    for (const XlsxLineChart::Series& s : wanted.series) {
        lxw_chart_series* series = chart_add_series(chart, nullptr, nullptr);
        const auto c = static_cast<lxw_col_t>(s.column - 1);
        chart_series_set_categories(series, m_sheet->name, r0, x, r1, x);
        chart_series_set_values(series, m_sheet->name, r0, c, r1, c);
        chart_series_set_name(series, s.name.toUtf8().constData());
        lxw_chart_line line{};
        line.color = static_cast<lxw_color_t>(s.colour.rgb() & 0xFFFFFF);
        line.width = 1.5f;
        chart_series_set_line(series, &line);
    }
    chart_title_set_name(chart, wanted.title.toUtf8().constData());
    chart_axis_set_name(chart->x_axis, wanted.xAxisName.toUtf8().constData());
    chart_axis_set_name(chart->y_axis, wanted.yAxisName.toUtf8().constData());
    chart_axis_set_num_format(chart->x_axis, "mm-dd hh:mm");
    chart_show_blanks_as(chart, LXW_CHART_BLANKS_AS_GAP);
    lxw_chart_options options{};
    options.x_scale = wanted.width / 480.0;
    options.y_scale = wanted.height / 288.0;
    m_formats.check(worksheet_insert_chart_opt(m_sheet, static_cast<lxw_row_t>(row - 1),
                                            static_cast<lxw_col_t>(column - 1), chart, &options));
}
