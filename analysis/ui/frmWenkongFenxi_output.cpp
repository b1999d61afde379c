// The analysis window's outputs: the printed chart and the record sheet.
#include "analysis/ui/frmWenkongFenxi.h"

#include "analysis/AnalysisChart.h"
#include "analysis/ReadingTime.h"
#include "analysis/RecordSheet.h"
#include "common/Clock.h"
#include "common/Prompts.h"
#include "common/TwipsScale.h"
#include "reports/FileLauncher.h"
#include "reports/ui/ReportMessages.h"

#include <QDir>
#include <QPainter>
#include <QPrinter>

using namespace analysis;

namespace {

constexpr int PageMargin = 720;

} // namespace

void frmWenkongFenxi::cmdPrint_Click() {
    if (m_station < 0)
        return warn(QStringLiteral("没有可以打印的站点。"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!m_prompts.printerSetup(this, QStringLiteral("温控曲线打印："), printer))
        return;
    printer.setFullPage(true);
    const QRectF paper = printer.pageLayout().fullRect(QPageLayout::Point);
    const QRect box(PageMargin, PageMargin, TwipsScale::fromPoints(paper.width()) - 2 * PageMargin,
                    TwipsScale::fromPoints(paper.height()) - 2 * PageMargin);
    QPainter painter;
    bool printed = box.width() > 0 && box.height() > 0 && painter.begin(&printer);
    if (printed) {
        AnalysisChart(m_result, m_station).draw(painter, box);
        printed = painter.end();
    }
    if (!printed)
        warn(QStringLiteral("图形打印失败！"));
}

void frmWenkongFenxi::cmdRecord_Click() {
    const QString path = ReportMessages::askOutputPath(
        this, m_prompts, m_documentsFolder, ReportMessages::Place::ReportFolder,
        QStringLiteral("输出测温记录表："), QStringLiteral("Excel 工作簿 (*.xlsx)"),
        RecordSheet::BookName + QStringLiteral(".xlsx"));
    if (path.isEmpty())
        return;
    setCursor(Qt::WaitCursor);
    const ExportResult written = RecordSheet::write(path, m_result, ReadingTime::wallClock(m_clock.now()));
    unsetCursor();
    switch (written.kind) {
    case ExportResult::Kind::Written:
        ReportMessages::openWritten(this, m_prompts, m_launcher, path, ReportMessages::FileKind::Workbook);
        break;
    case ExportResult::Kind::NoData:
        warn(QStringLiteral("没有可以输出的站点或上传数据。"));
        break;
    default:
        warn(QStringLiteral("文件无法写入：") + QDir::toNativeSeparators(path));
        break;
    }
}
