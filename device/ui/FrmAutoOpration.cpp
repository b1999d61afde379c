#include "device/ui/FrmAutoOpration.h"

#include "common/ClockTimer.h"
#include "device/AutoSchedule.h"
#include "link/CommandTable.h"
#include "link/RS_fun.h"

#include <QListWidget>
#include <QVBoxLayout>

FrmAutoOpration::FrmAutoOpration(RS_fun& rs, Clock& clock, QWidget* parent)
    : QDialog(parent), m_rs(rs), List1(new QListWidget(this)), Timer1(new ClockTimer(clock, this)) {
    setObjectName(QStringLiteral("FrmAutoOpration"));
    setWindowTitle(QStringLiteral("工厂自动设置"));
    setModal(true);
    List1->setObjectName(QStringLiteral("List1"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(List1);

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setRepeating(true);
    connect(Timer1, &ClockTimer::timeout, this, &FrmAutoOpration::Timer1_Timer);
    Timer1->start(1000);
}

void FrmAutoOpration::Timer1_Timer() {
    // A tick while the step's command is still out waits for the next one; the step
    // counts on only once its command has ended.
    if (m_rs.CommandBusy())
        return;
    const AutoStepAction action = AutoScheduleAt(m_autoStep);
    if (!action.line.isEmpty())
        List1->addItem(action.line);
    m_autoDone = action.done;
    if (!action.code) {
        stepEnded();
        return;
    }
    const int code = *action.code;
    m_rs.SendCommand(code, this,
                     [this, code](const CommandResult& result) { commandEnded(code, result); },
                     {action.arg});
}

void FrmAutoOpration::commandEnded(int code, const CommandResult& result) {
    if (code == ReadInfo && result.ok)
        emit informationRead(result.info);
    stepEnded();
}

void FrmAutoOpration::stepEnded() {
    ++m_autoStep;
    if (m_autoDone) {
        Timer1->stop();
        accept();
    }
}

void FrmAutoOpration::done(int result) {
    Timer1->stop();
    QDialog::done(result);
}
