#include "store/ui/FrmDataManage.h"

#include "common/ui/DialogControls.h"
#include "common/ui/ReadOnlyControls.h"

#include "common/Module1.h"
#include "common/NumberText.h"
#include "common/Prompts.h"
#include "store/ReadingLists.h"
#include "store/ReadingsMaintenance.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

using DialogControls::button;
using DialogControls::named;

namespace {

const QString Info = QStringLiteral("提示：");
const QString Warn = QStringLiteral("警示：");
const QString NoFileChosen = QStringLiteral("没有指定文件名，或操作被取消！");

// Enter presses the focused button here, as dialogs usually do.
constexpr auto EnterPresses = DialogControls::AutoDefault::Auto;

} // namespace

FrmDataManage::FrmDataManage(Prompts& prompts, QString dbPath, StoreAccess access,
                             QWidget* parent)
    : QDialog(parent), m_prompts(prompts), m_dbPath(std::move(dbPath)), m_access(access) {
    setObjectName(QStringLiteral("FrmDataManage"));
    setWindowTitle(QStringLiteral("数据管理"));
    buildControls();
    ReShow();
    ReadOnlyControls::apply(m_access, {CmdClearAll, CmdDel1, CmdDel2, CmdIn});
}

void FrmDataManage::buildControls() {
    Frame1 = named(new QGroupBox(QStringLiteral("数据库初始化："), this), QStringLiteral("Frame1"));
    CmdClearAll = button(QStringLiteral("CmdClearAll"), QStringLiteral("清空数据库内所有数据"),
                         Frame1, EnterPresses);
    (new QHBoxLayout(Frame1))->addWidget(CmdClearAll);

    Frame2 = named(new QGroupBox(QStringLiteral("删除数据库内指定“编号”的数据："), this),
                   QStringLiteral("Frame2"));
    Combo1 = EditableValueList(QStringLiteral("Combo1"), Frame2);
    CmdDel1 = button(QStringLiteral("CmdDel1"), QStringLiteral("执 行"), Frame2, EnterPresses);
    auto* row2 = new QHBoxLayout(Frame2);
    row2->addWidget(Combo1, 1);
    row2->addWidget(CmdDel1);

    Frame3 = named(new QGroupBox(QStringLiteral("删除数据库内指定“日期时间”的数据："), this),
                   QStringLiteral("Frame3"));
    Combo2 = EditableValueList(QStringLiteral("Combo2"), Frame3);
    CmdDel2 = button(QStringLiteral("CmdDel2"), QStringLiteral("执 行"), Frame3, EnterPresses);
    auto* row3 = new QHBoxLayout(Frame3);
    row3->addWidget(Combo2, 1);
    row3->addWidget(CmdDel2);

    Frame4 = named(new QGroupBox(QStringLiteral("数据导入导出："), this), QStringLiteral("Frame4"));
    CmdOut = button(QStringLiteral("CmdOut"), QStringLiteral("数据备份"), Frame4, EnterPresses);
    CmdIn = button(QStringLiteral("CmdIn"), QStringLiteral("数据追加导入"), Frame4, EnterPresses);
    CmdExit = button(QStringLiteral("CmdExit"), QStringLiteral("退  出"), Frame4, EnterPresses);
    auto* row4 = new QHBoxLayout(Frame4);
    row4->addWidget(CmdOut);
    row4->addWidget(CmdIn);
    row4->addWidget(CmdExit);

    auto* layout = new QVBoxLayout(this);
    for (QGroupBox* f : {Frame1, Frame2, Frame3, Frame4})
        layout->addWidget(f);

    connect(CmdClearAll, &QPushButton::clicked, this, &FrmDataManage::CmdClearAll_Click);
    connect(CmdDel1, &QPushButton::clicked, this, &FrmDataManage::CmdDel1_Click);
    connect(CmdDel2, &QPushButton::clicked, this, &FrmDataManage::CmdDel2_Click);
    connect(CmdOut, &QPushButton::clicked, this, &FrmDataManage::CmdOut_Click);
    connect(CmdIn, &QPushButton::clicked, this, &FrmDataManage::CmdIn_Click);
    connect(CmdExit, &QPushButton::clicked, this, &FrmDataManage::CmdExit_Click);
    // Choosing or typing enables a list's button while its text holds more than blanks.
    const bool mayWrite = !m_access.readOnly;
    const auto follow = [mayWrite](QComboBox* c, QPushButton* b) {
        connect(c, &QComboBox::editTextChanged, b, [b, mayWrite](const QString& text) {
            b->setEnabled(mayWrite && !text.trimmed().isEmpty());
        });
        connect(c, &QComboBox::activated, b, [b, c, mayWrite] {
            b->setEnabled(mayWrite && !c->currentText().trimmed().isEmpty());
        });
    };
    follow(Combo1, CmdDel1);
    follow(Combo2, CmdDel2);
}

