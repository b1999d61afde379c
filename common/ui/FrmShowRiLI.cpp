#include "common/ui/FrmShowRiLI.h"

#include "common/Clock.h"
#include "common/Module1.h"
#include "common/NumberText.h"
#include "common/Prompts.h"
#include "common/ui/DialogControls.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>
#include <limits>
#include <optional>

using DialogControls::textBox;

namespace {

const QString DateFormat = QStringLiteral("yyyy-MM-dd");
const QString TimeFormat = QStringLiteral("HH:mm:ss");

// Rounds half to even, as 16-bit conversions of entered numbers do; nothing when the
// value does not fit.
std::optional<qint16> toInt16(double value) {
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<qint16>::min() ||
        rounded > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

} // namespace

QStringList FrmShowRiLI::HalfHours() {
    QStringList times;
    for (int hour = 0; hour < 24; ++hour)
        for (int minute : {0, 30})
            times << QStringLiteral("%1:%2:00")
                         .arg(hour, 2, 10, QLatin1Char('0'))
                         .arg(minute, 2, 10, QLatin1Char('0'));
    return times;
}

FrmShowRiLI::FrmShowRiLI(Prompts& prompts, Clock& clock, QWidget* parent)
    : QDialog(parent), m_prompts(prompts), m_clock(clock) {
    setObjectName(QStringLiteral("FrmShowRiLI"));
    setWindowTitle(QStringLiteral("数据采集日期和时间："));
    setModal(true);

    Frame1 = new QGroupBox(QStringLiteral("请指明数据采集日期和时间："), this);
    Text1 = new QLineEdit(Frame1);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->installEventFilter(this);
    Combo1 = new QComboBox(Frame1);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    auto* when = new QFormLayout(Frame1);
    when->addRow(QStringLiteral("数据采集日期："), Text1);
    when->addRow(QStringLiteral("数据采集时间："), Combo1);

    Frame2 = new QGroupBox(QStringLiteral("日历： "), this);
    Calendar1 = new QCalendarWidget(Frame2);
    Calendar1->setObjectName(QStringLiteral("Calendar1"));
    (new QHBoxLayout(Frame2))->addWidget(Calendar1);
    Frame2->hide();
    connect(Calendar1, &QCalendarWidget::clicked, this, &FrmShowRiLI::Calendar1_Click);

    Frame3 = new QGroupBox(QStringLiteral("编号范围："), this);
    Text2[0] = textBox(QStringLiteral("Text2_0"), QStringLiteral("1"), Frame3);
    Text2[1] = textBox(QStringLiteral("Text2_1"), QStringLiteral("999"), Frame3);
    Text3 = textBox(QStringLiteral("Text3"), QStringLiteral("+0"), Frame3);
    auto* range = new QFormLayout(Frame3);
    range->addRow(QStringLiteral("起始编号："), Text2[0]);
    range->addRow(QStringLiteral("结束编号："), Text2[1]);
    range->addRow(QStringLiteral("偏移："), Text3);

    Frame4 = new QGroupBox(QStringLiteral("偏移后编号修正为："), this);
    Text2[3] = textBox(QStringLiteral("Text2_3"), QStringLiteral("1"), Frame4);
    Text2[2] = textBox(QStringLiteral("Text2_2"), QStringLiteral("999"), Frame4);
    Text2[3]->setReadOnly(true);
    Text2[2]->setReadOnly(true);
    auto* shifted = new QFormLayout(Frame4);
    shifted->addRow(QStringLiteral("起始编号："), Text2[3]);
    shifted->addRow(QStringLiteral("结束编号："), Text2[2]);

    for (QLineEdit* box : {Text2[0], Text2[1], Text3})
        connect(box, &QLineEdit::textChanged, this, &FrmShowRiLI::showOffsetNumbers);

    CmdOK = new QPushButton(QStringLiteral("确 定"), this);
    CmdOK->setObjectName(QStringLiteral("CmdOK"));
    CmdOK->setDefault(true);
    CmdCancle = new QPushButton(QStringLiteral("取 消"), this);
    CmdCancle->setObjectName(QStringLiteral("CmdCancle"));
    connect(CmdOK, &QPushButton::clicked, this, &FrmShowRiLI::CmdOK_Click);
    connect(CmdCancle, &QPushButton::clicked, this, &FrmShowRiLI::CmdCancle_Click);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Frame1, 0, 0);
    grid->addWidget(Frame2, 0, 1, 3, 1);
    grid->addWidget(Frame3, 1, 0);
    grid->addWidget(Frame4, 2, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CmdOK);
    buttons->addWidget(CmdCancle);
    grid->addLayout(buttons, 3, 0, 1, 2);

