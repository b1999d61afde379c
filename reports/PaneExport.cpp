#include "reports/PaneExport.h"

#include "reports/PaneRowReader.h"
#include "reports/PaneSheetLayout.h"
#include "reports/PaneTextLayout.h"
#include "reports/TextFileWriter.h"
#include "reports/XlsxBook.h"
#include "store/ReadingsModel.h"

ExportResult PaneExport::toText(const QString& dbPath, const PaneQuery& pane, const QString& path,
                                const ExportProgress& progress) {
    PaneRowReader rows(dbPath, pane);
    if (const StoreResult r = rows.open(); !r.ok())
        return {ExportResult::Kind::ReadFailed, r.message(), 0};
    TextFileWriter file(path);
    if (!file.open())
        return {ExportResult::Kind::CannotWrite, file.errorString(), 0};
    const PaneTextLayout layout(pane.layout);
    for (const QString& line : layout.headLines())
        file.writeLine(line);
    progress(0, rows.total());
    ReadingsRowBuilder::Row row;
    while (rows.next(row)) {
        for (const QString& line : layout.rowLines(row.cells))
            file.writeLine(line);
        progress(rows.done(), rows.total());
    }
    if (const StoreResult r = rows.error(); !r.ok())
        return {ExportResult::Kind::ReadFailed, r.message(), 0};
    if (!file.commit())
        return {ExportResult::Kind::CannotWrite, file.errorString(), 0};
    progress(rows.total(), rows.total());
    return {};
}

ExportResult PaneExport::toWorkbook(const QString& dbPath, const PaneQuery& pane,
                                    const QString& path, const ExportProgress& progress,
                                    int lastRow) {
    PaneRowReader rows(dbPath, pane);
    if (const StoreResult r = rows.open(); !r.ok())
        return {ExportResult::Kind::ReadFailed, r.message(), 0};
    XlsxBook book(path);
    if (!book.isOpen())
        return {ExportResult::Kind::CannotWrite, {}, 0};
    XlsxSheet& sheet = book.firstSheet();
    const PaneSheetLayout layout(pane.layout);
    for (int c = 0; c < layout.headers().size(); ++c)
        sheet.writeText(PaneSheetLayout::HeaderRow, c + 1, layout.headers()[c]);
    const QVector<double> widths = layout.columnWidths();
    for (int c = 0; c < widths.size(); ++c)
        sheet.setColumnWidth(c + 1, widths[c]);

    progress(0, rows.total());
    ReadingsRowBuilder::Row row;
    int sheetRow = PaneSheetLayout::HeaderRow;
    qint64 leftOut = 0;
    while (rows.next(row)) {
        if (sheetRow == lastRow) {
            ++leftOut;
            continue;
        }
        ++sheetRow;
        const QColor colour = row.colour == 0 ? ReadingsModel::Green : ReadingsModel::Blue;
        for (int c = 0; c < row.cells.size(); ++c)
            sheet.writeText(sheetRow, c + 1, layout.cellText(c, row.cells[c]),
                            c == 0 ? colour : QColor());
        progress(rows.done(), rows.total());
    }
    if (const StoreResult r = rows.error(); !r.ok())
        return {ExportResult::Kind::ReadFailed, r.message(), 0};
    if (!book.close())
        return {ExportResult::Kind::CannotWrite, {}, 0};
    progress(rows.total(), rows.total());
    return {ExportResult::Kind::Written, {}, leftOut};
}
