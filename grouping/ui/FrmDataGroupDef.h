#pragma once

#include "common/StoreAccess.h"
#include "grouping/GroupRow.h"

#include <QDialog>
#include <QString>
#include <QVector>

#include <array>

class Prompts;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QStringListModel;
class QTreeWidget;
class QTreeWidgetItem;

// The station definitions: a working list of groups that the user edits, fills in bulk,
// loads from and saves to the database. The list shows every group as it is stored.
class FrmDataGroupDef : public QDialog {
    Q_OBJECT

public:
    FrmDataGroupDef(Prompts& prompts, QString dbPath, StoreAccess access = {},
                    QWidget* parent = nullptr);

    // Runs the dialog; true when it was closed with OK (the groups were saved, or the
    // user chose not to replace the stored ones), false when it was cancelled or closed.
    [[nodiscard]] static bool defineGroups(Prompts& prompts, const QString& dbPath,
                                           StoreAccess access, QWidget* parent);

    // Empties the list and lays its columns out again.
    void ClearListView1();
    // The groups as the list holds them, top to bottom.
    [[nodiscard]] QVector<GroupRow> listedGroups() const;

public slots:
    void CmdAddNew_Click();
    void CmdDel_Click();
    void CmdClearAll_Click();
    void CmdLoadFromMdb_Click();
    void CmdSave2Mdb_Click();
    void CmdMore_Click();
    void cmdOK_Click();
    void CmdCancle_Click();

private:
    void buildControls();
    [[nodiscard]] QWidget* buildEntryArea();
    void Form_Load();
    void appendGroup(const GroupRow& group);
    // Asks, then replaces the stored groups by the list. False only when the save failed;
    // the failure has been shown.
    [[nodiscard]] bool saveGroups();

    Prompts& m_prompts;
    QString m_dbPath;
    StoreAccess m_access;
    QTreeWidget* ListView1 = nullptr;
    QComboBox* ComboGroup = nullptr;
    std::array<QComboBox*, GroupRow::Slots> ComboBH{};
    QPushButton* CmdAddNew = nullptr;
    QPushButton* CmdDel = nullptr;
    QPushButton* CmdClearAll = nullptr;
    QPushButton* CmdLoadFromMdb = nullptr;
    QPushButton* CmdSave2Mdb = nullptr;
    QGroupBox* FrameMore = nullptr;
    QPushButton* CmdMore = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* CmdCancle = nullptr;
    QStringListModel* m_numbers = nullptr;
    // A row has been clicked since the last press of "删除选取组".
    bool m_listClicked = false;
};
