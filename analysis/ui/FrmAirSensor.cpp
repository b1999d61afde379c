#include "analysis/ui/FrmAirSensor.h"

#include "analysis/SensorText.h"
#include "analysis/ui/AnalysisControls.h"
#include "common/Prompts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace analysis;

FrmAirSensor::FrmAirSensor(Prompts& prompts, const StoreAccess& access, const PourSettings& pour, const QVector<int>& listed,
                           QWidget* parent)
    : QDialog(parent), m_prompts(prompts), m_pour(pour), m_listed(listed) {
    setObjectName(QStringLiteral("FrmAirSensor"));
    setWindowTitle(QStringLiteral("大气传感器"));
    cboSensor = new QComboBox(this);
    cboSensor->setObjectName(QStringLiteral("cboSensor"));
    cboSensor->setEditable(true);
    cboSensor->setInsertPolicy(QComboBox::NoInsert);
    cboSensor->addItem(QString());
    for (int sensor : listed)
        cboSensor->addItem(sensorText(sensor));
    cboSensor->setEditText(pour.airSensor > 0 ? sensorText(pour.airSensor) : QString());
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("测量大气温度的传感器编号（不填为没有）："), cboSensor);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(AnalysisControls::okCancel(this, access, cmdOK, CmdCancle));
    connect(cmdOK, &QPushButton::clicked, this, &FrmAirSensor::cmdOK_Click);
    connect(CmdCancle, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmAirSensor::cmdOK_Click() {
    const QString text = cboSensor->currentText().trimmed();
    bool ok = text.isEmpty();
    const int sensor = ok ? 0 : text.toInt(&ok);
    if (!ok || sensor < 0 || sensor > 1999) {
        m_prompts.message(this, QStringLiteral("提示："),
                          QStringLiteral("传感器编号必须是1～1999之间的整数，或者不填。"),
                          Prompts::Buttons::Ok, Prompts::Icon::Warning);
        return;
    }
    m_pour.airSensor = sensor;
    if (sensor > 0 && !m_listed.contains(sensor))
        m_prompts.message(this, QStringLiteral("提示："),
                          QStringLiteral("传感器%1不在任何一次上传中，大气温度暂时为空。")
                              .arg(sensorText(sensor)),
                          Prompts::Buttons::Ok, Prompts::Icon::Information);
    accept();
}
