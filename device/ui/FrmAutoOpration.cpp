#include "device/ui/FrmAutoOpration.h"

#include "common/Clock.h"
#include "device/AutoSchedule.h"
#include "link/RS_fun.h"

#include <QListWidget>
#include <QTimer>
#include <QVBoxLayout>

FrmAutoOpration::FrmAutoOpration(RS_fun& rs, Clock& clock, QWidget* parent)
    : QDialog(parent), m_rs(rs) {
    setObjectName(QStringLiteral("FrmAutoOpration"));
    setWindowTitle(QStringLiteral("工厂自动设置"));
    setModal(true);
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(List1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(clock.timerInterval(1000));
    connect(Timer1, &QTimer::timeout, this, &FrmAutoOpration::Timer1_Timer);
    Form_Load();
    Timer1->start();
}

void FrmAutoOpration::Form_Load() {
    m_autoStep = 0;
    m_autoDone = false;
}

void FrmAutoOpration::Timer1_Timer() {
    // The step's exchange keeps the event loop going, so the timer fires again meanwhile;
    // such a tick waits for the next one, or its command would be refused and its step lost.
    if (m_rs.CommandBusy())
        return;
    const AutoStepAction action = AutoScheduleAt(m_autoStep);
    if (!action.line.isEmpty())
        List1->addItem(action.line);
    if (action.code)
        m_rs.SendCommand(*action.code, action.arg);
    if (action.done)
        m_autoDone = true;
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
