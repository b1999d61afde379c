#include "FrmSelect.h"

#include "DialogControls.h"

#include "Module1.h"
#include "Prompts.h"
#include "ReadingLists.h"
#include "SelectStatement.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QRadioButton* option(const QString& name, const QString& caption, QWidget* parent) {
    auto* o = new QRadioButton(caption, parent);
    o->setObjectName(name);
    return o;
}

} // namespace

FrmSelect::FrmSelect(Prompts& prompts, QString dbPath, QWidget* parent)
    : QDialog(parent), m_prompts(prompts), m_dbPath(std::move(dbPath)) {
    setObjectName(QStringLiteral("FrmSelect"));
    setWindowTitle(QStringLiteral("自定义查询条件"));
    buildControls();
    // Both lists are filled even when the first fails: they come from separate reads.
    StoreResult dates = FillDateLists();
    StoreResult numbers = FillNumberLists();
    m_loadError = !dates.ok() ? dates : numbers;
}

void FrmSelect::buildControls() {
    Frame1 = new QGroupBox(QStringLiteral("日期范围："), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Option1 = {option(QStringLiteral("Option1"), QStringLiteral("全部"), Frame1),
               option(QStringLiteral("Option1"), QStringLiteral("日期范围从："), Frame1)};
    Combo1 = EditableValueList(QStringLiteral("Combo1"), Frame1);
    Combo2 = EditableValueList(QStringLiteral("Combo2"), Frame1);
    Label1[0] = new QLabel(QStringLiteral("到："), Frame1);
    auto* dateGrid = new QGridLayout(Frame1);
    dateGrid->addWidget(Option1[0], 0, 0);
    dateGrid->addWidget(Option1[1], 1, 0);
    dateGrid->addWidget(Combo1, 1, 1);
    dateGrid->addWidget(Label1[0], 1, 2);
    dateGrid->addWidget(Combo2, 1, 3);

    Frame2 = new QGroupBox(QStringLiteral("编号范围："), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Option2 = {option(QStringLiteral("Option2"), QStringLiteral("全部"), Frame2),
               option(QStringLiteral("Option2"), QStringLiteral("范围从："), Frame2)};
    Combo3 = EditableValueList(QStringLiteral("Combo3"), Frame2);
    Combo4 = EditableValueList(QStringLiteral("Combo4"), Frame2);
    Label1[1] = new QLabel(QStringLiteral("到："), Frame2);
    auto* numberGrid = new QGridLayout(Frame2);
    numberGrid->addWidget(Option2[0], 0, 0);
    numberGrid->addWidget(Option2[1], 1, 0);
    numberGrid->addWidget(Combo3, 1, 1);
    numberGrid->addWidget(Label1[1], 1, 2);
    numberGrid->addWidget(Combo4, 1, 3);
    for (QLabel* l : Label1)
        l->setObjectName(QStringLiteral("Label1"));

    Frame3 = new QGroupBox(QStringLiteral("排序优先："), this);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    Option3 = {option(QStringLiteral("Option3"), QStringLiteral("日期"), Frame3),
               option(QStringLiteral("Option3"), QStringLiteral("编号"), Frame3)};
    auto* orderRow = new QHBoxLayout(Frame3);
    orderRow->addWidget(Option3[0]);
    orderRow->addWidget(Option3[1]);
    orderRow->addStretch();

    // The options of one frame exclude each other; each frame starts on its first option.
    for (auto* pair : {&Option1, &Option2, &Option3})
        (*pair)[0]->setChecked(true);

    CmdOK = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                            QStringLiteral("确 定"), this);
    CmdOK->setObjectName(QStringLiteral("CmdOK"));
    CmdOK->setDefault(true);
    CmdCancle = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                                QStringLiteral("取 消"), this);
    CmdCancle->setObjectName(QStringLiteral("CmdCancle"));
    connect(CmdOK, &QPushButton::clicked, this, &FrmSelect::CmdOK_Click);
    connect(CmdCancle, &QPushButton::clicked, this, &FrmSelect::CmdCancle_Click);
    connect(Combo1, &QComboBox::activated, this, &FrmSelect::Combo1_Click);
    connect(Combo3, &QComboBox::activated, this, &FrmSelect::Combo3_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CmdOK);
    buttons->addWidget(CmdCancle);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(Frame2);
    layout->addWidget(Frame3);
    layout->addLayout(buttons);
}

StoreResult FrmSelect::FillDateLists() {
    QStringList times;
    StoreResult r = ReadingLists::dateTimes(m_dbPath, times);
    ShowValues(Combo1, times);
    ShowValues(Combo2, times);
    return r;
}

StoreResult FrmSelect::FillNumberLists() {
    QStringList numbers;
    StoreResult r = ReadingLists::sensorNumbers(m_dbPath, numbers);
    ShowValues(Combo3, numbers);
    ShowValues(Combo4, numbers);
    return r;
}

void FrmSelect::Combo1_Click() {
    Option1[Combo1->currentText().isEmpty() ? 0 : 1]->setChecked(true);
}

void FrmSelect::Combo3_Click() {
    Option2[Combo3->currentText().isEmpty() ? 0 : 1]->setChecked(true);
}

void FrmSelect::CmdOK_Click() {
    SelectStatement::Choice choice;
    choice.dateRange = Option1[1]->isChecked();
    choice.dateFrom = Combo1->currentText();
    choice.dateTo = Combo2->currentText();
    choice.numberRange = Option2[1]->isChecked();
    choice.numberFrom = Combo3->currentText();
    choice.numberTo = Combo4->currentText();
    choice.numbersFirst = Option3[1]->isChecked();

    switch (SelectStatement::check(choice)) {
    case SelectStatement::Check::DateRangeWrong:
        m_prompts.message(this, Module1::AppTitle, QStringLiteral("日期范围 有误！"),
                          Prompts::Buttons::Ok, Prompts::Icon::Warning);
        return;
    case SelectStatement::Check::NumberRangeWrong:
        m_prompts.message(this, Module1::AppTitle, QStringLiteral("编号范围 有误！"),
                          Prompts::Buttons::Ok, Prompts::Icon::Warning);
        return;
    case SelectStatement::Check::Ok:
        break;
    }
    const SelectStatement::Result r = SelectStatement::build(choice);
    Sql = r.sql;
    OrderKey = r.orderKey;
    accept();
}

void FrmSelect::CmdCancle_Click() {
    Sql.clear();
    reject();
}
