// The curve window's outputs: printing the picture over pages and saving it as a bitmap.
#include "curves/ui/frmWenduQuxian.h"

#include "common/Module1.h"
#include "common/Prompts.h"
#include "common/TwipsScale.h"
#include "curves/BitmapFile.h"
#include "curves/ChartGeometry.h"
#include "curves/ChartSurface.h"
#include "curves/MyFunctions.h"
#include "curves/PrintLayout.h"
#include "curves/ui/ChartPicture.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrinter>

#include <optional>

void frmWenduQuxian::CmdPrn_Click() {
    printPicture(false);
}

void frmWenduQuxian::cmdPrnHalf_Click() {
    printPicture(true);
}

void frmWenduQuxian::printPicture(bool halfWidth) {
    QPrinter printer(QPrinter::HighResolution);
    if (!m_prompts.printerSetup(this, QStringLiteral("图形打印："), printer))
        return;
    // Page geometry is that of the whole sheet; the margins are the layout's own.
    printer.setFullPage(true);
    const QRectF paper = printer.pageLayout().fullRect(QPageLayout::Point);
    const PrintLayout layout(TwipsScale::fromPoints(paper.width()),
                             TwipsScale::fromPoints(paper.height()), m_pictureWidth,
                             ChartGeometry::PictureHeight, halfWidth);
    const int pages = layout.pageCount();
    if (pages == 0) {
        m_prompts.message(this, QStringLiteral("提示："),
                          QStringLiteral("纸张太窄，无法打印当前图形！"), Prompts::Buttons::Ok,
                          Prompts::Icon::Warning);
        return;
    }
    if (m_prompts.message(
            this, QStringLiteral("提示："),
            QStringLiteral("当前图形需%1页纸，纸张的大小和方向可通过打印机属性设置,打印吗？")
                .arg(pages),
            Prompts::Buttons::YesNo, Prompts::Icon::Question) != Prompts::Answer::Yes)
        return;

    // All pages go into one job, one page each, painted from one read of the records.
    std::optional<StationChart> chart;
    if (m_drawn) {
        qint16 days = m_dayCount;
        chart = m_chart.ReadStationChart(m_station, LeftMarginHours, 0, m_endDate, days);
    }
    QPainter painter;
    bool printed = painter.begin(&printer);
    for (int page = 1; printed && page <= pages; ++page) {
        if (page > 1)
            printed = printer.newPage();
        if (printed)
            printPage(painter, layout, page, chart);
    }
    if (painter.isActive())
        printed = painter.end() && printed;
    if (!printed)
        m_prompts.message(this, QStringLiteral("提示："), QStringLiteral("图形打印失败！"),
                          Prompts::Buttons::Ok, Prompts::Icon::Warning);
}

void frmWenduQuxian::printPage(QPainter& painter, const PrintLayout& layout, int page,
                               const std::optional<StationChart>& chart) {
    const TwipsScale scale = TwipsScale::forDevice(*painter.device());
    painter.save();
    const double left = scale.xF(PrintLayout::Margin);
    const double top = scale.yF(layout.destinationY());
    painter.setClipRect(QRectF(left, top, scale.xF(layout.sourceWidth(page) * layout.compression()),
                               scale.yF(ChartGeometry::PictureHeight)));
    painter.translate(left, top);
    painter.scale(layout.compression(), 1.0);
    painter.translate(-scale.xF(layout.sourceX(page)), 0.0);
    if (chart) {
        QString status;
        m_chart.PaintStationChart(*chart, painter, true, status);
    }
    painter.restore();

    ChartSurface surface(painter);
    surface.print(layout.pageNumberX(surface.textWidth(PrintLayout::PageWidthSample())),
                  PrintLayout::PageNumberY, PrintLayout::PageText(page));
}

void frmWenduQuxian::cmd2Bmp_Click() {
    for (;;) {
        QString name = m_prompts.saveFileName(this, QStringLiteral("请输入图片文件名称："),
                                              QStringLiteral("图形文件(*.bmp)"));
        if (name.isEmpty())
            return;
        name = BitmapFile::WithBmpSuffix(name);
        if (QFileInfo::exists(name) &&
            m_prompts.message(this, QStringLiteral("提示："), QStringLiteral("是否覆盖原有文件？"),
                              Prompts::Buttons::YesNo,
                              Prompts::Icon::Question) != Prompts::Answer::Yes)
            continue;
        if (BitmapFile::Save(Picture1->image(), name))
            m_prompts.message(this, Module1::AppTitle, QStringLiteral("输出图片文件成功"));
        else
            m_prompts.message(this, Module1::AppTitle, QStringLiteral("图片文件写入失败：") + name,
                              Prompts::Buttons::Ok, Prompts::Icon::Warning);
        return;
    }
}
