#include "grouping/ui/FrmDefMore.h"

#include "common/Prompts.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QComboBox* numberBox(const QString& name, const QString& text, QWidget* parent) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setEditText(text);
    return c;
}

// Adding the first item would replace the text already shown; it is kept.
void fillNumbers(QComboBox* c, int first, int last) {
    const QString text = c->currentText();
    QStringList items;
    for (int i = first; i <= last; ++i)
        items.append(QString::number(i));
    c->addItems(items);
    c->setCurrentIndex(c->findText(text));
    c->setEditText(text);
}

} // namespace

FrmDefMore::FrmDefMore(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmDefMore"));
    setWindowTitle(QStringLiteral("批量分组定义："));
    buildControls();
}

void FrmDefMore::buildControls() {
    Frame1 = new QGroupBox(QStringLiteral("定义分组规律："), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Combo3 = numberBox(QStringLiteral("Combo3"), QStringLiteral("3"), Frame1);
    Combo2 = numberBox(QStringLiteral("Combo2"), QStringLiteral("1"), Frame1);
    Combo1[0] = numberBox(QStringLiteral("Combo1"), QStringLiteral("1"), Frame1);
    Combo1[1] = numberBox(QStringLiteral("Combo1"), QStringLiteral("1999"), Frame1);
    for (int i = 0; i < 2; ++i)
        Combo1[static_cast<std::size_t>(i)]->setProperty("controlIndex", i);
    auto* form = new QFormLayout(Frame1);
    form->addRow(QStringLiteral("每一组传感器个数："), Combo3);
    form->addRow(QStringLiteral("组起始编号："), Combo2);
    form->addRow(QStringLiteral("传感器起始编号："), Combo1[0]);
    form->addRow(QStringLiteral("传感器结束编号："), Combo1[1]);

    cmdOK = new QPushButton(QStringLiteral("确定"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("取消"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(0);
    connect(Timer1, &QTimer::timeout, this, &FrmDefMore::Timer1_Timer);
    connect(cmdOK, &QPushButton::clicked, this, &FrmDefMore::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &FrmDefMore::cmdCancel_Click);
}

void FrmDefMore::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (Combo3->count() == 0)
        Timer1->start();
}

void FrmDefMore::Timer1_Timer() {
    fillNumbers(Combo3, 1, 8);
    fillNumbers(Combo2, 1, 1999);
    for (QComboBox* c : Combo1)
        fillNumbers(c, 1, 1999);
}

std::optional<FrmDefMore::Rule> FrmDefMore::askRule(Prompts& prompts, QWidget* parent) {
    FrmDefMore dialog(parent);
    if (prompts.runDialog(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.m_rule;
}

void FrmDefMore::cmdOK_Click() {
    m_rule = {Combo3->currentText(), Combo2->currentText(), Combo1[0]->currentText(),
              Combo1[1]->currentText()};
    accept();
}

void FrmDefMore::cmdCancel_Click() {
    reject();
}
