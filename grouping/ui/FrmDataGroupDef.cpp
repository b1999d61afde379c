#include "grouping/ui/FrmDataGroupDef.h"

#include "common/NumberText.h"
#include "common/Prompts.h"
#include "common/TwipsScale.h"
#include "common/ui/DialogControls.h"
#include "common/ui/ReadOnlyControls.h"
#include "grouping/BulkGroups.h"
#include "grouping/GroupDefinitions.h"
#include "grouping/ui/FrmDefMore.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStringListModel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <optional>
#include <utility>

using DialogControls::button;

namespace {

const QString Info = QStringLiteral("提示：");
constexpr int HighestNumber = 2000;

// Enter presses the focused button here, as dialogs usually do.
constexpr auto EnterPresses = DialogControls::AutoDefault::Auto;

QComboBox* numberBox(const QString& name, QStringListModel* numbers, QWidget* parent) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setModel(numbers);
    c->setCurrentIndex(-1);
    return c;
}

QString fourDigits(double value) {
    return GroupDefinitions::storedName(PlainNumber(value));
}

} // namespace

FrmDataGroupDef::FrmDataGroupDef(Prompts& prompts, QString dbPath, StoreAccess access,
                                 QWidget* parent)
    : QDialog(parent), m_prompts(prompts), m_dbPath(std::move(dbPath)), m_access(access) {
    setObjectName(QStringLiteral("FrmDataGroupDef"));
    setWindowTitle(QStringLiteral("数据分组定义："));
    buildControls();
    Form_Load();
}

void FrmDataGroupDef::buildControls() {
    QStringList numbers;
    for (int i = 1; i <= HighestNumber; ++i)
        numbers.append(fourDigits(i));
    // One list serves all nine boxes.
    m_numbers = new QStringListModel(numbers, this);

    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setRootIsDecorated(false);
    ListView1->setAllColumnsShowFocus(true);
    ListView1->header()->setStretchLastSection(false);
    connect(ListView1, &QTreeWidget::itemClicked, this, [this] { m_listClicked = true; });

    // Enter never deletes: the buttons that remove groups from the list do not take Enter
    // over when they have the focus.
    CmdDel = button(QStringLiteral("CmdDel"), QStringLiteral("删除选取组"), this);
    CmdClearAll = button(QStringLiteral("CmdClearAll"), QStringLiteral("清空已有分组"), this);
    CmdLoadFromMdb = button(QStringLiteral("CmdLoadFromMdb"),
                            QStringLiteral("调入已保存的分组定义"), this, EnterPresses);
    CmdSave2Mdb =
        button(QStringLiteral("CmdSave2Mdb"), QStringLiteral("保存分组定义"), this, EnterPresses);
    auto* listButtons = new QHBoxLayout;
    for (QPushButton* b : {CmdDel, CmdClearAll, CmdLoadFromMdb, CmdSave2Mdb})
        listButtons->addWidget(b);

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("已定义的分组："), this));
    left->addWidget(ListView1, 1);
    left->addLayout(listButtons);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(buildEntryArea());
    resize(Twips::ToPixels(14400), Twips::ToPixels(6600));
    ListView1->setFocus();

    connect(CmdAddNew, &QPushButton::clicked, this, &FrmDataGroupDef::CmdAddNew_Click);
    connect(CmdDel, &QPushButton::clicked, this, &FrmDataGroupDef::CmdDel_Click);
    connect(CmdClearAll, &QPushButton::clicked, this, &FrmDataGroupDef::CmdClearAll_Click);
    connect(CmdLoadFromMdb, &QPushButton::clicked, this, &FrmDataGroupDef::CmdLoadFromMdb_Click);
    connect(CmdSave2Mdb, &QPushButton::clicked, this, &FrmDataGroupDef::CmdSave2Mdb_Click);
    connect(CmdMore, &QPushButton::clicked, this, &FrmDataGroupDef::CmdMore_Click);
    connect(cmdOK, &QPushButton::clicked, this, &FrmDataGroupDef::cmdOK_Click);
    connect(CmdCancle, &QPushButton::clicked, this, &FrmDataGroupDef::CmdCancle_Click);
}

QWidget* FrmDataGroupDef::buildEntryArea() {
    auto* area = new QWidget(this);
    area->setMaximumWidth(Twips::ToPixels(5200));
    auto* explanation = new QLabel(
        QStringLiteral(
            "    通常，我们认为在同一平面点的同一竖直方向的传感器是一组，称为一个“站点”，"
            "您可以选取１～８只传感器作为一组，从而直观地查看温度变化以及温差趋势："),
        area);
    explanation->setWordWrap(true);

    ComboGroup = numberBox(QStringLiteral("ComboGroup"), m_numbers, area);
    auto* groupRow = new QHBoxLayout;
    groupRow->addWidget(new QLabel(QStringLiteral("指定组编号："), area));
    groupRow->addWidget(ComboGroup, 1);

    auto* slotGrid = new QGridLayout;
    for (int k = 0; k < GroupRow::Slots; ++k) {
        QComboBox* c = numberBox(QStringLiteral("ComboBH"), m_numbers, area);
        c->setProperty("controlIndex", k);
        ComboBH[static_cast<std::size_t>(k)] = c;
        slotGrid->addWidget(c, k / 4, k % 4);
    }

    CmdAddNew =
        button(QStringLiteral("CmdAddNew"), QStringLiteral("<= 增加新组"), area, EnterPresses);

    FrameMore = new QGroupBox(QStringLiteral("批量分组定义："), area);
    FrameMore->setObjectName(QStringLiteral("FrameMore"));
    CmdMore =
        button(QStringLiteral("CmdMore"), QStringLiteral("批量分组"), FrameMore, EnterPresses);
    (new QHBoxLayout(FrameMore))->addWidget(CmdMore);

    cmdOK = button(QStringLiteral("cmdOK"), QStringLiteral("确定"), area, EnterPresses);
    CmdCancle = button(QStringLiteral("CmdCancle"), QStringLiteral("取消"), area, EnterPresses);
    ReadOnlyControls::apply(m_access, {CmdSave2Mdb, cmdOK});
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(cmdOK);
    closeRow->addWidget(CmdCancle);

    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(new QLabel(QStringLiteral("数据分组定义："), area));
    column->addWidget(explanation);
    column->addLayout(groupRow);
    column->addWidget(new QLabel(QStringLiteral("选取划分到同一组的传感器编号："), area));
    column->addLayout(slotGrid);
    column->addWidget(CmdAddNew);
    column->addStretch();
    column->addWidget(FrameMore);
    column->addLayout(closeRow);
    return area;
}

