#include "common/ui/frmRiLi.h"

#include "common/Prompts.h"

#include <QCalendarWidget>
#include <QDate>
#include <QLabel>
#include <QPushButton>
#include <QTextCharFormat>
#include <QVBoxLayout>

frmRiLi::frmRiLi(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmRiLi"));
    setWindowTitle(QStringLiteral("日历设置"));
    setModal(true);

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Calendar1 = new QCalendarWidget(this);
    Calendar1->setObjectName(QStringLiteral("Calendar1"));
    QTextCharFormat small;
    small.setFontPointSize(9);
    Calendar1->setHeaderTextFormat(small);
    Calendar1->setWeekdayTextFormat(Qt::Saturday, small);
    Calendar1->setWeekdayTextFormat(Qt::Sunday, small);
    QFont days = Calendar1->font();
    days.setPointSize(12);
    Calendar1->setFont(days);
    Label1 = new QLabel(QStringLiteral("2003-10-10"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    cmdOK = new QPushButton(QStringLiteral("确 定"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));

    connect(Calendar1, &QCalendarWidget::clicked, this, &frmRiLi::Calendar1_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmRiLi::cmdOK_Click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label2);
    layout->addWidget(Calendar1);
    layout->addWidget(Label1);
    layout->addWidget(cmdOK, 0, Qt::AlignRight);
}

QLabel* frmRiLi::DateLabel(int index, const QString& tip, QWidget* parent, QObject* clicks) {
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("Label1"));
    label->setProperty("controlIndex", index);
    label->setToolTip(tip);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setCursor(Qt::PointingHandCursor);
    label->installEventFilter(clicks);
    return label;
}

void frmRiLi::PickInto(Prompts& prompts, QWidget* owner, int index) {
    frmRiLi picker(owner);
    picker.tag = index;
    picker.Obj = owner;
    const bool start = index == 0;
    picker.setWindowTitle(start ? QStringLiteral("图形开始日期设定：")
                                : QStringLiteral("图形结束日期设定："));
    picker.Label2->setText(start ? QStringLiteral("图形开始日期设定于：")
                                 : QStringLiteral("图形结束日期设定于："));
    const QLabel* target = ArrayLabel(owner, QStringLiteral("Label1"), index);
    const QString shown = target ? target->text() : QString();
    picker.Calendar1->setSelectedDate(QDate::fromString(shown, QStringLiteral("yyyy-MM-dd")));
    // The stored form, not the system's short date, so the label can always be read back.
    picker.Label1->setText(shown);
    prompts.runDialog(picker);
}

QLabel* frmRiLi::ArrayLabel(QWidget* owner, const QString& name, int index) {
    if (!owner)
        return nullptr;
    // Only labels that carry an index belong to the array: a label of the same name
    // without one (the picker's own, when the owner is its parent) must not read as 0.
    for (QLabel* label : owner->findChildren<QLabel*>(name)) {
        const QVariant labelIndex = label->property("controlIndex");
        if (labelIndex.isValid() && labelIndex.toInt() == index)
            return label;
    }
    return nullptr;
}

void frmRiLi::Calendar1_Click() {
    Label1->setText(Calendar1->selectedDate().toString(QStringLiteral("yyyy-MM-dd")));
}

void frmRiLi::cmdOK_Click() {
    if (QLabel* target = ArrayLabel(Obj, QStringLiteral("Label1"), tag))
        target->setText(Label1->text());
    accept();
}
