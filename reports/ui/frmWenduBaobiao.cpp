#include "reports/ui/frmWenduBaobiao.h"

#include "common/Clock.h"
#include "common/DataFiles.h"
#include "common/LongWork.h"
#include "common/Prompts.h"
#include "common/ui/DialogControls.h"
#include "common/ui/frmRiLi.h"
#include "grouping/GroupNames.h"
#include "reports/ExportRunner.h"
#include "reports/StationQuery.h"
#include "reports/StationReport.h"
#include "reports/StationWorkbook.h"
#include "reports/TextFileWriter.h"
#include "reports/ui/ReportMessages.h"

#include <QCalendarWidget>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace {

const QString DateForm = QStringLiteral("yyyy-MM-dd");
const QString Waiting = QStringLiteral("请稍等...");

using DialogControls::button;

QLabel* caption(const QString& text, QWidget* parent) {
    return new QLabel(text, parent);
}

} // namespace

frmWenduBaobiao::frmWenduBaobiao(Prompts& prompts, Clock& clock, LongWork& work,
                                 FileLauncher& launcher, QString databasePath,
                                 QString programFolder, QString documentsFolder, QWidget* parent)
    : QDialog(parent), m_prompts(prompts), m_clock(clock), m_work(work), m_launcher(launcher),
      m_databasePath(std::move(databasePath)), m_programFolder(std::move(programFolder)),
      m_documentsFolder(std::move(documentsFolder)) {
    setObjectName(QStringLiteral("frm温度报表"));
    setWindowTitle(QStringLiteral("温度报表"));
    setModal(true);
    buildControls();
    Form_Load();
}

frmWenduBaobiao::~frmWenduBaobiao() {
    // Closing moves the focus out of the station chooser, which then reports its text as a
    // choice; by then this window is half gone.
    disconnect(Combo1, nullptr, this, nullptr);
}

