#include "analysis/RecordStrength.h"

#include "analysis/AnalysisResult.h"
#include "analysis/NumberFormats.h"
#include "common/NumberText.h"
#include "reports/XlsxSheet.h"

namespace analysis {

namespace {

void writeValue(XlsxSheet& sheet, int row, int column, double value) {
    if (!qIsNaN(value))
        sheet.writeNumber(row, column, NumberFormats::rounded(value));
}

void writeHeaders(XlsxSheet& sheet, int row, int column, const QStringList& headers) {
    for (int c = 0; c < headers.size(); ++c)
        sheet.writeText(row, column + c, headers[c]);
}

// The estimate's strength and share as numbers, and "外推" after them where it is only extended.
void writeEstimate(XlsxSheet& sheet, int row, int column, const StrengthEstimate& e) {
    writeValue(sheet, row, column, e.strength);
    writeValue(sheet, row, column + 1, e.share);
    if (e.has() && e.extrapolated)
        sheet.writeText(row, column + 2, QStringLiteral("外推"));
}

QString forecastHeading(const AnalysisResult& r) {
    return QStringLiteral("达到%1%设计强度").arg(PlainNumber(r.pour.settings.strengthTarget * 100));
}

} // namespace

void RecordStrength::writeMix(XlsxSheet& sheet, int row, const AnalysisResult& r) {
    const Mix& mix = r.pour.settings.mix;
    const Calibration& c = r.strength->calibration;
    sheet.writeText(row, 1, QStringLiteral("配合比"));
    sheet.writeText(row, 2, mix.name);
    const QString calibrated = c.usable() ? QStringLiteral("标定%1组，R²=%2，拆模目标为设计强度的%3%")
                                                .arg(mix.pairs.size())
                                                .arg(c.fit().rSquared(), 0, 'f', 4)
                                                .arg(PlainNumber(r.pour.settings.strengthTarget * 100))
                                          : QStringLiteral("未标定或标定数据不能使用，只给出成熟度");
    sheet.writeText(row, 3, QStringLiteral("设计强度%1 MPa，基准温度%2℃，%3")
                                .arg(PlainNumber(mix.designStrength), PlainNumber(mix.maturity.datum), calibrated));
}

void RecordStrength::writeSummaryHeaders(XlsxSheet& sheet, int row, int firstColumn, const AnalysisResult& r) {
    QStringList headers{QStringLiteral("成熟度(℃·h)")};
    if (r.strength->calibration.usable())
        headers << QStringLiteral("推定强度(MPa)") << QStringLiteral("强度/设计强度") << QStringLiteral("说明")
                << forecastHeading(r);
    writeHeaders(sheet, row, firstColumn, headers);
}

void RecordStrength::writeSummaryRow(XlsxSheet& sheet, int row, int firstColumn, const AnalysisResult& r,
                                     int station) {
    const QVector<StationStrength>& stations = r.strength->stations;
    const int latest = station < stations.size() ? stations[station].latest() : -1;
    if (latest < 0)
        return;
    const StationStrength& s = stations[station];
    writeValue(sheet, row, firstColumn, s.uploads[latest].maturity);
    if (!r.strength->calibration.usable())
        return;
    writeEstimate(sheet, row, firstColumn + 1, s.uploads[latest].estimate);
    if (!s.forecasts.isEmpty())
        sheet.writeText(row, firstColumn + 4, s.forecasts.first().text());
}

void RecordStrength::writeStationHeaders(XlsxSheet& sheet, int row, int firstColumn, const AnalysisResult& r) {
    QStringList headers{QStringLiteral("成熟度(℃·h)"), QStringLiteral("等效龄期(h)")};
    if (r.strength->calibration.usable())
        headers << QStringLiteral("推定强度(MPa)") << QStringLiteral("强度/设计强度") << QStringLiteral("说明");
    writeHeaders(sheet, row, firstColumn, headers);
}

void RecordStrength::writeStationRow(XlsxSheet& sheet, int row, int firstColumn, const AnalysisResult& r,
                                     int station, int upload) {
    if (station >= r.strength->stations.size())
        return;
    const WeakestPoint& point = r.strength->stations[station].uploads[upload];
    writeValue(sheet, row, firstColumn, point.maturity);
    writeValue(sheet, row, firstColumn + 1, point.equivalentAge);
    if (r.strength->calibration.usable())
        writeEstimate(sheet, row, firstColumn + 2, point.estimate);
}

} // namespace analysis
