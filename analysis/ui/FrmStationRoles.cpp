#include "analysis/ui/FrmStationRoles.h"

#include "analysis/Station.h"
#include "analysis/StationRoleStore.h"
#include "analysis/StoredText.h"
#include "analysis/ui/AnalysisControls.h"
#include "common/Prompts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

using namespace analysis;

FrmStationRoles::FrmStationRoles(Prompts& prompts, const StoreAccess& access, QString dbPath, const QVector<GroupRow>& groups,
                                 const QVector<StationRole>& roles, QWidget* parent)
    : QDialog(parent), m_prompts(prompts), m_dbPath(std::move(dbPath)), m_groups(groups) {
    for (const StationRole& role : roles)
        if (std::none_of(groups.cbegin(), groups.cend(),
                         [&role](const GroupRow& g) { return g.name == role.station; }))
            m_kept << role;
    setObjectName(QStringLiteral("FrmStationRoles"));
    setWindowTitle(QStringLiteral("站点角色"));
    tblRoles = new QTableWidget(static_cast<int>(groups.size()), ColumnCount, this);
    tblRoles->setObjectName(QStringLiteral("tblRoles"));
    QStringList headers = {QStringLiteral("站点"), QStringLiteral("表层测点"), QStringLiteral("底层测点")};
    for (int k = 1; k <= GroupRow::Slots; ++k)
        headers << QStringLiteral("深度%1(mm)").arg(k);
    tblRoles->setHorizontalHeaderLabels(headers);
    tblRoles->verticalHeader()->hide();
    for (int r = 0; r < groups.size(); ++r)
        fillRow(r, groups[r], StationRole::find(roles, groups[r].name));
    tblRoles->resizeColumnsToContents();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("第1个测点通常为表层测点，最后一个有传感器的测点为底层测点；"
                                                "深度从浇筑体顶面算起，由表层向底层递增。"),
                                 this));
    layout->addWidget(tblRoles);
    layout->addWidget(AnalysisControls::okCancel(this, access, cmdOK, CmdCancle));
    connect(cmdOK, &QPushButton::clicked, this, &FrmStationRoles::cmdOK_Click);
    connect(CmdCancle, &QPushButton::clicked, this, &QDialog::reject);
    resize(900, 400);
}

QComboBox* FrmStationRoles::slotBox(int row, Column column) const {
    return qobject_cast<QComboBox*>(tblRoles->cellWidget(row, column));
}

void FrmStationRoles::fillRow(int row, const GroupRow& group, const StationRole* role) {
    const Station station = Station::resolve(group, nullptr);
    auto* name = new QTableWidgetItem(group.name);
    name->setFlags(Qt::ItemIsEnabled);
    tblRoles->setItem(row, Name, name);
    for (Column column : {Surface, Bottom}) {
        auto* box = new QComboBox(tblRoles);
        const int automatic = column == Surface ? station.surface : station.bottom;
        box->addItem(automatic < 0 ? QStringLiteral("自动（无）")
                                   : QStringLiteral("自动（第%1个）").arg(automatic + 1),
                     0);
        for (int k : station.filledSlots())
            box->addItem(QStringLiteral("第%1个（%2）").arg(k + 1).arg(group.sensors[static_cast<std::size_t>(k)]),
                         k + 1);
        const int chosen = role ? (column == Surface ? role->surfaceSlot : role->bottomSlot) : 0;
        box->setCurrentIndex(std::max(0, box->findData(chosen)));
        tblRoles->setCellWidget(row, column, box);
    }
    for (int k = 0; k < GroupRow::Slots; ++k) {
        auto* depth = new QTableWidgetItem(role ? StoredText::ofNumber(role->depth(k)) : QString());
        if (!station.filled(k))
            depth->setFlags(Qt::NoItemFlags);
        tblRoles->setItem(row, FirstDepth + k, depth);
    }
}

QString FrmStationRoles::readRow(int row, StationRole& role) const {
    role = StationRole();
    role.station = m_groups[row].name;
    role.surfaceSlot = slotBox(row, Surface)->currentData().toInt();
    role.bottomSlot = slotBox(row, Bottom)->currentData().toInt();
    for (int k = 0; k < GroupRow::Slots; ++k) {
        const QString text = tblRoles->item(row, FirstDepth + k)->text().trimmed();
        if (text.isEmpty())
            continue;
        role.depths[static_cast<std::size_t>(k)] = StoredText::toNumber(text);
        if (!role.depth(k))
            return QStringLiteral("第%1个测点的深度“%2”不是数。").arg(k + 1).arg(text);
    }
    return Station::checkRole(m_groups[row], role);
}

void FrmStationRoles::cmdOK_Click() {
    QVector<StationRole> roles = m_kept;
    for (int r = 0; r < m_groups.size(); ++r) {
        StationRole role;
        const QString problem = readRow(r, role);
        if (!problem.isEmpty()) {
            m_prompts.message(this, QStringLiteral("提示："),
                              QStringLiteral("站点%1：%2").arg(m_groups[r].name, problem),
                              Prompts::Buttons::Ok, Prompts::Icon::Warning);
            tblRoles->setCurrentCell(r, Name);
            return;
        }
        const bool set = role.surfaceSlot > 0 || role.bottomSlot > 0 ||
                         std::any_of(role.depths.cbegin(), role.depths.cend(),
                                     [](const auto& d) { return d.has_value(); });
        if (set)
            roles.append(role);
    }
    const StoreResult saved = StationRoleStore::save(m_dbPath, roles);
    if (!saved.ok()) {
        m_prompts.message(this, QStringLiteral("提示："), saved.message(), Prompts::Buttons::Ok,
                          Prompts::Icon::Warning);
        return;
    }
    accept();
}
