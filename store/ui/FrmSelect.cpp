#include "store/ui/FrmSelect.h"

#include "common/ui/DialogControls.h"

#include "common/Module1.h"
#include "common/Prompts.h"
#include "store/ReadingLists.h"
#include "store/SelectStatement.h"

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

// Option `index` of a control array of options.
QRadioButton* option(const QString& name, int index, const QString& caption, QWidget* parent) {
    auto* o = new QRadioButton(caption, parent);
    o->setObjectName(name);
    o->setProperty("controlIndex", index);
    return o;
}

// A range frame: "all" or "from ... to ...", each end a list of the stored values.
QGroupBox* rangeFrame(QWidget* parent, int index, const QString& title, const QString& fromCaption,
                      std::array<QRadioButton*, 2>& options, QComboBox*& from, QLabel*& to,
                      QComboBox*& until) {
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(QStringLiteral("Frame%1").arg(index));
    const QString optionName = QStringLiteral("Option%1").arg(index);
    options = {option(optionName, 0, QStringLiteral("全部"), frame),
               option(optionName, 1, fromCaption, frame)};
    from = EditableValueList(QStringLiteral("Combo%1").arg(2 * index - 1), frame);
    until = EditableValueList(QStringLiteral("Combo%1").arg(2 * index), frame);
    to = new QLabel(QStringLiteral("到："), frame);
    to->setObjectName(QStringLiteral("Label1"));
    to->setProperty("controlIndex", index - 1);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(options[0], 0, 0);
    grid->addWidget(options[1], 1, 0);
    grid->addWidget(from, 1, 1);
    grid->addWidget(to, 1, 2);
    grid->addWidget(until, 1, 3);
    return frame;
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

std::optional<SelectStatement::Result> FrmSelect::chooseQuery(Prompts& prompts,
                                                              const QString& dbPath,
                                                              QWidget* parent,
                                                              StoreResult& refused) {
    FrmSelect dialog(prompts, dbPath, parent);
    refused = {};
    if (dialog.loadError().kind() == StoreResult::Kind::CannotOpen) {
        refused = dialog.loadError();
        return std::nullopt;
    }
    if (prompts.runDialog(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.m_query;
}

void FrmSelect::buildControls() {
    Frame1 = rangeFrame(this, 1, QStringLiteral("日期范围："), QStringLiteral("日期范围从："),
                        Option1, Combo1, Label1[0], Combo2);
    Frame2 = rangeFrame(this, 2, QStringLiteral("编号范围："), QStringLiteral("范围从："), Option2,
                        Combo3, Label1[1], Combo4);

    Frame3 = new QGroupBox(QStringLiteral("排序优先："), this);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    Option3 = {option(QStringLiteral("Option3"), 0, QStringLiteral("日期"), Frame3),
               option(QStringLiteral("Option3"), 1, QStringLiteral("编号"), Frame3)};
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
    m_query = SelectStatement::build(choice);
    accept();
}

void FrmSelect::CmdCancle_Click() {
    reject();
}
