#include "analysis/ui/FrmPourStations.h"

#include "analysis/ui/AnalysisControls.h"
#include "common/Prompts.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace analysis;

namespace {

constexpr int OtherPourRole = Qt::UserRole + 1;

} // namespace

FrmPourStations::FrmPourStations(Prompts& prompts, const StoreAccess& access, const Pour& pour, const QVector<Pour>& pours,
                                 const QVector<GroupRow>& groups, QWidget* parent)
    : QDialog(parent), m_prompts(prompts), m_pour(pour) {
    setObjectName(QStringLiteral("FrmPourStations"));
    setWindowTitle(QStringLiteral("分配站点：") + pour.title());
    m_list = new QTableWidget(0, ColumnCount, this);
    m_list->setObjectName(QStringLiteral("tblStations"));
    m_list->setHorizontalHeaderLabels({QStringLiteral("站点"), QStringLiteral("所属浇筑")});
    m_list->verticalHeader()->hide();
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fill(pours, groups);
    m_range = AnalysisControls::textBox(QStringLiteral("txtRange"), QString(), this);
    m_range->setPlaceholderText(QStringLiteral("如 1-40"));
    QPushButton* range = AnalysisControls::button(QStringLiteral("cmdRange"), QStringLiteral("勾选范围"), this);
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    auto* rangeRow = new QHBoxLayout;
    rangeRow->addWidget(new QLabel(QStringLiteral("站点编号范围："), this));
    rangeRow->addWidget(m_range, 1);
    rangeRow->addWidget(range);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(rangeRow);
    layout->addWidget(AnalysisControls::okCancel(this, access, ok, cancel));
    connect(range, &QPushButton::clicked, this, &FrmPourStations::cmdRange_Click);
    connect(ok, &QPushButton::clicked, this, &FrmPourStations::cmdOK_Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(420, 520);
}

void FrmPourStations::fill(const QVector<Pour>& pours, const QVector<GroupRow>& groups) {
    QStringList names;
    for (const GroupRow& group : groups)
        if (!names.contains(group.name))
            names << group.name;
    m_list->setRowCount(static_cast<int>(names.size()));
    for (int r = 0; r < names.size(); ++r) {
        const Pour* owner = nullptr;
        for (const Pour& pour : pours)
            if (pour.stations.contains(names[r]))
                owner = &pour;
        auto* name = new QTableWidgetItem(names[r]);
        name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        const bool own = owner && owner->id == m_pour.id;
        name->setCheckState(own ? Qt::Checked : Qt::Unchecked);
        if (owner && !own)
            name->setData(OtherPourRole, owner->title());
        m_list->setItem(r, Name, name);
        m_list->setItem(r, PourColumn, new QTableWidgetItem(owner ? owner->title() : QStringLiteral("未分配")));
    }
    m_list->resizeColumnsToContents();
}

void FrmPourStations::warn(const QString& text) {
    m_prompts.message(this, QStringLiteral("提示："), text, Prompts::Buttons::Ok, Prompts::Icon::Warning);
}

void FrmPourStations::cmdRange_Click() {
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d+)\\s*[-–—~～至]\\s*(\\d+)\\s*$"));
    const QRegularExpressionMatch m = form.match(m_range->text());
    const int from = m.captured(1).toInt();
    const int to = m.captured(2).toInt();
    if (!m.hasMatch() || from > to)
        return warn(QStringLiteral("站点编号范围应写成“1-40”的形式，前一个数不大于后一个数。"));
    int found = 0;
    for (int r = 0; r < m_list->rowCount(); ++r) {
        bool number = false;
        const int station = m_list->item(r, Name)->text().trimmed().toInt(&number);
        if (number && station >= from && station <= to) {
            m_list->item(r, Name)->setCheckState(Qt::Checked);
            ++found;
        }
    }
    if (found == 0)
        warn(QStringLiteral("没有编号在%1～%2之间的站点。").arg(from).arg(to));
}

QStringList FrmPourStations::checked() const {
    QStringList out;
    for (int r = 0; r < m_list->rowCount(); ++r)
        if (m_list->item(r, Name)->checkState() == Qt::Checked)
            out << m_list->item(r, Name)->text();
    return out;
}

void FrmPourStations::cmdOK_Click() {
    QStringList moved;
    for (int r = 0; r < m_list->rowCount(); ++r) {
        const QTableWidgetItem* item = m_list->item(r, Name);
        const QString other = item->data(OtherPourRole).toString();
        if (item->checkState() == Qt::Checked && !other.isEmpty())
            moved << QStringLiteral("%1（%2）").arg(item->text(), other);
    }
    if (!moved.isEmpty() &&
        m_prompts.message(this, QStringLiteral("提示："),
                          QStringLiteral("以下站点已属于其他浇筑，一个站点只能属于一个浇筑。确定把它们移到浇筑“%1”吗？\n%2")
                              .arg(m_pour.title(), moved.join(QStringLiteral("、"))),
                          Prompts::Buttons::YesNo, Prompts::Icon::Question) != Prompts::Answer::Yes)
        return;
    m_stations = checked();
    accept();
}
