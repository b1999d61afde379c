#include "analysis/ui/FrmPourData.h"

#include "analysis/StoredText.h"
#include "analysis/TemperatureText.h"
#include "analysis/ui/AnalysisControls.h"
#include "common/NumberText.h"
#include "common/Prompts.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace analysis;

namespace {

QWidget* withCheck(QCheckBox* check, QWidget* box, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(check);
    layout->addWidget(box, 1);
    return row;
}

QCheckBox* check(const QString& name, const QString& caption, QWidget* parent) {
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(name);
    return c;
}

} // namespace

FrmPourData::FrmPourData(Prompts& prompts, const StoreAccess& access, const Pour& stored, const QVector<Pour>& pours,
                         const QDateTime& fallback, QWidget* parent)
    : QDialog(parent), m_prompts(prompts), m_pour(stored), m_pours(pours) {
    using namespace AnalysisControls;
    setObjectName(QStringLiteral("FrmPourData"));
    setWindowTitle(stored.id == 0 ? QStringLiteral("新建浇筑") : QStringLiteral("编辑浇筑"));
    const PourSettings& pour = stored.settings;
    txtName = textBox(QStringLiteral("txtName"), pour.name, this);
    txtProject = textBox(QStringLiteral("txtProject"), pour.project, this);
    txtElement = textBox(QStringLiteral("txtElement"), pour.element, this);
    txtContractor = textBox(QStringLiteral("txtContractor"), pour.contractor, this);
    chkPlaced = check(QStringLiteral("chkPlaced"), QStringLiteral("已填写"), this);
    dtpPlaced = momentBox(QStringLiteral("dtpPlaced"), chkPlaced, pour.placedAt, fallback, this);
    txtPlacingTemperature = textBox(QStringLiteral("txtPlacingTemperature"),
                                    StoredText::ofNumber(pour.placingTemperature), this);
    txtPlacingTemperature->setPlaceholderText(QStringLiteral("不填：按各站点核心温度的第一次读数假定"));
    chkRemoved = check(QStringLiteral("chkRemoved"), QStringLiteral("已拆除"), this);
    dtpRemoved = momentBox(QStringLiteral("dtpRemoved"), chkRemoved, pour.insulationRemovedAt, fallback, this);
    chkEnded = check(QStringLiteral("chkEnded"), QStringLiteral("已结束"), this);
    dtpEnded = momentBox(QStringLiteral("dtpEnded"), chkEnded, pour.monitoringEndsAt, fallback, this);
    txtInterval = textBox(QStringLiteral("txtInterval"), PlainNumber(pour.intervalHours), this);
    txtJump = textBox(QStringLiteral("txtJump"), PlainNumber(pour.jumpLimit), this);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("浇筑名称："), txtName);
    form->addRow(QStringLiteral("工程名称："), txtProject);
    form->addRow(QStringLiteral("结构部位："), txtElement);
    form->addRow(QStringLiteral("施工单位："), txtContractor);
    form->addRow(QStringLiteral("浇筑时间："), withCheck(chkPlaced, dtpPlaced, this));
    form->addRow(QStringLiteral("入模温度(℃)："), txtPlacingTemperature);
    form->addRow(QStringLiteral("保温拆除时间："), withCheck(chkRemoved, dtpRemoved, this));
    form->addRow(QStringLiteral("监测结束时间："), withCheck(chkEnded, dtpEnded, this));
    form->addRow(QStringLiteral("测温间隔(小时)："), txtInterval);
    form->addRow(QStringLiteral("传感器跳变阈值(℃)："), txtJump);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(okCancel(this, access, cmdOK, CmdCancle));
    connect(cmdOK, &QPushButton::clicked, this, &FrmPourData::cmdOK_Click);
    connect(CmdCancle, &QPushButton::clicked, this, &QDialog::reject);
}

QString FrmPourData::read(PourSettings& p) const {
    using AnalysisControls::moment;
    p = m_pour.settings;
    p.name = txtName->text().trimmed();
    if (p.name.isEmpty())
        return QStringLiteral("请填写浇筑名称。");
    for (const Pour& other : m_pours)
        if (other.id != m_pour.id && other.settings.name.trimmed() == p.name)
            return QStringLiteral("已有名为“%1”的浇筑，请换一个名称。").arg(p.name);
    p.project = txtProject->text().trimmed();
    p.element = txtElement->text().trimmed();
    p.contractor = txtContractor->text().trimmed();
    p.placedAt = chkPlaced->isChecked() ? moment(dtpPlaced) : QDateTime();
    p.insulationRemovedAt = chkRemoved->isChecked() ? moment(dtpRemoved) : QDateTime();
    p.monitoringEndsAt = chkEnded->isChecked() ? moment(dtpEnded) : QDateTime();
    const QString placing = txtPlacingTemperature->text().trimmed();
    p.placingTemperature = StoredText::toNumber(placing);
    if (!placing.isEmpty() && (!p.placingTemperature || *p.placingTemperature <= TemperatureText::Lowest ||
                               *p.placingTemperature >= TemperatureText::Highest))
        return QStringLiteral("入模温度必须是-20～131之间的数，或者不填。");
    const auto interval = StoredText::toNumber(txtInterval->text());
    if (!interval || *interval <= 0)
        return QStringLiteral("测温间隔必须是正数（小时）。");
    p.intervalHours = *interval;
    const auto jump = StoredText::toNumber(txtJump->text());
    if (!jump || *jump <= 0)
        return QStringLiteral("传感器跳变阈值必须是正数（℃）。");
    p.jumpLimit = *jump;
    if (p.placedAt.isValid() && p.insulationRemovedAt.isValid() && p.insulationRemovedAt < p.placedAt)
        return QStringLiteral("保温拆除时间不能早于浇筑时间。");
    if (p.placedAt.isValid() && p.monitoringEndsAt.isValid() && p.monitoringEndsAt < p.placedAt)
        return QStringLiteral("监测结束时间不能早于浇筑时间。");
    return {};
}

void FrmPourData::cmdOK_Click() {
    PourSettings pour;
    const QString problem = read(pour);
    if (!problem.isEmpty()) {
        m_prompts.message(this, QStringLiteral("提示："), problem, Prompts::Buttons::Ok,
                          Prompts::Icon::Warning);
        return;
    }
    m_pour.settings = pour;
    accept();
}
