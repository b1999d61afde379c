#include "analysis/ui/FrmLimitSets.h"

#include "analysis/LimitSetStore.h"
#include "analysis/StoredText.h"
#include "analysis/ui/AnalysisControls.h"
#include "common/NumberText.h"
#include "common/Prompts.h"
#include "common/ui/ReadOnlyControls.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace analysis;

FrmLimitSets::FrmLimitSets(Prompts& prompts, const StoreAccess& access, QString dbPath, const PourSettings& pour,
                           const QVector<LimitSet>& custom, QWidget* parent)
    : QDialog(parent), m_prompts(prompts), m_dbPath(std::move(dbPath)), m_pour(pour),
      m_custom(custom) {
    using namespace AnalysisControls;
    setObjectName(QStringLiteral("FrmLimitSets"));
    setWindowTitle(QStringLiteral("限值组"));
    lstSets = new QListWidget(this);
    lstSets->setObjectName(QStringLiteral("lstSets"));
    cboActive = new QComboBox(this);
    cboActive->setObjectName(QStringLiteral("cboActive"));
    txtShare = textBox(QStringLiteral("txtShare"), PlainNumber(pour.warningShare * 100), this);

    auto* top = new QHBoxLayout;
    top->addWidget(lstSets);
    top->addWidget(buildEditor(), 1);
    auto* use = new QFormLayout;
    use->addRow(QStringLiteral("本次浇筑使用的限值组："), cboActive);
    use->addRow(QStringLiteral("预警比例(%)："), txtShare);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(use);
    layout->addWidget(okCancel(this, access, cmdOK, CmdCancle));
    ReadOnlyControls::apply(access, {cmdSave, cmdDelete});
    connect(lstSets, &QListWidget::itemClicked, this, &FrmLimitSets::lstSets_Click);
    connect(cmdOK, &QPushButton::clicked, this, &FrmLimitSets::cmdOK_Click);
    connect(CmdCancle, &QPushButton::clicked, this, &QDialog::reject);
    fillLists(pour.limitSetName);
}

QWidget* FrmLimitSets::buildEditor() {
    using namespace AnalysisControls;
    auto* box = new QGroupBox(QStringLiteral("限值（不填为不限）："), this);
    auto* form = new QFormLayout(box);
    txtSetName = textBox(QStringLiteral("txtSetName"), {}, box);
    form->addRow(QStringLiteral("名称："), txtSetName);
    for (int k = 0; k < LimitCount; ++k) {
        const auto kind = static_cast<LimitKind>(k);
        txtLimit[static_cast<std::size_t>(k)] = textBox(QStringLiteral("txtLimit%1").arg(k), {}, box);
        form->addRow(Figures::limitName(kind) + QLatin1Char('(') + Figures::limitUnit(kind) +
                         QStringLiteral(")："),
                     txtLimit[static_cast<std::size_t>(k)]);
    }
    cmdNew = button(QStringLiteral("cmdNew"), QStringLiteral("新建"), box);
    cmdSave = button(QStringLiteral("cmdSave"), QStringLiteral("保存限值组"), box);
    cmdDelete = button(QStringLiteral("cmdDelete"), QStringLiteral("删除限值组"), box);
    auto* row = new QHBoxLayout;
    for (QPushButton* b : {cmdNew, cmdSave, cmdDelete})
        row->addWidget(b);
    form->addRow(row);
    connect(cmdNew, &QPushButton::clicked, this, &FrmLimitSets::cmdNew_Click);
    connect(cmdSave, &QPushButton::clicked, this, &FrmLimitSets::cmdSave_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &FrmLimitSets::cmdDelete_Click);
    return box;
}

