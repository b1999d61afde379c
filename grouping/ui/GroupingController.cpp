#include "grouping/ui/GroupingController.h"

#include "common/Clock.h"
#include "common/Module1.h"
#include "common/Prompts.h"
#include "common/ui/WaitingPanel.h"
#include "grouping/GroupData2Mdb.h"
#include "grouping/ui/FrmDataGroupDef.h"

#include <QAction>

#include <utility>

GroupingController::GroupingController(QWidget* parent, Prompts& prompts, Clock& clock,
                                       WaitingPanel& waiting, QString dbPath, QAction* menuGroupDEF)
    : QObject(parent), m_parent(parent), m_prompts(prompts), m_clock(clock), m_waiting(waiting),
      m_dbPath(std::move(dbPath)), m_menuGroupDEF(menuGroupDEF) {
    m_menuGroupDEF->setCheckable(true);
    m_menuGroupDEF->setChecked(false);
}

void GroupingController::MenuGroupDEF_Click() {
    // Triggering a checkable item flips its mark; the mark shows our state, not the click.
    m_menuGroupDEF->setChecked(m_confirmed);
    m_waiting.showWaiting(QStringLiteral("请稍等，正在准备数据....."), false);
    m_clock.yield();
    {
        FrmDataGroupDef dialog(m_prompts, m_dbPath, m_parent);
        dialog.exec();
        m_waiting.hideWaiting();
        m_isOk = dialog.IsOk;
    }
    if (m_isOk) {
        (void)runGrouping();
        m_confirmed = true;
    }
    m_menuGroupDEF->setChecked(m_confirmed);
}

void GroupingController::MenuGroupSel_Click() {
    (void)runGrouping();
}

bool GroupingController::runGrouping() {
    m_waiting.showWaiting(QStringLiteral("请稍等，正在执行数据分组....."), false);
    m_clock.yield();
    const GroupingRun run = GroupData2Mdb(m_dbPath);
    if (!run.result.ok())
        m_prompts.message(m_parent, QStringLiteral("提示："), run.result.message(),
                          Prompts::Buttons::Ok, Prompts::Icon::Warning);
    else if (run.uploads > 0)
        m_prompts.message(m_parent, Module1::AppTitle, QStringLiteral("数据分组完成。"),
                          Prompts::Buttons::Ok, Prompts::Icon::Information);
    m_waiting.hideWaiting();
    return run.result.ok();
}

bool GroupingController::PrepareStationWindow() {
    if (!m_confirmed)
        MenuGroupDEF_Click();
    return !m_isOk || runGrouping();
}
