#include "analysis/RecordSheet.h"

#include "analysis/AnalysisResult.h"
#include "analysis/NumberFormats.h"
#include "analysis/ReadingTime.h"
#include "analysis/RecordStrength.h"
#include "analysis/SensorText.h"
#include "analysis/StateColours.h"
#include "analysis/StationSummary.h"
#include "common/NumberText.h"
#include "reports/XlsxBook.h"
#include "reports/XlsxLineChart.h"

#include <QRegularExpression>

#include <algorithm>

namespace analysis {

namespace {

constexpr int FirstSlotColumn = 2;
constexpr int FirstFigureColumn = FirstSlotColumn + Station::Slots;
constexpr int StateColumn = FirstFigureColumn + FigureCount;
constexpr int FirstStrengthColumn = StateColumn + 1;
constexpr int ChartColumn = FirstStrengthColumn + RecordStrength::StationColumns + 1;
// The summary's columns of figures and verdict, before its strength columns.
constexpr int SummaryColumns = 10;

void writeValue(XlsxSheet& sheet, int row, int column, double value, const QColor& colour = {}) {
    if (!qIsNaN(value))
        sheet.writeNumber(row, column, NumberFormats::rounded(value), colour);
}

void writeMoment(XlsxSheet& sheet, int row, const QString& label, const QDateTime& value,
                 const QString& none) {
    sheet.writeText(row, 1, label);
    if (value.isValid())
        sheet.writeDateTime(row, 2, value);
    else
        sheet.writeText(row, 2, none);
}

void writeHeader(XlsxSheet& sheet, const AnalysisResult& r, const QDateTime& madeAt) {
    const PourSettings& p = r.pour.settings;
    sheet.setColumnWidth(1, 18);
    sheet.setColumnWidth(2, 18);
    sheet.writeText(1, 1, RecordSheet::BookName);
    const QStringList labels = {QStringLiteral("工程名称"), QStringLiteral("结构部位"),
                                QStringLiteral("施工单位"), QStringLiteral("浇筑名称")};
    const QStringList values = {p.project, p.element, p.contractor, r.pour.title()};
    for (int i = 0; i < labels.size(); ++i) {
        sheet.writeText(2 + i, 1, labels[i]);
        sheet.writeText(2 + i, 2, values[i]);
    }
    writeMoment(sheet, 6, QStringLiteral("浇筑时间"), p.placedAt, QStringLiteral("未填写"));
    sheet.writeText(7, 1, QStringLiteral("入模温度(℃)"));
    if (p.placingTemperature)
        sheet.writeNumber(7, 2, *p.placingTemperature);
    else
        sheet.writeText(7, 2, QStringLiteral("未填写（假定为各站点核心温度的第一次读数）"));
    writeMoment(sheet, 8, QStringLiteral("保温拆除时间"), p.insulationRemovedAt,
                QStringLiteral("未拆除"));
    writeMoment(sheet, 9, QStringLiteral("监测结束时间"), p.monitoringEndsAt,
                QStringLiteral("监测中"));
    sheet.writeText(10, 1, QStringLiteral("限值组"));
    sheet.writeText(10, 2, r.limits.name);
    sheet.writeText(10, 3, r.limits.describe());
    sheet.writeText(11, 1, QStringLiteral("预警比例"));
    sheet.writeText(11, 2, PlainNumber(p.warningShare * 100) + QLatin1Char('%'));
    writeMoment(sheet, 12, QStringLiteral("制表时间"), madeAt, {});
    RecordStrength::writeMix(sheet, 13, r);
}

void writeSummary(XlsxSheet& sheet, const AnalysisResult& r) {
    const int top = RecordSheet::SummaryHeaderRow;
    const QStringList headers = {
        QStringLiteral("站点"),          QStringLiteral("最高温度(℃)"),
        QStringLiteral("最大里表温差(℃)"), QStringLiteral("最大降温速率(℃/d)"),
        QStringLiteral("最大温升(℃)"),     QStringLiteral("入模温度(℃)"),
        QStringLiteral("入模温度来源"),    QStringLiteral("预警次数"),
        QStringLiteral("超限次数"),        QStringLiteral("结论")};
    for (int c = 0; c < headers.size(); ++c)
        sheet.writeText(top, c + 1, headers[c]);
    RecordStrength::writeSummaryHeaders(sheet, top, SummaryColumns + 1, r);
    for (int s = 0; s < r.stations.size(); ++s) {
        const StationSeries& series = r.series[s];
        const StationSummary sum = StationSummary::of(series);
        const int row = top + 1 + s;
        sheet.writeText(row, 1, r.stations[s].name);
        writeValue(sheet, row, 2, sum.maxTemperature);
        writeValue(sheet, row, 3, sum.maxCoreDifference);
        writeValue(sheet, row, 4, sum.maxCoolingRate);
        writeValue(sheet, row, 5, sum.maxRise);
        if (series.placingTemperature) {
            writeValue(sheet, row, 6, *series.placingTemperature);
            sheet.writeText(row, 7, series.placingAssumed ? QStringLiteral("假定")
                                                          : QStringLiteral("实测"));
        }
        sheet.writeNumber(row, 8, sum.warnings);
        sheet.writeNumber(row, 9, sum.overs);
        const FigureState worst = sum.verdict == StationSummary::Verdict::Over ? FigureState::Over
                                  : sum.verdict == StationSummary::Verdict::Warning
                                      ? FigureState::Warning
                                      : FigureState::None;
        sheet.writeText(row, SummaryColumns, StationSummary::verdictText(sum.verdict), StateColours::text(worst));
        RecordStrength::writeSummaryRow(sheet, row, SummaryColumns + 1, r, s);
    }
}

QString roleText(const Station& s, int slot) {
    return slot < 0 ? QStringLiteral("无")
                    : QStringLiteral("第%1个（传感器%2）").arg(slot + 1).arg(sensorText(s.sensor(slot)));
}

void writeStationHead(XlsxSheet& sheet, const AnalysisResult& r, int s) {
    const Station& st = r.stations[s];
    const StationSeries& series = r.series[s];
    sheet.setColumnWidth(1, 18);
    sheet.writeText(1, 1, QStringLiteral("站点") + st.name + QStringLiteral(" 测温记录"));
    sheet.writeText(2, 1, QStringLiteral("工程名称"));
    sheet.writeText(2, 2, r.pour.settings.project);
    sheet.writeText(2, 5, QStringLiteral("结构部位"));
    sheet.writeText(2, 6, r.pour.settings.element);
    sheet.writeText(3, 1, QStringLiteral("表层测点"));
    sheet.writeText(3, 2, roleText(st, st.surface));
    sheet.writeText(3, 5, QStringLiteral("底层测点"));
    sheet.writeText(3, 6, roleText(st, st.bottom));
    sheet.writeText(3, 9, QStringLiteral("入模温度(℃)"));
    if (series.placingTemperature) {
        writeValue(sheet, 3, 10, *series.placingTemperature);
        if (series.placingAssumed)
            sheet.writeText(3, 11, QStringLiteral("假定"));
    }
}

void writeStationTable(XlsxSheet& sheet, const AnalysisResult& r, int s) {
    const Station& st = r.stations[s];
    const StationSeries& series = r.series[s];
    const int top = RecordSheet::StationHeaderRow;
    sheet.writeText(top, 1, QStringLiteral("日期时间"));
    for (int k = 0; k < Station::Slots; ++k)
        sheet.writeText(top, FirstSlotColumn + k,
                        st.filled(k) ? QStringLiteral("测点%1(%2)").arg(k + 1).arg(sensorText(st.sensor(k)))
                                     : QStringLiteral("测点%1").arg(k + 1));
    for (int f = 0; f < FigureCount; ++f)
        sheet.writeText(top, FirstFigureColumn + f,
                        Figures::heading(Figures::kind(f), series.placingAssumed));
    sheet.writeText(top, StateColumn, QStringLiteral("状态"));
    RecordStrength::writeStationHeaders(sheet, top, FirstStrengthColumn, r);
    const PourReadings& readings = *r.readings;
    for (int i = 0; i < readings.uploadCount(); ++i) {
        const int row = top + 1 + i;
        sheet.writeDateTime(row, 1, readings.times()[i]);
        for (int k = 0; k < Station::Slots; ++k)
            if (st.filled(k))
                writeValue(sheet, row, FirstSlotColumn + k, readings.at(i, st.sensor(k)));
        const UploadFigures& u = series.uploads[i];
        for (int f = 0; f < FigureCount; ++f) {
            const Figure& figure = u.figures[static_cast<std::size_t>(f)];
            writeValue(sheet, row, FirstFigureColumn + f, figure.value, StateColours::text(figure.state));
        }
        sheet.writeText(row, StateColumn, FigureStates::name(u.worst()), StateColours::text(u.worst()));
        RecordStrength::writeStationRow(sheet, row, FirstStrengthColumn, r, s, i);
    }
}

void insertChart(XlsxSheet& sheet, const AnalysisResult& r, int s) {
    const struct {
        FigureKind kind;
        QColor colour;
    } lines[] = {{FigureKind::MaxTemperature, QColor(128, 0, 128)},
                 {FigureKind::Core, QColor(220, 0, 0)},
                 {FigureKind::Surface, QColor(0, 0, 220)},
                 {FigureKind::Bottom, QColor(0, 128, 0)},
                 {FigureKind::Air, QColor(128, 128, 128)}};
    XlsxLineChart chart;
    chart.title = QStringLiteral("站点") + r.stations[s].name + QStringLiteral(" 温度曲线");
    chart.xAxisName = QStringLiteral("日期时间");
    chart.yAxisName = QStringLiteral("温度(℃)");
    chart.firstRow = RecordSheet::StationHeaderRow + 1;
    chart.lastRow = RecordSheet::StationHeaderRow + r.readings->uploadCount();
    for (const auto& line : lines) {
        const bool any = std::any_of(r.series[s].uploads.cbegin(), r.series[s].uploads.cend(),
                                     [&line](const UploadFigures& u) { return u[line.kind].has(); });
        if (any)
            chart.series.append({Figures::name(line.kind), FirstFigureColumn + Figures::index(line.kind),
                                 line.colour});
    }
    if (!chart.series.isEmpty())
        sheet.insertLineChart(RecordSheet::StationHeaderRow, ChartColumn, chart);
}

// A sheet name the format accepts: none of []:*?/\ and at most 31 characters.
QString sheetName(const QString& station) {
    static const QRegularExpression invalid(QStringLiteral("[\\[\\]:*?/\\\\]"));
    QString name = QStringLiteral("站点") + station;
    return name.replace(invalid, QStringLiteral("_")).left(31);
}

XlsxSheet* addStationSheet(XlsxBook& book, const QString& station, int index) {
    XlsxSheet* sheet = book.addSheet(sheetName(station));
    if (!sheet)
        sheet = book.addSheet(sheetName(station).left(25) + QStringLiteral(" (%1)").arg(index + 1));
    return sheet ? sheet : book.addSheet();
}

} // namespace

ExportResult RecordSheet::write(const QString& path, const AnalysisResult& r,
                                const QDateTime& madeAt) {
    if (r.stations.isEmpty() || r.readings->uploadCount() == 0)
        return {ExportResult::Kind::NoData, {}, 0};
    XlsxBook book(path);
    XlsxSheet* summary = book.addSheet(SummaryName);
    if (!summary)
        return {ExportResult::Kind::CannotWrite, {}, 0};
    writeHeader(*summary, r, madeAt);
    writeSummary(*summary, r);
    for (int s = 0; s < r.stations.size(); ++s) {
        XlsxSheet* sheet = addStationSheet(book, r.stations[s].name, s);
        if (!sheet)
            return {ExportResult::Kind::CannotWrite, {}, 0};
        writeStationHead(*sheet, r, s);
        writeStationTable(*sheet, r, s);
        insertChart(*sheet, r, s);
    }
    if (!book.close())
        return {ExportResult::Kind::CannotWrite, {}, 0};
    return {};
}

} // namespace analysis