void frmWenduBaobiao::buildControls() {
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    const std::array<QString, 2> tips{QStringLiteral("点击可以设定【数据开始日期】"),
                                      QStringLiteral("点击可以设定【数据结束日期】")};
    for (int i = 0; i < 2; ++i)
        Label1[i] = frmRiLi::DateLabel(i, tips[i], this, this);
    Cmd_Shuaxin = button(QStringLiteral("Cmd_刷新"), QStringLiteral("刷 新"), this);
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    // The lines are laid out in columns counting a Chinese character as two letters; only a
    // font drawn on that grid keeps the headings over their figures.
    QFont grid = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    grid.setFamilies({QStringLiteral("Noto Sans Mono CJK SC"), grid.family()});
    List1->setFont(grid);
    List1->setUniformItemSizes(true);
    Text1 = new QLineEdit(QStringLiteral("操作结果："), this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text2 = new QLineEdit(Waiting, this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setReadOnly(true);
    Cmd2ExcelTab =
        button(QStringLiteral("Cmd2ExcelTab"), QStringLiteral("输出当前报表到Excel表格"), this);
    CmdPrn = button(QStringLiteral("CmdPrn"), QStringLiteral("输出当前报表到文本文件"), this);
    cmdExit = button(QStringLiteral("cmdExit"), QStringLiteral("退 出"), this);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);

    auto* choice = new QHBoxLayout;
    choice->addWidget(caption(QStringLiteral("站点编号："), this));
    choice->addWidget(Combo1, 1);
    choice->addWidget(caption(QStringLiteral("数据开始日期："), this));
    choice->addWidget(Label1[0]);
    choice->addWidget(caption(QStringLiteral("数据结束日期："), this));
    choice->addWidget(Label1[1]);
    choice->addWidget(Cmd_Shuaxin);
    auto* info = new QHBoxLayout;
    info->addWidget(caption(QStringLiteral("操作信息："), this));
    info->addWidget(Text1, 2);
    info->addWidget(Text2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Cmd2ExcelTab);
    buttons->addWidget(CmdPrn);
    buttons->addWidget(cmdExit);
    auto* layout = new QGridLayout(this);
    layout->addLayout(choice, 0, 0);
    layout->addWidget(List1, 1, 0);
    layout->addLayout(info, 2, 0);
    layout->addLayout(buttons, 3, 0);
    resize(900, 560);

    connect(Cmd_Shuaxin, &QPushButton::clicked, this, &frmWenduBaobiao::Cmd_Shuaxin_Click);
    connect(Cmd2ExcelTab, &QPushButton::clicked, this, &frmWenduBaobiao::Cmd2ExcelTab_Click);
    connect(CmdPrn, &QPushButton::clicked, this, &frmWenduBaobiao::CmdPrn_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmWenduBaobiao::cmdExit_Click);
    connect(Combo1, &QComboBox::activated, this, &frmWenduBaobiao::GetData);
    connect(Timer1, &QTimer::timeout, this, &frmWenduBaobiao::Timer1_Timer);
}

void frmWenduBaobiao::Form_Load() {
    const QDate today = m_clock.now().date();
    Label1[1]->setText(today.toString(DateForm));
    Label1[0]->setText(today.addDays(-20).toString(DateForm));
    Combo1->clear();
    getGroupsNames();
    StationNum = 1;
    Combo1->addItem(QStringLiteral("2000-所有"));
    Combo1->setEditText(QStringLiteral("0001"));
    Text2->hide();
    // The list fills a moment after the window shows, so the window is up at once.
    Timer1->start(m_clock.timerInterval(1000));
}

void frmWenduBaobiao::getGroupsNames() {
    QStringList names;
    // A database that cannot be read offers no station names; the list will say why.
    (void)::getGroupsNames(m_databasePath, names);
    Combo1->addItems(names);
}

void frmWenduBaobiao::Timer1_Timer() {
    Timer1->stop();
    GetData();
}

bool frmWenduBaobiao::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        for (int i = 0; i < 2; ++i) {
            if (watched == Label1[i]) {
                Label1_Click(i);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmWenduBaobiao::Label1_Click(int index) {
    // The list and the notices stay as they are while the workbook is written from them.
    if (m_work.busy())
        return;
    frmRiLi::PickInto(m_prompts, this, index);
    GetData();
}

StationQuery frmWenduBaobiao::readQuery() {
    StationNum = StationQuery::stationOf(Combo1->currentText());
    return {StationNum, QDate::fromString(Label1[0]->text(), DateForm),
            QDate::fromString(Label1[1]->text(), DateForm)};
}

void frmWenduBaobiao::GetData() {
    if (m_work.busy())
        return;
    QStringList lines;
    const StoreResult r = StationReport::readList(m_databasePath, readQuery(), lines);
    List1->clear();
    List1->addItems(lines);
    if (!r.ok())
        Text1->setText(r.message());
    else
        Text1->setText(lines.size() > 1 ? ReportMessages::StationData
                                        : ReportMessages::NoStationData);
    Text2->setText(Waiting);
    Text2->hide();
}

void frmWenduBaobiao::Cmd_Shuaxin_Click() {
    GetData();
}

void frmWenduBaobiao::cmdExit_Click() {
    close();
}

void frmWenduBaobiao::reject() {
    // A workbook being written would be left without its outcome being told.
    if (!m_work.busy())
        QDialog::reject();
}

void frmWenduBaobiao::closeEvent(QCloseEvent* event) {
    if (m_work.busy())
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void frmWenduBaobiao::CmdPrn_Click() {
    const QString path = ReportMessages::askOutputPath(
        this, m_prompts, m_documentsFolder, ReportMessages::Place::DocumentsFolder,
        QStringLiteral("输出数据到文本文件："), QStringLiteral("*.txt (*.txt)"),
        QStringLiteral("outdat.txt"));
    if (path.isEmpty())
        return;
    QStringList list;
    for (int i = 0; i < List1->count(); ++i)
        list.append(List1->item(i)->text());
    TextFileWriter file(path);
    bool written = file.open();
    if (written) {
        for (const QString& line : StationReport::textFileLines(StationNum, list))
            file.writeLine(line);
        written = file.commit();
    }
    if (!written) {
        ReportMessages::tellFailure(this, m_prompts,
                                    {ExportResult::Kind::CannotWrite, file.errorString(), 0}, path);
        return;
    }
    ReportMessages::openWritten(this, m_prompts, m_launcher, path, ReportMessages::FileKind::Text);
}

void frmWenduBaobiao::Cmd2ExcelTab_Click() {
    Data2ExcelTab();
}

void frmWenduBaobiao::Data2ExcelTab() {
    if (m_work.busy())
        return;
    const QString target = ReportMessages::askOutputPath(
        this, m_prompts, m_documentsFolder, ReportMessages::Place::ReportFolder,
        QStringLiteral("输出数据到Excel文件："), QStringLiteral("*.xlsx (*.xlsx)"),
        QStringLiteral("测温数据报表.xlsx"));
    if (target.isEmpty())
        return;
    Text2->show();
    const ExportRunner::Export write =
        [dbPath = m_databasePath, templatePath = DataFiles::Path(m_programFolder, TemplateName),
         target, query = readQuery()](const ExportProgress& progress) {
            return StationWorkbook::write(dbPath, templatePath, target, query, progress);
        };
    (void)ExportRunner::start(
        m_work, this, m_clock, 1000, write, [this](int figure) { showProgress(figure); },
        [this, target](const ExportResult& result) { workbookWritten(result, target); });
}

void frmWenduBaobiao::showProgress(int figure) {
    // Figures come only once the records have been counted, so there are records.
    Text1->setText(ReportMessages::StationData);
    Text2->setText(QStringLiteral("进度：%1‰").arg(figure));
}

void frmWenduBaobiao::workbookWritten(const ExportResult& result, const QString& target) {
    ReportMessages::tellOutcome(this, m_prompts, m_launcher, result, target,
                                ReportMessages::FileKind::Workbook);
    Text2->setText(Waiting);
    Text2->hide();
}
