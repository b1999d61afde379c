#pragma once

#include "common/StoreAccess.h"

#include "analysis/Pour.h"

#include <QDialog>

class Prompts;
class QCheckBox;
class QDateTimeEdit;
class QLineEdit;
class QPushButton;

// "新建浇筑" and "编辑浇筑": the pour's name and sheet header, placing time and temperature,
// insulation removal, end of monitoring, the measuring interval and the jump a sensor may
// make. OK checks the entries; a wrong entry, or a name another pour has, is named and the
// dialog stays open.
class FrmPourData : public QDialog {
    Q_OBJECT

public:
    // A pour of id 0 is a new one; `pours` are those stored, whose names it may not take.
    // A moment not set yet is offered as `proposed` once its box is checked.
    FrmPourData(Prompts& prompts, const StoreAccess& access, const analysis::Pour& pour, const QVector<analysis::Pour>& pours,
                const QDateTime& proposed, QWidget* parent = nullptr);

    // The entries, once accepted.
    [[nodiscard]] const analysis::PourSettings& settings() const { return m_pour.settings; }

    QLineEdit* txtName = nullptr;
    QLineEdit* txtProject = nullptr;
    QLineEdit* txtElement = nullptr;
    QLineEdit* txtContractor = nullptr;
    QCheckBox* chkPlaced = nullptr;
    QDateTimeEdit* dtpPlaced = nullptr;
    QLineEdit* txtPlacingTemperature = nullptr;
    QCheckBox* chkRemoved = nullptr;
    QDateTimeEdit* dtpRemoved = nullptr;
    QCheckBox* chkEnded = nullptr;
    QDateTimeEdit* dtpEnded = nullptr;
    QLineEdit* txtInterval = nullptr;
    QLineEdit* txtJump = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* CmdCancle = nullptr;

public slots:
    void cmdOK_Click();

private:
    // The entries as settings; empty text and the reason when one is wrong.
    [[nodiscard]] QString read(analysis::PourSettings& out) const;

    Prompts& m_prompts;
    analysis::Pour m_pour;
    QVector<analysis::Pour> m_pours;
};
