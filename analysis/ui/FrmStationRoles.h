#pragma once

#include "common/StoreAccess.h"

#include "analysis/StationRole.h"
#include "grouping/GroupRow.h"

#include <QDialog>
#include <QVector>

class Prompts;
class QComboBox;
class QPushButton;
class QTableWidget;

// "站点角色": per station, which slot is the surface point and which the bottom point
// ("自动" leaves it to the rule), and each slot's depth in mm. OK checks every station
// and names the first whose roles do not fit; nothing is saved then. The roles of stations
// not shown are kept as they are.
class FrmStationRoles : public QDialog {
    Q_OBJECT

public:
    enum Column { Name, Surface, Bottom, FirstDepth, ColumnCount = FirstDepth + GroupRow::Slots };

    FrmStationRoles(Prompts& prompts, const StoreAccess& access, QString dbPath, const QVector<GroupRow>& groups,
                    const QVector<analysis::StationRole>& roles, QWidget* parent = nullptr);

    QTableWidget* tblRoles = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* CmdCancle = nullptr;

    // The slot box of a row (Surface or Bottom column); its item 0 is "自动".
    [[nodiscard]] QComboBox* slotBox(int row, Column column) const;

public slots:
    void cmdOK_Click();

private:
    void fillRow(int row, const GroupRow& group, const analysis::StationRole* role);
    // The role a row says; an empty text and the reason when a depth is not a number.
    [[nodiscard]] QString readRow(int row, analysis::StationRole& out) const;

    Prompts& m_prompts;
    QString m_dbPath;
    QVector<GroupRow> m_groups;
    QVector<analysis::StationRole> m_kept;
};
