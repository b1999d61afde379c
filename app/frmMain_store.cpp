// The main window's database commands: saving uploads, the fixed views, custom query and
// maintenance. The work itself is in store/; these handlers show its results.
#include "frmMain.h"

#include "Clock.h"
#include "FrmDataManage.h"
#include "FrmSelect.h"
#include "FrmShowRiLI.h"
#include "Module1.h"
#include "Prompts.h"
#include "ReadingLists.h"
#include "ReadingsLayout.h"
#include "ReadingsModel.h"
#include "TwipsScale.h"
#include "UploadSaver.h"

#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QTreeView>
#include <QTreeWidget>

using Fill = ReadingsLayout::Fill;

namespace {

const QString InfoTitle = QStringLiteral("提示：");

QVector<UploadSaver::ListRow> deviceDataRows(const QTreeWidget* list) {
    QVector<UploadSaver::ListRow> rows;
    rows.reserve(list->topLevelItemCount());
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        rows.append({item->text(0), item->text(1)});
    }
    return rows;
}

} // namespace

void frmMain::Save2Mdb() {
    if (ListView2->topLevelItemCount() == 0)
        return;
    if (m_prompts.message(this, InfoTitle, QStringLiteral("是否被将设备数据保存到计算机数据库中？"),
                          Prompts::Buttons::YesNo, Prompts::Icon::Question) != Prompts::Answer::Yes)
        return;
    if (!m_frmShowRiLI)
        m_frmShowRiLI = new FrmShowRiLI(m_prompts, m_clock, this);
    m_frmShowRiLI->exec();
    const QString stamp = m_frmShowRiLI->MyRiLI;
    if (stamp.isEmpty())
        return;

    const auto readings = UploadSaver::plan(deviceDataRows(ListView2), m_frmShowRiLI->StNum,
                                            m_frmShowRiLI->EdNum, m_frmShowRiLI->OffsetNum);
    finishQueryPaneReading();
    const StoreResult r = UploadSaver::save(Module1::DatabasePath, stamp, readings);
    if (!r.ok()) {
        // Nothing was stored; the dialog keeps its entries for another try.
        m_prompts.message(this, InfoTitle, r.message(), Prompts::Buttons::Ok,
                          Prompts::Icon::Warning);
        return;
    }
    delete m_frmShowRiLI;
    m_frmShowRiLI = nullptr;
    m_prompts.message(this, InfoTitle, QStringLiteral("数据已经存入数据库"), Prompts::Buttons::Ok,
                      Prompts::Icon::Information);
}

QString frmMain::GetUpdownTimeList() {
    return ReadingLists::uploadTimeList(Module1::DatabasePath);
}

void frmMain::ChaXun(const QString& MySql, const QString& MyOrderKey) {
    fillQueryPane(ReadingsLayout::forQuery(MyOrderKey), MySql);
}

void frmMain::fillQueryPane(const ReadingsLayout& layout, const QString& sql) {
    if (!m_readingsModel) {
        m_readingsModel = new ReadingsModel(this);
        ListView3->setModel(m_readingsModel);
        ListView3->header()->setStretchLastSection(false);
    }
    ShowQueryPane(layout.paneWidthTwips());
    const StoreResult r = m_readingsModel->fill(Module1::DatabasePath, layout, sql);
    for (int c = 0; c < m_readingsModel->columnCount(); ++c)
        ListView3->header()->resizeSection(c,
                                           Twips::ToPixels(m_readingsModel->columnWidthTwips(c)));
    if (!layout.caption().isEmpty())
        lblTitle[1]->setText(layout.caption());
    if (!r.ok())
        m_prompts.message(this, InfoTitle, r.message(), Prompts::Buttons::Ok,
                          Prompts::Icon::Warning);
}

void frmMain::finishQueryPaneReading() {
    if (m_readingsModel)
        m_readingsModel->waitUntilLoaded();
}

void frmMain::showPreparingPanel() {
    m_waitingText = Label1->text();
    ProgressBar1->hide();
    Label1->setText(QStringLiteral("请稍等，正在准备数据....."));
    PicWaiting->show();
    PicWaiting->raise();
    m_clock.yield();
}

void frmMain::hidePreparingPanel() {
    PicWaiting->hide();
    ProgressBar1->show();
    Label1->setText(m_waitingText);
}

void frmMain::menuSave2Mdb_Click() {
    Save2Mdb();
}

void frmMain::menu_DefByMyself_Click() {
    showPreparingPanel();
    FrmSelect dlg(m_prompts, Module1::DatabasePath, this);
    if (dlg.loadError().kind() == StoreResult::Kind::CannotOpen) {
        hidePreparingPanel();
        m_prompts.message(this, InfoTitle, dlg.loadError().message(), Prompts::Buttons::Ok,
                          Prompts::Icon::Warning);
        return;
    }
    dlg.exec();
    hidePreparingPanel();
    if (dlg.Sql.isEmpty())
        return;
    ChaXun(dlg.Sql, dlg.OrderKey);
    lblTitle[1]->setText(QStringLiteral("自定义查询："));
}

void frmMain::Menu_orderDateTime_Click() {
    fillQueryPane(ReadingsLayout::of(Fill::UploadTimes));
}

void frmMain::Menu_orderBianhao_Click() {
    fillQueryPane(ReadingsLayout::of(Fill::SensorNumbers));
}

void frmMain::menu_OrderByIdTime_Click() {
    fillQueryPane(ReadingsLayout::of(Fill::BySensorThenTime));
}

void frmMain::menu_OrderByTimeId_Click() {
    fillQueryPane(ReadingsLayout::of(Fill::ByTimeThenSensor));
}

void frmMain::menu_ClearMdb_Click() {
    finishQueryPaneReading();
    showPreparingPanel();
    FrmDataManage dlg(m_prompts, Module1::DatabasePath, this);
    if (dlg.listError().kind() == StoreResult::Kind::CannotOpen) {
        hidePreparingPanel();
        m_prompts.message(this, InfoTitle, dlg.listError().message(), Prompts::Buttons::Ok,
                          Prompts::Icon::Warning);
        return;
    }
    dlg.exec();
    hidePreparingPanel();
}
