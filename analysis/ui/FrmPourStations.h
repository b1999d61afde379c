#pragma once

#include "common/StoreAccess.h"

#include "analysis/Pour.h"
#include "grouping/GroupRow.h"

#include <QDialog>
#include <QStringList>
#include <QVector>

class Prompts;
class QLineEdit;
class QTableWidget;

// "分配站点": every station with a check box and the pour it is in ("未分配" for none);
// the checked ones become the pour's. A range of station numbers, such as 1-40, checks
// those stations at once. OK asks before it moves stations of other pours.
class FrmPourStations : public QDialog {
    Q_OBJECT

public:
    enum Column { Name, PourColumn, ColumnCount };

    FrmPourStations(Prompts& prompts, const StoreAccess& access, const analysis::Pour& pour,
                    const QVector<analysis::Pour>& pours, const QVector<GroupRow>& groups,
                    QWidget* parent = nullptr);

    // The checked stations, once accepted.
    [[nodiscard]] const QStringList& stations() const { return m_stations; }

public slots:
    void cmdRange_Click();
    void cmdOK_Click();

private:
    void fill(const QVector<analysis::Pour>& pours, const QVector<GroupRow>& groups);
    [[nodiscard]] QStringList checked() const;
    void warn(const QString& text);

    Prompts& m_prompts;
    analysis::Pour m_pour;
    QTableWidget* m_list = nullptr;
    QLineEdit* m_range = nullptr;
    QStringList m_stations;
};