void FrmDataGroupDef::Form_Load() {
    ComboGroup->setCurrentIndex(0);
    ClearListView1();
    CmdLoadFromMdb_Click();
    for (int k = 0; k < 3; ++k)
        ComboBH[static_cast<std::size_t>(k)]->setCurrentIndex(k);
}

void FrmDataGroupDef::ClearListView1() {
    ListView1->clear();
    QStringList headers{QStringLiteral("组编号")};
    for (int k = 1; k <= GroupRow::Slots; ++k)
        headers.append(QStringLiteral("传感器%1").arg(k));
    ListView1->setColumnCount(static_cast<int>(headers.size()));
    ListView1->setHeaderLabels(headers);
    ListView1->header()->resizeSection(0, Twips::ToPixels(1500));
    for (int c = 1; c < headers.size(); ++c)
        ListView1->header()->resizeSection(c, Twips::ToPixels(920));
}

bool FrmDataGroupDef::defineGroups(Prompts& prompts, const QString& dbPath, StoreAccess access,
                                   QWidget* parent) {
    FrmDataGroupDef dialog(prompts, dbPath, access, parent);
    return prompts.runDialog(dialog) == QDialog::Accepted;
}

void FrmDataGroupDef::appendGroup(const GroupRow& group) {
    // Shown as it will be stored, so the list never changes between saving and reopening.
    const GroupRow stored = GroupDefinitions::stored(group);
    QStringList texts{stored.name};
    for (const QString& s : stored.sensors)
        texts.append(s);
    ListView1->addTopLevelItem(new QTreeWidgetItem(texts));
}

QVector<GroupRow> FrmDataGroupDef::listedGroups() const {
    QVector<GroupRow> groups;
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = ListView1->topLevelItem(i);
        GroupRow g;
        g.name = item->text(0);
        for (int k = 0; k < GroupRow::Slots; ++k)
            g.sensors[static_cast<std::size_t>(k)] = item->text(k + 1);
        groups.append(g);
    }
    return groups;
}

void FrmDataGroupDef::CmdAddNew_Click() {
    GroupRow g;
    g.name = ComboGroup->currentText();
    for (int k = 0; k < GroupRow::Slots; ++k)
        g.sensors[static_cast<std::size_t>(k)] =
            ComboBH[static_cast<std::size_t>(k)]->currentText();
    appendGroup(g);
    ComboGroup->setEditText(fourDigits(Val(g.name) + 1));
}

void FrmDataGroupDef::CmdDel_Click() {
    QTreeWidgetItem* selected = ListView1->currentItem();
    if (m_listClicked && selected && ListView1->topLevelItemCount() > 0)
        delete selected;
    m_listClicked = false;
}

void FrmDataGroupDef::CmdClearAll_Click() {
    ClearListView1();
}

void FrmDataGroupDef::CmdLoadFromMdb_Click() {
    QVector<GroupRow> groups;
    const StoreResult r = GroupDefinitions::load(m_dbPath, groups);
    ClearListView1();
    for (const GroupRow& g : groups)
        appendGroup(g);
    if (!r.ok())
        m_prompts.message(this, Info, r.message(), Prompts::Buttons::Ok, Prompts::Icon::Warning);
}

bool FrmDataGroupDef::saveGroups() {
    if (m_prompts.message(this, QStringLiteral("保存："),
                          QStringLiteral("将使用新的分组定义代替数据库中原有的定义？"),
                          Prompts::Buttons::YesNo, Prompts::Icon::Question) != Prompts::Answer::Yes)
        return true;
    const StoreResult r = GroupDefinitions::save(m_dbPath, listedGroups());
    if (!r.ok())
        m_prompts.message(this, Info, r.message(), Prompts::Buttons::Ok, Prompts::Icon::Warning);
    return r.ok();
}

void FrmDataGroupDef::CmdSave2Mdb_Click() {
    (void)saveGroups();
}

void FrmDataGroupDef::CmdMore_Click() {
    const std::optional<FrmDefMore::Rule> rule = FrmDefMore::askRule(m_prompts, this);
    if (!rule)
        return;
    for (const GroupRow& g : BulkGroups::generate(rule->sensorsPerGroup, rule->firstGroup,
                                                  rule->firstSensor, rule->lastSensor))
        appendGroup(g);
}

void FrmDataGroupDef::cmdOK_Click() {
    // A save that failed keeps the dialog open, so the edited list is not lost.
    if (saveGroups())
        accept();
}

void FrmDataGroupDef::CmdCancle_Click() {
    reject();
}
