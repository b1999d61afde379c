// report-template FILE
//
// Writes the station report's template workbook: a title row, a date-range row, the header
// row and one styled, empty data row whose look every data row of a report takes. Users may
// restyle the file in any spreadsheet program; the report keeps what they did.

#include <xlsxwriter.h>

#include <cstdio>

namespace {

constexpr lxw_row_t TitleRow = 1;
constexpr lxw_row_t RangeRow = 2;
constexpr lxw_row_t HeaderRow = 3;
constexpr lxw_row_t DataRow = 4;
constexpr lxw_col_t LastColumn = 9; // J

lxw_format* boxed(lxw_workbook* book) {
    lxw_format* f = workbook_add_format(book);
    format_set_border(f, LXW_BORDER_THIN);
    format_set_align(f, LXW_ALIGN_CENTER);
    format_set_align(f, LXW_ALIGN_VERTICAL_CENTER);
    return f;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: report-template FILE\n");
        return 2;
    }
    lxw_workbook* book = workbook_new(argv[1]);
    if (!book)
        return 1;
    lxw_worksheet* sheet = workbook_add_worksheet(book, "测温数据");

    lxw_format* title = workbook_add_format(book);
    format_set_bold(title);
    format_set_font_size(title, 16);
    format_set_align(title, LXW_ALIGN_CENTER);
    format_set_align(title, LXW_ALIGN_VERTICAL_CENTER);
    lxw_format* rangeLabel = workbook_add_format(book);
    format_set_align(rangeLabel, LXW_ALIGN_RIGHT);
    lxw_format* range = workbook_add_format(book);
    format_set_align(range, LXW_ALIGN_LEFT);
    lxw_format* header = boxed(book);
    format_set_bold(header);
    format_set_bg_color(header, 0xD9D9D9);
    lxw_format* data = boxed(book);

    // Wide enough for "2008-04-30 12:00:00" and for "23.5℃" or a marker.
    worksheet_set_column(sheet, 0, 0, 20, nullptr);
    worksheet_set_column(sheet, 1, 1, 7, nullptr);
    worksheet_set_column(sheet, 2, LastColumn, 10, nullptr);

    worksheet_set_row(sheet, TitleRow, 30, nullptr);
    worksheet_merge_range(sheet, TitleRow, 0, TitleRow, LastColumn, "000号站点混凝土测温数据报表",
                          title);
    worksheet_write_string(sheet, RangeRow, 6, "日期范围：", rangeLabel);
    worksheet_merge_range(sheet, RangeRow, 7, RangeRow, LastColumn, "", range);
    const char* headers[] = {"数据接收时间", "站点号",   "1#传感器", "2#传感器", "3#传感器",
                             "4#传感器",     "5#传感器", "6#传感器", "7#传感器", "8#传感器"};
    for (lxw_col_t c = 0; c <= LastColumn; ++c) {
        worksheet_write_string(sheet, HeaderRow, c, headers[c], header);
        worksheet_write_blank(sheet, DataRow, c, data);
    }
    worksheet_freeze_panes(sheet, DataRow, 0);

    worksheet_set_landscape(sheet);
    worksheet_repeat_rows(sheet, HeaderRow, HeaderRow);
    worksheet_fit_to_pages(sheet, 1, 0);

    const lxw_error written = workbook_close(book);
    if (written != LXW_NO_ERROR) {
        std::fprintf(stderr, "report-template: %s\n", lxw_strerror(written));
        return 1;
    }
    return 0;
}
