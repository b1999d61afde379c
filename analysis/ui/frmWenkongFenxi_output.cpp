// The analysis window's outputs: the printed chart, the record sheet and the project summary.
#include "analysis/ui/frmWenkongFenxi.h"

#include "analysis/AnalysisChart.h"
#include "analysis/ProjectSummary.h"
#include "analysis/ReadingTime.h"
#include "analysis/RecordSheet.h"
#include "common/Clock.h"
#include "common/LongWork.h"
#include "common/Prompts.h"
#include "common/TwipsScale.h"
#include "reports/FileLauncher.h"
#include "reports/ui/ReportMessages.h"

#include <QDir>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>

using namespace analysis;

namespace {

constexpr int PageMargin = 720;

// A pour's name as part of a file name, without the marks file names may not hold.
QString fileNamePart(QString name) {
    static const QRegularExpression forbidden(QStringLiteral("[\\\\/:*?\"<>|]"));
    return name.replace(forbidden, QStringLiteral("_"));
}

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
        QStringLiteral("%1（%2）.xlsx").arg(RecordSheet::BookName, fileNamePart(m_result.pour.title())));
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

void frmWenkongFenxi::cmdSummary_Click() {
    if (m_inputs.pours.isEmpty())
        return warn(QStringLiteral("尚未建立浇筑，没有可以汇总的内容。"));
    const QString path = ReportMessages::askOutputPath(
        this, m_prompts, m_documentsFolder, ReportMessages::Place::ReportFolder,
        QStringLiteral("输出项目汇总："), QStringLiteral("Excel 工作簿 (*.xlsx)"),
        ProjectSummary::BookName + QStringLiteral(".xlsx"));
    if (path.isEmpty())
        return;
    using Written = std::pair<StoreResult, ExportResult>;
    const QDateTime now = ReadingTime::wallClock(m_clock.now());
    const bool started = m_work.start<Written>(
        this,
        [dbPath = m_databasePath, settings = m_inputs, now, path](const LongWork::Report&) {
            QVector<PourSummary> pours;
            const StoreResult read = ProjectSummary::collect(dbPath, settings, now, pours);
            return Written{read, read.ok() ? ProjectSummary::write(path, pours, now) : ExportResult()};
        },
        {}, [this, path](const Written& written) {
            unsetCursor();
            if (!written.first.ok())
                return warn(written.first.message());
            summaryWritten(path, written.second);
        });
    if (started)
        setCursor(Qt::WaitCursor);
}

void frmWenkongFenxi::summaryWritten(const QString& path, const ExportResult& written) {
    if (written.kind == ExportResult::Kind::Written)
        ReportMessages::openWritten(this, m_prompts, m_launcher, path, ReportMessages::FileKind::Workbook);
    else
        warn(QStringLiteral("文件无法写入：") + QDir::toNativeSeparators(path));
}
