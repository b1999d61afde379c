#include "curves/ui/frmWenduQuxian.h"

#include "common/Clock.h"
#include "common/NumberText.h"
#include "common/Prompts.h"
#include "common/TwipsScale.h"
#include "common/ui/DialogControls.h"
#include "common/ui/frmRiLi.h"
#include "curves/ChartGeometry.h"
#include "curves/MyFunctions.h"
#include "curves/ui/ChartPicture.h"
#include "grouping/GroupNames.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

const QString DateFormat = QStringLiteral("yyyy-MM-dd");

QLabel* arrayLabel(const QString& name, int index, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setProperty("controlIndex", index);
    return label;
}

using DialogControls::button;

// Chinese text breaks between any two characters, so a box narrower than the chart's
// messages splits a word such as "存在" across lines. The box takes the width of the longer
// message, and one character more for the cursor and the rounding of the text's width.
int statusBoxWidth(const QPlainTextEdit* box) {
    const QFontMetrics metrics(box->font());
    int text = 0;
    for (const QString& message : {MyFunctions::NoDataText, MyFunctions::HasDataText})
        text = std::max(text, metrics.horizontalAdvance(message));
    const int margins = 2 * (box->frameWidth() + qCeil(box->document()->documentMargin()));
    return std::max(Twips::ToPixels(3000),
                    text + margins + metrics.horizontalAdvance(QChar(0x3000)));
}

} // namespace

frmWenduQuxian::frmWenduQuxian(MyFunctions& chart, Prompts& prompts, Clock& clock, QWidget* parent)
    : QDialog(parent), m_chart(chart), m_prompts(prompts), m_clock(clock) {
    setObjectName(QStringLiteral("frm温度曲线"));
    setWindowTitle(QStringLiteral("分组曲线图形"));
    buildControls();
    resize(1024, FrameBoot->sizeHint().height() + Label3->sizeHint().height() +
                     Twips::ToPixels(PictureTop + ChartGeometry::PictureHeight) +
                     HScroll1->sizeHint().height());
    Form_Load();
}

void frmWenduQuxian::buildControls() {
    FrameBoot = new QFrame(this);
    FrameBoot->setObjectName(QStringLiteral("FrameBoot"));
    auto* top = new QHBoxLayout(FrameBoot);
    top->addWidget(buildDateFrame());
    top->addWidget(buildStationPanel());
    top->addWidget(buildOutputFrame());

    Label3 = new QLabel(QStringLiteral("温度曲线自动绘图区域："), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Frame3 = new QFrame(this);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    Frame3->setFrameShape(QFrame::NoFrame);
    Picture1 = new ChartPicture(Frame3);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setCursor(Qt::OpenHandCursor);
    connect(Picture1, &ChartPicture::mouseDown, this, &frmWenduQuxian::Picture1_MouseDown);
    connect(Picture1, &ChartPicture::mouseUp, this, &frmWenduQuxian::Picture1_MouseUp);
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    // Nothing to scroll until the first chart sets the range in days.
    HScroll1->setRange(0, 0);
    connect(HScroll1, &QScrollBar::valueChanged, this, &frmWenduQuxian::HScroll1_Change);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &frmWenduQuxian::Timer1_Timer);
}

QWidget* frmWenduQuxian::buildDateFrame() {
    Frame1 = new QGroupBox(QStringLiteral("图形开始日期和图形持续天数(<=30)设置："), FrameBoot);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    const QStringList captions = {QStringLiteral("图形开始日期："),
                                  QStringLiteral("图形结束日期：")};
    const QStringList tips = {QStringLiteral("点击可以设定【图形开始日期】"),
                              QStringLiteral("点击可以设定【图形结束日期】")};
    auto* grid = new QGridLayout(Frame1);
    for (int i = 0; i < 2; ++i) {
        Label1[i] = frmRiLi::DateLabel(i, tips[i], Frame1, this);
        grid->addWidget(arrayLabel(QStringLiteral("Label2"), i, captions[i], Frame1), i, 0);
        grid->addWidget(Label1[i], i, 1, 1, 2);
    }
    cmdMoveLeft = button(QStringLiteral("cmdMoveLeft"), QStringLiteral("<< "), Frame1);
    cmdMoveright = button(QStringLiteral("cmdMoveright"), QStringLiteral(">>"), Frame1);
    cmdToday = button(QStringLiteral("cmdToday"), QStringLiteral("设为今日"), Frame1);
    grid->addWidget(cmdMoveLeft, 2, 0);
    grid->addWidget(cmdMoveright, 2, 1);
    grid->addWidget(cmdToday, 2, 2);
    connect(cmdMoveLeft, &QPushButton::clicked, this, &frmWenduQuxian::cmdMoveLeft_Click);
    connect(cmdMoveright, &QPushButton::clicked, this, &frmWenduQuxian::cmdMoveright_Click);
    connect(cmdToday, &QPushButton::clicked, this, &frmWenduQuxian::cmdToday_Click);
    return Frame1;
}

