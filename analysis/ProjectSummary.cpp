#include "analysis/ProjectSummary.h"

#include "analysis/AnalysisInputs.h"
#include "analysis/NumberFormats.h"
#include "analysis/PourAnalysis.h"
#include "analysis/StateColours.h"
#include "reports/XlsxBook.h"

#include <QtNumeric>

namespace analysis {

namespace {

void writeValue(XlsxSheet& sheet, int row, int column, double value) {
    if (!qIsNaN(value))
        sheet.writeNumber(row, column, NumberFormats::rounded(value));
}

void writeMoment(XlsxSheet& sheet, int row, int column, const QDateTime& value, const QString& none) {
    if (value.isValid())
        sheet.writeDateTime(row, column, value);
    else
        sheet.writeText(row, column, none);
}

void writeRow(XlsxSheet& sheet, int row, const PourSummary& p) {
    sheet.writeText(row, 1, p.name);
    sheet.writeText(row, 2, p.project);
    sheet.writeText(row, 3, p.element);
    writeMoment(sheet, row, 4, p.placedAt, QStringLiteral("未填写"));
    writeMoment(sheet, row, 5, p.monitoringEndsAt, QStringLiteral("监测中"));
    sheet.writeNumber(row, 6, p.stations);
    writeValue(sheet, row, 7, p.maxTemperature);
    writeValue(sheet, row, 8, p.maxCoreDifference);
    writeValue(sheet, row, 9, p.maxCoolingRate);
    sheet.writeNumber(row, 10, p.warnings);
    sheet.writeNumber(row, 11, p.overs);
    const FigureState worst = p.verdict == StationSummary::Verdict::Over      ? FigureState::Over
                              : p.verdict == StationSummary::Verdict::Warning ? FigureState::Warning
                                                                              : FigureState::None;
    sheet.writeText(row, 12, StationSummary::verdictText(p.verdict), StateColours::text(worst));
}

} // namespace

StoreResult ProjectSummary::collect(const QString& dbPath, const AnalysisInputs& settings,
                                    const QDateTime& now, QVector<PourSummary>& out) {
    out.clear();
    AnalysisInputs in = settings;
    for (const Pour& pour : settings.pours) {
        in.pour = pour;
        if (const StoreResult r = in.loadReadings(dbPath); !r.ok())
            return r;
        out << PourSummary::of(PourAnalysis::compute(in, now));
    }
    return {};
}

ExportResult ProjectSummary::write(const QString& path, const QVector<PourSummary>& pours,
                                   const QDateTime& madeAt) {
    if (pours.isEmpty())
        return {ExportResult::Kind::NoData, {}, 0};
    XlsxBook book(path);
    XlsxSheet* sheet = book.addSheet(BookName);
    if (!sheet)
        return {ExportResult::Kind::CannotWrite, {}, 0};
    sheet->writeText(1, 1, BookName);
    sheet->writeText(2, 1, QStringLiteral("制表时间"));
    sheet->writeDateTime(2, 2, madeAt);
    const QStringList headers = {
        QStringLiteral("浇筑名称"),        QStringLiteral("工程名称"),
        QStringLiteral("结构部位"),        QStringLiteral("浇筑时间"),
        QStringLiteral("监测结束时间"),    QStringLiteral("站点数"),
        QStringLiteral("最高温度(℃)"),     QStringLiteral("最大里表温差(℃)"),
        QStringLiteral("最大降温速率(℃/d)"), QStringLiteral("预警次数"),
        QStringLiteral("超限次数"),        QStringLiteral("结论")};
    for (int c = 0; c < headers.size(); ++c) {
        sheet->setColumnWidth(c + 1, 16);
        sheet->writeText(HeaderRow, c + 1, headers[c]);
    }
    for (int i = 0; i < pours.size(); ++i)
        writeRow(*sheet, HeaderRow + 1 + i, pours[i]);
    if (!book.close())
        return {ExportResult::Kind::CannotWrite, {}, 0};
    return {};
}

} // namespace analysis
