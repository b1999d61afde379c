#include "store/ui/StoreController.h"

#include "common/LongWork.h"
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
                                 const LongWork& work, WaitingPanel& panel, QueryPane& pane,
                                 QString databasePath, StoreAccess access)
    : QObject(&window),
      m_window(window),
      m_prompts(prompts),
      m_clock(clock),
      m_work(work),
      m_panel(panel),
      m_pane(pane),
      m_databasePath(std::move(databasePath)),
      m_access(access),
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
    const std::optional<SaveChoice> choice =
        FrmShowRiLI::askSave(m_prompts, m_clock, m_typed, &m_window);
    if (!choice)
        return false;

    const auto readings = UploadSaver::plan(uploadRows(upload), choice->firstNumber,
                                            choice->lastNumber, choice->offset);
    const StoreResult r = UploadSaver::save(m_databasePath, choice->dateTime, readings);
    if (!r.ok()) {
        // Nothing was stored; what was typed is offered again and the upload stays in its
        // list for another try. A server that went away, during the save or since the last
        // one, is worth another try later, and the engineer must know the upload is not lost.
        QString text = r.message();
        if (r.retryable())
            text += QStringLiteral("\n设备数据没有保存，仍在列表中，可以稍后再次保存。");
        warn(text);
        return false;
    }
    m_typed.reset();
    m_prompts.message(&m_window, InfoTitle, QStringLiteral("数据已经存入数据库"),
                      Prompts::Buttons::Ok, Prompts::Icon::Information);
    return true;
}

void StoreController::warn(const QString& text) {
    m_prompts.message(&m_window, InfoTitle, text, Prompts::Buttons::Ok, Prompts::Icon::Warning);
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
        warn(r.message());
}

void StoreController::runPrepared(const std::function<StoreResult()>& run) {
    const QString waitingText = m_panel.waitingText();
    m_panel.showWaiting(QStringLiteral("请稍等，正在准备数据....."), false);
    const StoreResult refused = run();
    m_panel.hideWaiting();
    m_panel.setWaitingText(waitingText);
    if (!refused.ok())
        warn(refused.message());
}

void StoreController::menu_DefByMyself_Click() {
    if (m_work.busy())
        return;
    std::optional<SelectStatement::Result> query;
    runPrepared([this, &query] {
        StoreResult refused;
        query = FrmSelect::chooseQuery(m_prompts, m_databasePath, &m_window, refused);
        return refused;
    });
    if (!query)
        return;
    ChaXun(query->sql, query->orderKey);
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
    m_prompts.runDialog(dlg);
}

void StoreController::menu_ClearMdb_Click() {
    if (m_work.busy())
        return;
    runPrepared([this] {
        FrmDataManage dlg(m_prompts, m_databasePath, m_access, &m_window);
        if (dlg.listError().kind() == StoreResult::Kind::CannotOpen)
            return dlg.listError();
        m_prompts.runDialog(dlg);
        return StoreResult();
    });
}