void FrmDataManage::ReShow() {
    QStringList numbers;
    QStringList times;
    const StoreResult n = ReadingLists::sensorNumbers(m_dbPath, numbers);
    const StoreResult t = ReadingLists::dateTimes(m_dbPath, times);
    m_listError = !n.ok() ? n : t;
    ShowValues(Combo1, numbers);
    ShowValues(Combo2, times);
    CmdDel1->setEnabled(false);
    CmdDel2->setEnabled(false);
}

bool FrmDataManage::confirm(const QString& text) {
    return m_prompts.message(this, Warn, text, Prompts::Buttons::YesNo, Prompts::Icon::Warning) ==
           Prompts::Answer::Yes;
}

void FrmDataManage::tell(const QString& title, const QString& text) {
    m_prompts.message(this, title, text, Prompts::Buttons::Ok, Prompts::Icon::Information);
}

void FrmDataManage::reportChange(const StoreResult& r, const QString& done) {
    if (!r.ok()) {
        tell(Info, r.message());
        return;
    }
    tell(Info, done);
    ReShow();
}

void FrmDataManage::CmdClearAll_Click() {
    if (!confirm(QStringLiteral("数据库内数据清空后将无法恢复，请确认！")))
        return;
    const StoreResult r = ReadingsMaintenance::clearAll(m_dbPath);
    // The lists keep their entries until the next refill.
    tell(Info, r.ok() ? QStringLiteral("数据库内数据已被清空！") : r.message());
}

void FrmDataManage::CmdDel1_Click() {
    const QString text = Combo1->currentText();
    if (text.trimmed().isEmpty())
        return;
    if (!confirm(QStringLiteral("数据库内指定数据删除后将无法恢复，请确认！")))
        return;
    reportChange(ReadingsMaintenance::deleteSensor(m_dbPath, Val(text)),
                 QStringLiteral("数据库内指定数据已被删除！"));
}

void FrmDataManage::CmdDel2_Click() {
    const QString text = Combo2->currentText();
    if (text.trimmed().isEmpty())
        return;
    if (!confirm(QStringLiteral("数据库内指定数据删除后将无法恢复，请确认！")))
        return;
    reportChange(ReadingsMaintenance::deleteUpload(m_dbPath, text),
                 QStringLiteral("数据库内指定数据已被删除！"));
}

void FrmDataManage::CmdOut_Click() {
    const QString title = Module1::AppTitle;
    QString target;
    for (;;) {
        target = m_prompts.saveFileName(this, QStringLiteral("指定数据备份文件名:"), FileFilter);
        if (target.isEmpty()) {
            tell(title, NoFileChosen);
            return;
        }
        if (!QFileInfo::exists(target))
            break;
        const Prompts::Answer a =
            m_prompts.message(this, title, QStringLiteral("目标文件已经存在,文件被覆盖？"),
                              Prompts::Buttons::YesNoCancel, Prompts::Icon::Question);
        if (a == Prompts::Answer::Yes)
            break;
        if (a == Prompts::Answer::Cancel)
            return;
    }
    const StoreResult r = ReadingsMaintenance::backup(m_dbPath, target);
    // A copy that worked is not announced; one that failed always is.
    if (!r.ok())
        tell(title, r.message());
}

void FrmDataManage::CmdIn_Click() {
    const QString title = Module1::AppTitle;
    const QString file = m_prompts.openFileName(this, QStringLiteral("备份文件名:"), FileFilter);
    if (file.isEmpty()) {
        tell(title, NoFileChosen);
        return;
    }
    const StoreResult r = ReadingsMaintenance::importFrom(m_dbPath, file);
    if (r.ok())
        ReShow();
    tell(title, r.ok() ? QStringLiteral("完成！") : r.message());
}

void FrmDataManage::CmdExit_Click() {
    accept();
}
