#pragma once

#include "analysis/PourSettings.h"

#include <QDialog>

class Prompts;
class QCheckBox;
class QDateTimeEdit;
class QLineEdit;
class QPushButton;

// "浇筑信息": the pour's name and sheet header, placing time and temperature, insulation
// removal, end of monitoring, the measuring interval and the jump a sensor may make. OK
// checks the entries and saves them; a wrong entry is named and the dialog stays open.
class FrmPourData : public QDialog {
    Q_OBJECT

public:
    // firstUpload: the earliest upload, which the placing time may not follow; invalid
    // when there is none.
    FrmPourData(Prompts& prompts, QString dbPath, const analysis::PourSettings& pour,
                const QDateTime& firstUpload, QWidget* parent = nullptr);

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
    QString m_dbPath;
    analysis::PourSettings m_pour;
    QDateTime m_firstUpload;
};