void FrmLimitSets::fillLists(const QString& select) {
    const QString active = cboActive->count() > 0 ? cboActive->currentText() : m_pour.limitSetName;
    lstSets->clear();
    cboActive->clear();
    for (const LimitSet& set : LimitSet::builtIns() + m_custom) {
        lstSets->addItem(set.builtIn ? set.name + QStringLiteral("（内置）") : set.name);
        lstSets->item(lstSets->count() - 1)->setData(Qt::UserRole, set.name);
        cboActive->addItem(set.name);
        if (set.name == select)
            lstSets->setCurrentRow(lstSets->count() - 1);
    }
    cboActive->setCurrentIndex(std::max(0, cboActive->findText(active)));
    if (lstSets->currentRow() < 0)
        lstSets->setCurrentRow(0);
    lstSets_Click();
}

const LimitSet* FrmLimitSets::chosen() const {
    const QListWidgetItem* item = lstSets->currentItem();
    return item ? LimitSet::find(item->data(Qt::UserRole).toString(), m_custom) : nullptr;
}

void FrmLimitSets::lstSets_Click() {
    const LimitSet* set = chosen();
    if (!set)
        return;
    txtSetName->setText(set->name);
    for (int k = 0; k < LimitCount; ++k)
        txtLimit[static_cast<std::size_t>(k)]->setText(StoredText::ofNumber(set->limit(static_cast<LimitKind>(k))));
}

void FrmLimitSets::cmdNew_Click() {
    lstSets->clearSelection();
    lstSets->setCurrentItem(nullptr);
    txtSetName->clear();
    for (QLineEdit* box : txtLimit)
        box->clear();
    txtSetName->setFocus();
}

void FrmLimitSets::warn(const QString& text) {
    m_prompts.message(this, QStringLiteral("提示："), text, Prompts::Buttons::Ok, Prompts::Icon::Warning);
}

void FrmLimitSets::cmdSave_Click() {
    LimitSet set;
    set.name = txtSetName->text().trimmed();
    if (set.name.isEmpty())
        return warn(QStringLiteral("请填写限值组的名称。"));
    if (const LimitSet* same = LimitSet::find(set.name, m_custom); same && same->builtIn)
        return warn(QStringLiteral("内置限值组不能修改，请用另一个名称新建限值组。"));
    for (int k = 0; k < LimitCount; ++k) {
        std::optional<double> limit;
        const auto kind = static_cast<LimitKind>(k);
        if (!LimitSet::parseLimit(txtLimit[static_cast<std::size_t>(k)]->text(), limit))
            return warn(QStringLiteral("%1的限值必须是正数，或者不填。").arg(Figures::limitName(kind)));
        set.setLimit(kind, limit);
    }
    const StoreResult saved = LimitSetStore::save(m_dbPath, set);
    if (!saved.ok())
        return warn(saved.message());
    const auto same = [&set](const LimitSet& other) { return other.name == set.name; };
    m_custom.erase(std::remove_if(m_custom.begin(), m_custom.end(), same), m_custom.end());
    m_custom.append(set);
    fillLists(set.name);
}

void FrmLimitSets::cmdDelete_Click() {
    const LimitSet* set = chosen();
    if (!set || set->builtIn)
        return warn(QStringLiteral("内置限值组不能删除。"));
    const QString name = set->name;
    if (m_prompts.message(this, QStringLiteral("警示："),
                          QStringLiteral("删除限值组“%1”吗？").arg(name), Prompts::Buttons::YesNo,
                          Prompts::Icon::Question) != Prompts::Answer::Yes)
        return;
    const StoreResult removed = LimitSetStore::remove(m_dbPath, name);
    if (!removed.ok())
        return warn(removed.message());
    m_custom.erase(std::remove_if(m_custom.begin(), m_custom.end(),
                                  [&name](const LimitSet& s) { return s.name == name; }),
                   m_custom.end());
    fillLists(LimitSet::GbName);
}

void FrmLimitSets::cmdOK_Click() {
    const auto share = StoredText::toNumber(txtShare->text());
    if (!share || *share <= 0 || *share > 100)
        return warn(QStringLiteral("预警比例必须是大于0、不大于100的数（%）。"));
    m_pour.limitSetName = cboActive->currentText();
    m_pour.warningShare = *share / 100.0;
    accept();
}