QWidget* frmWenduQuxian::buildStationPanel() {
    auto* panel = new QWidget(FrameBoot);
    auto* grid = new QGridLayout(panel);
    Combo1 = new QComboBox(panel);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Cmd_Shuaxin = button(QStringLiteral("Cmd_刷新"), QStringLiteral("刷新"), panel);
    Text1 = new QPlainTextEdit(QStringLiteral("操作结果：\n"), panel);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFixedSize(statusBoxWidth(Text1), Twips::ToPixels(900));
    Check1 = new QCheckBox(QStringLiteral("定时刷新"), panel);
    Check1->setObjectName(QStringLiteral("Check1"));
    grid->addWidget(arrayLabel(QStringLiteral("Label2"), 2, QStringLiteral("站点编号："), panel), 0,
                    0);
    grid->addWidget(Combo1, 0, 1);
    grid->addWidget(Cmd_Shuaxin, 0, 2);
    grid->addWidget(arrayLabel(QStringLiteral("Label2"), 4, QStringLiteral("操作信息："), panel), 1,
                    0);
    grid->addWidget(Text1, 1, 1, 1, 2);
    grid->addWidget(Check1, 2, 1);
    connect(Cmd_Shuaxin, &QPushButton::clicked, this, &frmWenduQuxian::Cmd_Shuaxin_Click);
    connect(Combo1, &QComboBox::activated, this, &frmWenduQuxian::Combo1_Click);
    return panel;
}

QWidget* frmWenduQuxian::buildOutputFrame() {
    Frame2 = new QGroupBox(QStringLiteral("输出："), FrameBoot);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    CmdPrn = button(QStringLiteral("CmdPrn"), QStringLiteral("原比例打印当前图形"), Frame2);
    cmdPrnHalf =
        button(QStringLiteral("cmdPrnHalf"), QStringLiteral("半宽比例打印当前图形"), Frame2);
    cmd2Bmp = button(QStringLiteral("cmd2Bmp"), QStringLiteral("输出到图形文件"), Frame2);
    cmdExit = button(QStringLiteral("cmdExit"), QStringLiteral("退 出"), Frame2);
    auto* column = new QVBoxLayout(Frame2);
    for (QPushButton* b : {CmdPrn, cmdPrnHalf, cmd2Bmp, cmdExit})
        column->addWidget(b);
    connect(CmdPrn, &QPushButton::clicked, this, &frmWenduQuxian::CmdPrn_Click);
    connect(cmdPrnHalf, &QPushButton::clicked, this, &frmWenduQuxian::cmdPrnHalf_Click);
    connect(cmd2Bmp, &QPushButton::clicked, this, &frmWenduQuxian::cmd2Bmp_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmWenduQuxian::cmdExit_Click);
    return Frame2;
}

void frmWenduQuxian::Form_Load() {
    setPicture(ChartPicture::BlankImage(23200, ChartGeometry::PictureHeight), 23200);
    setPictureLeft(0);
    const QDate today = m_clock.now().date();
    setLabelDate(1, today);
    setLabelDate(0, today.addDays(-1));
    getGroupsNames();
    Combo1->setEditText(QStringLiteral("0001"));
    Timer1->start(m_clock.timerInterval(1000));
}

void frmWenduQuxian::getGroupsNames() {
    Combo1->clear();
    QStringList names;
    const StoreResult r = ::getGroupsNames(m_chart.databasePath(), names);
    if (!r.ok())
        Text1->setPlainText(r.message());
    Combo1->addItems(names);
}

void frmWenduQuxian::Timer1_Timer() {
    Timer1->stop();
    cmdToday_Click();
    Cmd_Shuaxin_Click();
}

void frmWenduQuxian::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    const QSize boot = FrameBoot->sizeHint();
    FrameBoot->setGeometry((width() - boot.width()) / 2, 0, boot.width(), boot.height());
    const int labelTop = boot.height();
    Label3->setGeometry(4, labelTop, width() - 8, Label3->sizeHint().height());
    const int frameTop = labelTop + Label3->height();
    Frame3->setGeometry(0, frameTop, width(),
                        Twips::ToPixels(PictureTop + ChartGeometry::PictureHeight));
    HScroll1->setGeometry(0, Frame3->geometry().bottom() + 1, width(),
                          HScroll1->sizeHint().height());
    // The picture keeps its drawing; only its place is kept within the wider or narrower
    // frame.
    clampPicture();
}

QDate frmWenduQuxian::labelDate(int index) const {
    return QDate::fromString(Label1[index]->text(), DateFormat);
}

