#pragma once

#include "store/ReadingsLayout.h"

#include <QObject>
#include <QString>

#include <memory>

class Clock;
class FrmShowRiLI;
class Prompts;
class QAbstractItemModel;
class QueryPane;
class ReadingsModel;
class StoreResult;
class WaitingPanel;
class QWidget;

// The database commands of the main window: saving an upload, the fixed views, the custom
// query and maintenance. It owns the query pane's rows; the work itself is in the store.
class StoreController : public QObject {
    Q_OBJECT

public:
    StoreController(QWidget& window, Prompts& prompts, Clock& clock, WaitingPanel& panel,
                    QueryPane& pane, QString databasePath);
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
    // Makes a dialog that reads the database while it opens, under the waiting panel, and
    // runs it; the panel goes when the dialog closes. A dialog whose store cannot be opened
    // (its `opened` says so) is refused with the reason instead, and null returned.
    template <typename Dialog>
    std::unique_ptr<Dialog> execPrepared(const StoreResult& (Dialog::*opened)() const);

    QWidget& m_window;
    Prompts& m_prompts;
    Clock& m_clock;
    WaitingPanel& m_panel;
    QueryPane& m_pane;
    QString m_databasePath;
    ReadingsModel* m_readingsModel;
    QString m_paneSql;
    // The date-time dialog of the saves. It survives a cancel, so the next save offers the
    // cancelled entries again, and is destroyed after a save.
    FrmShowRiLI* m_frmShowRiLI = nullptr;
    // The waiting label's text while the panel says it is preparing data.
    QString m_waitingText;
};
