#include "store/ui/StoreController.h"

#include "common/Clock.h"
#include "common/Prompts.h"
#include "common/ui/FrmShowRiLI.h"
#include "common/ui/WaitingPanel.h"
#include "store/ReadingLists.h"
#include "store/ReadingsModel.h"
#include "store/UploadSaver.h"
#include "store/ui/FrmDataManage.h"
#include "store/ui/FrmDatabaseSetting.h"
#include "store/ui/FrmSelect.h"
#include "store/ui/QueryPane.h"

#include <QAbstractItemModel>

using Fill = ReadingsLayout::Fill;

namespace {

const QString InfoTitle = QStringLiteral("提示：");

QVector<UploadSaver::ListRow> uploadRows(const QAbstractItemModel& upload) {
    QVector<UploadSaver::ListRow> rows;
    rows.reserve(upload.rowCount());
    for (int r = 0; r < upload.rowCount(); ++r)
        rows.append({upload.index(r, 0).data().toString(), upload.index(r, 1).data().toString()});
    return rows;
}

} // namespace

StoreController::StoreController(QWidget& window, Prompts& prompts, Clock& clock,
                                 WaitingPanel& panel, QueryPane& pane, QString databasePath)
    : QObject(&window),
      m_window(window),
      m_prompts(prompts),
      m_clock(clock),
      m_panel(panel),
      m_pane(pane),
      m_databasePath(std::move(databasePath)),
      m_readingsModel(new ReadingsModel(this)) {}

StoreController::~StoreController() = default;

bool StoreController::Save2Mdb(const QAbstractItemModel& upload) {
    if (upload.rowCount() == 0)
        return false;
    if (m_prompts.message(&m_window, InfoTitle,
                          QStringLiteral("是否被将设备数据保存到计算机数据库中？"),
                          Prompts::Buttons::YesNo,
                          Prompts::Icon::Question) != Prompts::Answer::Yes)
        return false;
    if (!m_frmShowRiLI)
        m_frmShowRiLI = new FrmShowRiLI(m_prompts, m_clock, &m_window);
    m_frmShowRiLI->exec();
    const QString stamp = m_frmShowRiLI->MyRiLI;
    if (stamp.isEmpty())
        return false;

    const auto readings = UploadSaver::plan(uploadRows(upload), m_frmShowRiLI->StNum,
                                            m_frmShowRiLI->EdNum, m_frmShowRiLI->OffsetNum);
    const StoreResult r = UploadSaver::save(m_databasePath, stamp, readings);
    if (!r.ok()) {
        // Nothing was stored; the dialog keeps its entries and the upload stays in its list
        // for another try. A server that went away, during the save or since the last one,
        // is worth another try later, and the engineer must know the upload is not lost.
        QString text = r.message();
        if (r.retryable())
            text += QStringLiteral("\n设备数据没有保存，仍在列表中，可以稍后再次保存。");
        m_prompts.message(&m_window, InfoTitle, text, Prompts::Buttons::Ok,
                          Prompts::Icon::Warning);
        return false;
    }
    delete m_frmShowRiLI;
    m_frmShowRiLI = nullptr;
    m_prompts.message(&m_window, InfoTitle, QStringLiteral("数据已经存入数据库"),
                      Prompts::Buttons::Ok, Prompts::Icon::Information);
    return true;
}

QString StoreController::GetUpdownTimeList() const {
    return ReadingLists::uploadTimeList(m_databasePath);
}

void StoreController::ChaXun(const QString& MySql, const QString& MyOrderKey) {
    fillQueryPane(ReadingsLayout::forQuery(MyOrderKey), MySql);
}

const ReadingsLayout& StoreController::paneLayout() const {
    return m_readingsModel->layout();
}

void StoreController::fillQueryPane(const ReadingsLayout& layout, const QString& sql) {
    m_paneSql = sql;
    const StoreResult r = m_readingsModel->fill(m_databasePath, layout, sql);
    m_pane.showQuery(*m_readingsModel, layout.paneWidthTwips());
    if (!layout.caption().isEmpty())
        m_pane.setQueryCaption(layout.caption());
    if (!r.ok())
        m_prompts.message(&m_window, InfoTitle, r.message(), Prompts::Buttons::Ok,
                          Prompts::Icon::Warning);
}

template <typename Dialog>
std::unique_ptr<Dialog> StoreController::execPrepared(const StoreResult& (Dialog::*opened)()
                                                          const) {
    m_waitingText = m_panel.waitingText();
    m_panel.showWaiting(QStringLiteral("请稍等，正在准备数据....."), false);
    m_clock.yield();
    auto dlg = std::make_unique<Dialog>(m_prompts, m_databasePath, &m_window);
    const StoreResult failure = (dlg.get()->*opened)();
    const bool refused = failure.kind() == StoreResult::Kind::CannotOpen;
    if (!refused)
        dlg->exec();
    m_panel.hideWaiting();
    m_panel.setWaitingText(m_waitingText);
    if (!refused)
        return dlg;
    m_prompts.message(&m_window, InfoTitle, failure.message(), Prompts::Buttons::Ok,
                      Prompts::Icon::Warning);
    return nullptr;
}

void StoreController::menu_DefByMyself_Click() {
    const std::unique_ptr<FrmSelect> dlg = execPrepared(&FrmSelect::loadError);
    if (!dlg || dlg->Sql.isEmpty())
        return;
    ChaXun(dlg->Sql, dlg->OrderKey);
    m_pane.setQueryCaption(QStringLiteral("自定义查询："));
}

void StoreController::Menu_orderDateTime_Click() {
    fillQueryPane(ReadingsLayout::of(Fill::UploadTimes));
}

void StoreController::Menu_orderBianhao_Click() {
    fillQueryPane(ReadingsLayout::of(Fill::SensorNumbers));
}

void StoreController::menu_OrderByIdTime_Click() {
    fillQueryPane(ReadingsLayout::of(Fill::BySensorThenTime));
}

void StoreController::menu_OrderByTimeId_Click() {
    fillQueryPane(ReadingsLayout::of(Fill::ByTimeThenSensor));
}

void StoreController::menu_DatabaseSetting_Click() {
    FrmDatabaseSetting dlg(m_prompts, &m_window);
    dlg.exec();
}

void StoreController::menu_ClearMdb_Click() {
    (void)execPrepared(&FrmDataManage::listError);
}