void frmWenduQuxian::setLabelDate(int index, const QDate& date) {
    Label1[index]->setText(date.toString(DateFormat));
}

void frmWenduQuxian::cmdMoveLeft_Click() {
    setLabelDate(0, labelDate(0).addDays(-1));
    setLabelDate(1, labelDate(0).addDays(1));
}

void frmWenduQuxian::cmdMoveright_Click() {
    setLabelDate(0, labelDate(0).addDays(1));
    setLabelDate(1, labelDate(0).addDays(1));
}

void frmWenduQuxian::cmdToday_Click() {
    setLabelDate(1, m_clock.now().date());
    setLabelDate(0, labelDate(1).addDays(-1));
}

bool frmWenduQuxian::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        for (int i = 0; i < 2; ++i)
            if (watched == Label1[i]) {
                Label1_Click(i);
                return true;
            }
    return QDialog::eventFilter(watched, event);
}

void frmWenduQuxian::Label1_Click(int index) {
    frmRiLi::PickInto(m_prompts, this, index);
    if (index == 0)
        setLabelDate(1, labelDate(0).addDays(1));
    else
        setLabelDate(0, labelDate(1).addDays(-1));
    Cmd_Shuaxin_Click();
}

void frmWenduQuxian::Combo1_Click() {
    Cmd_Shuaxin_Click();
}

void frmWenduQuxian::Cmd_Shuaxin_Click() {
    const double station = std::nearbyint(Val(Combo1->currentText()));
    if (station < 1 || station > 32767) {
        m_prompts.message(this, QStringLiteral("提示："),
                          QStringLiteral("站点编号必须在 1 到 32767 之间！"), Prompts::Buttons::Ok,
                          Prompts::Icon::Warning);
        return;
    }
    const QDate start = labelDate(0);
    const QDate end = labelDate(1);
    qint16 days = ChartGeometry::CappedDayCount(static_cast<qint32>(start.daysTo(end) + 1));
    const qint32 width = std::max(ChartGeometry::PictureWidth(days, LeftMarginHours), frameWidth());
    QImage image = ChartPicture::BlankImage(width, ChartGeometry::PictureHeight);
    QString status;
    {
        QPainter painter(&image);
        m_chart.DrawStationChart(static_cast<qint16>(station), LeftMarginHours, 0, end, days,
                                 painter, true, status);
    }
    Text1->setPlainText(status);
    setPicture(image, width);
    m_drawn = true;
    m_station = static_cast<qint16>(station);
    m_endDate = end;
    m_dayCount = days;

    setPictureLeft(frameWidth() / 2 - m_chart.LastDataX);
    HScroll1->setRange(0, m_dayCount - 1);
    // Before any chart has found data there is no right end to relate the newest data to.
    if (m_chart.ChartRightX != 0)
        HScroll1->setValue(static_cast<int>(std::nearbyint(
            static_cast<double>(m_chart.LastDataX) / m_chart.ChartRightX * HScroll1->maximum())));
    clampPicture();
}

void frmWenduQuxian::HScroll1_Change(int value) {
    const auto dayWidth =
        static_cast<qint32>(std::nearbyint(static_cast<double>(m_pictureWidth) / m_dayCount));
    setPictureLeft(-(value * dayWidth));
    clampPicture();
}

void frmWenduQuxian::Picture1_MouseDown(Qt::MouseButton, const QPoint& position) {
    m_dragStartX = Twips::FromPixels(position.x());
    Picture1->setCursor(Qt::ClosedHandCursor);
}

void frmWenduQuxian::Picture1_MouseUp(Qt::MouseButton button, const QPoint& position) {
    if (button != Qt::LeftButton)
        return;
    Picture1->setCursor(Qt::OpenHandCursor);
    setPictureLeft(m_pictureLeft - (m_dragStartX - Twips::FromPixels(position.x())));
    clampPicture();
}

void frmWenduQuxian::setPicture(const QImage& image, qint32 widthTwips) {
    Picture1->setImage(image);
    m_pictureWidth = widthTwips;
}

qint32 frmWenduQuxian::frameWidth() const {
    return Twips::FromPixels(Frame3->width());
}

void frmWenduQuxian::setPictureLeft(qint32 left) {
    m_pictureLeft = left;
    Picture1->move(Twips::ToPixels(left), Twips::ToPixels(PictureTop));
}

void frmWenduQuxian::clampPicture() {
    // The left edge wins over the right one, so a picture narrower than the frame (after
    // the window was widened) starts at the frame's left edge.
    if (m_pictureLeft < frameWidth() - m_pictureWidth)
        setPictureLeft(frameWidth() - m_pictureWidth);
    if (m_pictureLeft > 0)
        setPictureLeft(0);
}

void frmWenduQuxian::cmdExit_Click() {
    close();
}
