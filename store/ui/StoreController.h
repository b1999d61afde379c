#pragma once

#include "common/StoreAccess.h"
#include "common/ui/SaveEntries.h"
#include "store/ReadingsLayout.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class Clock;
class LongWork;
class Prompts;
class QAbstractItemModel;
class QueryPane;
class ReadingsModel;
class StoreResult;
class WaitingPanel;
class QWidget;

// The database commands of the main window: saving an upload, the fixed views, the custom
// query and maintenance. It owns the query pane's rows; the work itself is in the store.
// The custom query and maintenance show the waiting panel, so they are refused while long
// work runs.
class StoreController : public QObject {
    Q_OBJECT

public:
    StoreController(QWidget& window, Prompts& prompts, Clock& clock, const LongWork& work,
                    WaitingPanel& panel, QueryPane& pane, QString databasePath, StoreAccess access);
    ~StoreController() override;

    // Offers to save the upload's readings (data number, temperature) under a date-time
    // the user confirms. True when they went into the database.
    [[nodiscard]] bool Save2Mdb(const QAbstractItemModel& upload);
    [[nodiscard]] QString GetUpdownTimeList() const;
    void ChaXun(const QString& MySql, const QString& MyOrderKey);

    // What filled the query pane last: its layout (no columns before the first fill) and
    // its statement (empty for a fixed view, which reads the layout's own).
    [[nodiscard]] const ReadingsLayout& paneLayout() const;
    [[nodiscard]] const QString& paneSql() const { return m_paneSql; }

public slots:
    void menu_DefByMyself_Click();
    void Menu_orderDateTime_Click();
    void Menu_orderBianhao_Click();
    void menu_OrderByIdTime_Click();
    void menu_OrderByTimeId_Click();
    void menu_ClearMdb_Click();
    // "数据库设置…" of the 文件 menu.
    void menu_DatabaseSetting_Click();

private:
    void fillQueryPane(const ReadingsLayout& layout, const QString& sql = {});
    // Runs a dialog that reads the database while it opens, under the waiting panel; the
    // panel goes when the dialog closes. `run` makes and runs it, and returns why it was
    // refused when its store could not be opened; that reason is then told.
    void runPrepared(const std::function<StoreResult()>& run);
    void warn(const QString& text);

    QWidget& m_window;
    Prompts& m_prompts;
    Clock& m_clock;
    const LongWork& m_work;
    WaitingPanel& m_panel;
    QueryPane& m_pane;
    QString m_databasePath;
    StoreAccess m_access;
    ReadingsModel* m_readingsModel;
    QString m_paneSql;
    // What was typed into the date-time dialog of a save that was cancelled or failed; the
    // next save offers it again. Forgotten after a save.
    std::optional<SaveEntries> m_typed;
};
