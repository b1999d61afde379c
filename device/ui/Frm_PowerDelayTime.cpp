#include "device/ui/Frm_PowerDelayTime.h"

#include "device/PowerOffMinutes.h"

#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

Frm_PowerDelayTime::Frm_PowerDelayTime(const QString& minutes, QWidget* parent)
    : QDialog(parent),
      Frame1(new QGroupBox(QStringLiteral("节能设置（范围１～２４０分钟）："), this)),
      Label1(new QLabel(QStringLiteral("如果设备没有任何操作，请在"), Frame1)),
      Text1(new QLineEdit(minutes, Frame1)),
      Label1Second(new QLabel(QStringLiteral("分钟后自动关机。"), Frame1)),
      Command1(new QPushButton(QStringLiteral("使用默认值"), this)),
      CMdSend1(new QPushButton(QStringLiteral("发送该设置给设备"), this)),
      CmdExit(new QPushButton(QStringLiteral("退 出"), this)) {
    setObjectName(QStringLiteral("Frm_PowerDelayTime"));
    setWindowTitle(QStringLiteral("设置设备自动关机时间（分钟数）"));
    setModal(true);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->installEventFilter(this);
    Label1Second->setObjectName(QStringLiteral("Label1"));
    auto* line = new QHBoxLayout(Frame1);
    line->addWidget(Label1);
    line->addWidget(Text1);
    line->addWidget(Label1Second);

    Command1->setObjectName(QStringLiteral("Command1"));
    CMdSend1->setObjectName(QStringLiteral("CMdSend1"));
    CmdExit->setObjectName(QStringLiteral("CmdExit"));
    // Enter in the minutes box must not close the dialog behind the user's back.
    for (QPushButton* button : {Command1, CMdSend1, CmdExit})
        button->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(CMdSend1);
    buttons->addWidget(CmdExit);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);

    connect(Command1, &QPushButton::clicked, this, &Frm_PowerDelayTime::Command1_Click);
    connect(CMdSend1, &QPushButton::clicked, this, &Frm_PowerDelayTime::CMdSend1_Click);
    connect(CmdExit, &QPushButton::clicked, this, &Frm_PowerDelayTime::CmdExit_Click);
}

Frm_PowerDelayTime::~Frm_PowerDelayTime() {
    // Closed while the recorder was still being waited for: the busy cursor must not
    // outlive the dialog.
    setWaiting(false);
}

bool Frm_PowerDelayTime::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1 && event->type() == QEvent::KeyRelease)
        Text1_KeyUp();
    return QDialog::eventFilter(watched, event);
}

void Frm_PowerDelayTime::Text1_KeyUp() {
    const QString typed = PowerOffMinutesTyped(Text1->text());
    if (typed != Text1->text())
        Text1->setText(typed);
}

void Frm_PowerDelayTime::Command1_Click() {
    Text1->setText(QStringLiteral("5"));
}

void Frm_PowerDelayTime::CMdSend1_Click() {
    const int minutes = PowerOffMinutesToSend(Text1->text());
    // The box shows what the recorder is actually given.
    Text1->setText(QString::number(minutes));
    // A silent recorder keeps each exchange, the setting and the re-read information,
    // waiting for some eleven seconds.
    setWaiting(true);
    emit sendRequested(minutes);
}

void Frm_PowerDelayTime::sendingEnded() {
    setWaiting(false);
}

void Frm_PowerDelayTime::setWaiting(bool waiting) {
    if (waiting == m_waiting)
        return;
    m_waiting = waiting;
    for (QPushButton* button : {Command1, CMdSend1, CmdExit})
        button->setEnabled(!waiting);
    if (waiting)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

void Frm_PowerDelayTime::CmdExit_Click() {
    close();
}
