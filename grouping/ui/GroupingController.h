#pragma once

#include "common/StoreAccess.h"

#include <QObject>
#include <QString>

#include <functional>

class LongWork;
class Prompts;
class QAction;
class QWidget;
class WaitingPanel;
struct GroupingRun;

// The station-grouping commands of the main window: "分组定义" (MenuGroupDEF) and the
// hidden "分组查询" (MenuGroupSel), and the steps that come before the curve window and
// the station report. It keeps whether the definitions have been confirmed since the
// program started (shown as the check mark of MenuGroupDEF) and how the last definition
// dialog was closed (IsOk). A grouping run works on a thread of its own; while any long
// work runs, these commands are refused.
class GroupingController : public QObject {
    Q_OBJECT

public:
    // menuGroupDEF is the checkable "分组定义" item; the controller sets its check mark and
    // does not connect it.
    GroupingController(QWidget* parent, Prompts& prompts, LongWork& work, WaitingPanel& waiting,
                       QString dbPath, StoreAccess access, QAction* menuGroupDEF);

    // The last definition dialog since the start was closed with OK.
    [[nodiscard]] bool IsOk() const { return m_isOk; }
    // Definitions have been confirmed at least once since the start.
    [[nodiscard]] bool confirmed() const { return m_confirmed; }

    // Before the curve window or the station report opens: the definition dialog when
    // nothing has been confirmed yet, then a new grouping run when the last dialog was
    // confirmed, so that uploads saved meanwhile are grouped. `open` runs once that is
    // done; not when a grouping run failed (its message has been shown) and the window
    // would show stale records, nor when long work was running.
    void PrepareStationWindow(std::function<void()> open);

public slots:
    void MenuGroupDEF_Click();
    void MenuGroupSel_Click();

private:
    // The definition dialog, then a grouping run when it was confirmed; `then` runs after.
    void defineGroups(const std::function<void()>& then);
    // Runs the grouping behind the waiting panel and tells its outcome; `then` gets
    // whether it succeeded.
    void runGrouping(std::function<void(bool ok)> then);
    [[nodiscard]] bool tellOutcome(const GroupingRun& run);

    QWidget* m_parent;
    Prompts& m_prompts;
    LongWork& m_work;
    WaitingPanel& m_waiting;
    QString m_dbPath;
    StoreAccess m_access;
    QAction* m_menuGroupDEF;
    bool m_isOk = false;
    bool m_confirmed = false;
};
