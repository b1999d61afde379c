#pragma once

#include "common/StoreAccess.h"

#include "analysis/PourSettings.h"

#include <QDialog>
#include <QVector>

class Prompts;
class QComboBox;
class QPushButton;

// "大气传感器": names the sensor that measures the air, or none. A number that is in no
// upload is kept, since the sensor may be read from the next round on, and the user is
// told so.
class FrmAirSensor : public QDialog {
    Q_OBJECT

public:
    // listed: the sensors that appear in some upload, offered in the list.
    FrmAirSensor(Prompts& prompts, const StoreAccess& access, const analysis::PourSettings& pour, const QVector<int>& listed,
                 QWidget* parent = nullptr);

    // The settings with the chosen sensor, once accepted.
    [[nodiscard]] const analysis::PourSettings& settings() const { return m_pour; }

    QComboBox* cboSensor = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* CmdCancle = nullptr;

public slots:
    void cmdOK_Click();

private:
    Prompts& m_prompts;
    analysis::PourSettings m_pour;
    QVector<int> m_listed;
};
