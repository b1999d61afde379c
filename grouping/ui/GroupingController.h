#pragma once

#include <QObject>
#include <QString>

class Clock;
class Prompts;
class QAction;
class QWidget;
class WaitingPanel;

// The station-grouping commands of the main window: "分组定义" (MenuGroupDEF) and the
// hidden "分组查询" (MenuGroupSel), and the steps that come before the curve window and
// the station report. It keeps whether the definitions have been confirmed since the
// program started (shown as the check mark of MenuGroupDEF) and how the last definition
// dialog was closed (IsOk).
class GroupingController : public QObject {
    Q_OBJECT

public:
    // menuGroupDEF is the checkable "分组定义" item; the controller sets its check mark and
    // does not connect it.
    GroupingController(QWidget* parent, Prompts& prompts, Clock& clock, WaitingPanel& waiting,
                       QString dbPath, QAction* menuGroupDEF);

    // The last definition dialog since the start was closed with OK.
    [[nodiscard]] bool IsOk() const { return m_isOk; }
    // Definitions have been confirmed at least once since the start.
    [[nodiscard]] bool confirmed() const { return m_confirmed; }

    // Before the curve window or the station report opens: the definition dialog when
    // nothing has been confirmed yet, then a new grouping run when the last dialog was
    // confirmed, so that uploads saved meanwhile are grouped. False when a grouping run
    // failed (its message has been shown) and the window would show stale records.
    [[nodiscard]] bool PrepareStationWindow();

public slots:
    void MenuGroupDEF_Click();
    void MenuGroupSel_Click();

private:
    // Runs the grouping behind the waiting panel and tells its outcome; false on a failure.
    [[nodiscard]] bool runGrouping();

    QWidget* m_parent;
    Prompts& m_prompts;
    Clock& m_clock;
    WaitingPanel& m_waiting;
    QString m_dbPath;
    QAction* m_menuGroupDEF;
    bool m_isOk = false;
    bool m_confirmed = false;
};
