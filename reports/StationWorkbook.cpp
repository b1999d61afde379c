#include "reports/StationWorkbook.h"

#include "common/NumberText.h"
#include "reports/StationQuery.h"
#include "reports/StationRecord.h"
#include "reports/StationRows.h"
#include "reports/TemperatureCode.h"
#include "reports/TemplateBook.h"
#include "store/NumberFormat.h"

#include <QLocale>

namespace {

void writeHeader(TemplateSheet& sheet, const StationQuery& query) {
    sheet.writeText(2, 1,
                    NumberFormat::format(QString::number(query.station), 3, 0) +
                        QStringLiteral("号站点混凝土测温数据报表"));
    sheet.writeText(3, 7, QStringLiteral("日期范围："));
    const QLocale locale;
    sheet.writeText(3, 8,
                    locale.toString(query.start, QLocale::ShortFormat) + QStringLiteral("～") +
                        locale.toString(query.end, QLocale::ShortFormat));
    sheet.writeText(StationWorkbook::HeaderRow, 1, QStringLiteral("数据接收时间"));
    sheet.writeText(StationWorkbook::HeaderRow, 2, QStringLiteral("站点号"));
    for (int i = 1; i <= 8; ++i)
        sheet.writeText(StationWorkbook::HeaderRow, 2 + i, QStringLiteral("%1#传感器").arg(i));
}

} // namespace

ExportResult StationWorkbook::write(const QString& dbPath, const QString& templatePath,
                                    const QString& target, const StationQuery& query,
                                    const ExportProgress& progress, int lastRow) {
    TemplateBook book;
    if (!book.open(templatePath))
        return {ExportResult::Kind::BadTemplate, book.error(), 0};
    TemplateSheet& sheet = book.firstSheet();
    sheet.setModelRow(HeaderRow + 1);
    writeHeader(sheet, query);

    StationRows rows(dbPath);
    if (const StoreResult r = rows.open(query); !r.ok())
        return {ExportResult::Kind::ReadFailed, r.message(), 0};
    const qint64 total = rows.total();
    if (total == 0)
        return {ExportResult::Kind::NoData, {}, 0};
    progress(0, total);
    StationRecord record;
    qint64 done = 0;
    for (; done < total && HeaderRow + done < lastRow && rows.next(record); ++done) {
        const int row = HeaderRow + static_cast<int>(done) + 1;
        sheet.writeText(row, 1, record.timeText());
        sheet.writeText(row, 2, PlainNumber(Val(record.station)));
        for (int k = 0; k < 8; ++k)
            sheet.writeText(row, 3 + k, TemperatureCode::sheetText(record.t[k]));
        progress(done + 1, total);
    }
    if (const StoreResult r = rows.error(); !r.ok())
        return {ExportResult::Kind::ReadFailed, r.message(), 0};
    if (!book.saveAs(target))
        return {ExportResult::Kind::CannotWrite, book.error(), 0};
    const bool sheetFull = HeaderRow + done >= lastRow;
    return {ExportResult::Kind::Written, {}, sheetFull ? total - done : 0};
}