    Form_Load();
}

void FrmShowRiLI::Form_Load() {
    const QDateTime now = m_clock.now();
    Text1->setText(now.date().toString(DateFormat));
    Combo1->addItems(HalfHours());
    Combo1->setEditText(now.time().toString(TimeFormat));
}

std::optional<SaveChoice> FrmShowRiLI::askSave(Prompts& prompts, Clock& clock,
                                               std::optional<SaveEntries>& typed, QWidget* parent) {
    FrmShowRiLI dialog(prompts, clock, parent);
    if (typed)
        dialog.offer(*typed);
    const bool confirmed = prompts.runDialog(dialog) == QDialog::Accepted;
    typed = dialog.entries();
    return confirmed ? dialog.m_choice : std::nullopt;
}

void FrmShowRiLI::offer(const SaveEntries& typed) {
    Text1->setText(typed.date);
    Combo1->setEditText(typed.time);
    Text2[0]->setText(typed.firstNumber);
    Text2[1]->setText(typed.lastNumber);
    Text3->setText(typed.offset);
}

SaveEntries FrmShowRiLI::entries() const {
    return {Text1->text(), Combo1->currentText(), Text2[0]->text(), Text2[1]->text(),
            Text3->text()};
}

void FrmShowRiLI::showOffsetNumbers() {
    const double offset = Val(Text3->text());
    Text2[2]->setText(PlainNumber(Val(Text2[1]->text()) + offset));
    Text2[3]->setText(PlainNumber(Val(Text2[0]->text()) + offset));
}

bool FrmShowRiLI::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1 && event->type() == QEvent::MouseButtonPress) {
        const QDate typed = QDate::fromString(Text1->text().trimmed(), DateFormat);
        if (typed.isValid())
            Calendar1->setSelectedDate(typed);
        showCalendar();
    }
    return QDialog::eventFilter(watched, event);
}

void FrmShowRiLI::Calendar1_Click() {
    // Always the stored form, whatever the system's short date looks like, so every
    // upload's date-time sorts and compares as text.
    Text1->setText(Calendar1->selectedDate().toString(DateFormat));
    hideCalendar();
}

void FrmShowRiLI::showCalendar() {
    if (!Frame2->isHidden())
        return;
    m_sizeWithoutCalendar = size();
    Frame2->show();
}

void FrmShowRiLI::hideCalendar() {
    if (Frame2->isHidden())
        return;
    Frame2->hide();
    // The calendar widened the dialog; without it the dialog takes its own size again.
    layout()->activate();
    resize(m_sizeWithoutCalendar);
}

void FrmShowRiLI::CmdOK_Click() {
    const auto first = toInt16(Val(Text2[0]->text()));
    const auto last = toInt16(Val(Text2[1]->text()));
    const auto offset = toInt16(Val(Text3->text()));
    if (!first || !last || !offset)
        return refuse(QStringLiteral("编号和偏移必须在 -32768 到 32767 之间！"));
    const QString dateTime = typedDateTime();
    if (dateTime.isEmpty())
        return;
    m_choice = SaveChoice{dateTime, *first, *last, *offset};
    accept();
}

QString FrmShowRiLI::typedDateTime() {
    // Every upload is told apart, sorted and grouped by this text, so only a real date and
    // time in the stored form will do.
    const QString dateText = Text1->text().trimmed();
    const QString timeText = Combo1->currentText().trimmed();
    const QDate date = QDate::fromString(dateText, DateFormat);
    if (!date.isValid() || date.toString(DateFormat) != dateText) {
        refuse(
            QStringLiteral("数据采集日期“%1”不是有效的日期，请按“年-月-日”填写，例如 2008-04-30。")
                .arg(dateText));
        return {};
    }
    const QTime time = QTime::fromString(timeText, TimeFormat);
    if (!time.isValid() || time.toString(TimeFormat) != timeText) {
        refuse(QStringLiteral("数据采集时间“%1”不是有效的时间，请按“时:分:秒”填写，例如 14:30:00。")
                   .arg(timeText));
        return {};
    }
    return dateText + QLatin1Char(' ') + timeText;
}

void FrmShowRiLI::refuse(const QString& text) {
    m_prompts.message(this, Module1::AppTitle, text, Prompts::Buttons::Ok, Prompts::Icon::Warning);
}

void FrmShowRiLI::CmdCancle_Click() {
    reject();
}
