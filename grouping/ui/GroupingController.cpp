#include "grouping/ui/GroupingController.h"

#include "common/LongWork.h"
#include "common/Module1.h"
#include "common/Prompts.h"
#include "common/ui/WaitingPanel.h"
#include "grouping/GroupData2Mdb.h"
#include "grouping/ui/FrmDataGroupDef.h"

#include <QAction>

#include <utility>

GroupingController::GroupingController(QWidget* parent, Prompts& prompts, LongWork& work,
                                       WaitingPanel& waiting, QString dbPath, StoreAccess access,
                                       QAction* menuGroupDEF)
    : QObject(parent), m_parent(parent), m_prompts(prompts), m_work(work), m_waiting(waiting),
      m_dbPath(std::move(dbPath)), m_access(access), m_menuGroupDEF(menuGroupDEF) {
    m_menuGroupDEF->setCheckable(true);
    m_menuGroupDEF->setChecked(false);
}

void GroupingController::MenuGroupDEF_Click() {
    // Triggering a checkable item flips its mark; the mark shows our state, not the click.
    m_menuGroupDEF->setChecked(m_confirmed);
    if (!m_work.busy())
        defineGroups([] {});
}

void GroupingController::MenuGroupSel_Click() {
    if (!m_work.busy())
        runGrouping([](bool) {});
}

void GroupingController::PrepareStationWindow(std::function<void()> open) {
    if (m_work.busy())
        return;
    // A user who only views reads the station records as a recording user last rebuilt them.
    if (m_access.readOnly) {
        open();
        return;
    }
    auto regroup = [this, open = std::move(open)] {
        if (!m_isOk) {
            open();
            return;
        }
        runGrouping([open](bool ok) {
            if (ok)
                open();
        });
    };
    if (m_confirmed)
        regroup();
    else
        defineGroups(regroup);
}

void GroupingController::defineGroups(const std::function<void()>& then) {
    m_waiting.showWaiting(QStringLiteral("请稍等，正在准备数据....."), false);
    m_isOk = FrmDataGroupDef::defineGroups(m_prompts, m_dbPath, m_access, m_parent);
    m_waiting.hideWaiting();
    if (!m_isOk) {
        then();
        return;
    }
    m_confirmed = true;
    m_menuGroupDEF->setChecked(true);
    runGrouping([then](bool) { then(); });
}

void GroupingController::runGrouping(std::function<void(bool ok)> then) {
    m_waiting.showWaiting(QStringLiteral("请稍等，正在执行数据分组....."), false);
    const QString dbPath = m_dbPath;
    const bool started = m_work.start<GroupingRun>(
        this, [dbPath](const LongWork::Report&) { return GroupData2Mdb(dbPath); }, {},
        [this, then = std::move(then)](const GroupingRun& run) { then(tellOutcome(run)); });
    if (!started)
        m_waiting.hideWaiting();
}

bool GroupingController::tellOutcome(const GroupingRun& run) {
    if (!run.result.ok())
        m_prompts.message(m_parent, QStringLiteral("提示："), run.result.message(),
                          Prompts::Buttons::Ok, Prompts::Icon::Warning);
    else if (run.uploads > 0)
        m_prompts.message(m_parent, Module1::AppTitle, QStringLiteral("数据分组完成。"),
                          Prompts::Buttons::Ok, Prompts::Icon::Information);
    m_waiting.hideWaiting();
    return run.result.ok();
}
