// The analysis window's pours: choosing one, making, editing and deleting pours, giving
// them their stations, and reading the chosen one again after any of these.
#include "analysis/ui/frmWenkongFenxi.h"

#include "analysis/PourAnalysis.h"
#include "analysis/PourStore.h"
#include "analysis/ReadingTime.h"
#include "analysis/ui/FrmPourData.h"
#include "analysis/ui/FrmPourStations.h"
#include "common/Clock.h"
#include "common/LongWork.h"
#include "common/Prompts.h"

#include <QComboBox>
#include <QPushButton>

#include <algorithm>

using namespace analysis;

// The settings and the chosen pour as read on the long-work thread, and how the reading went.
struct frmWenkongFenxi::Loaded {
    AnalysisInputs inputs;
    StoreResult result;
    // The pour asked for is gone; the first pour is shown instead.
    bool gone = false;
};

void frmWenkongFenxi::reload(int pourId, bool tellGone) {
    const bool started = m_work.start<Loaded>(
        this,
        [dbPath = m_databasePath, pourId, tellGone](const LongWork::Report&) {
            Loaded read;
            read.inputs.pour.id = pourId;
            read.result = read.inputs.loadSettings(dbPath);
            read.gone = tellGone && pourId != 0 && read.inputs.pour.id != pourId;
            if (read.result.ok())
                read.result = read.inputs.loadReadings(dbPath);
            if (read.result.ok())
                PourAnalysis::countStrength(read.inputs);
            return read;
        },
        {}, [this](const Loaded& read) { loaded(read); });
    if (started)
        setCursor(Qt::WaitCursor);
}

void frmWenkongFenxi::loaded(const Loaded& read) {
    unsetCursor();
    if (!read.result.ok())
        return warn(read.result.message());
    m_inputs = read.inputs;
    fillPours();
    recompute();
    if (read.gone)
        warn(QStringLiteral("所选浇筑已不存在（可能已在另一台计算机上删除）。") +
             (m_inputs.pours.isEmpty() ? QString()
                                       : QStringLiteral("现在显示浇筑“%1”。").arg(m_inputs.pour.title())));
}

void frmWenkongFenxi::fillPours() {
    cboPour->clear();
    for (const Pour& pour : m_inputs.pours) {
        const bool shared = std::count_if(m_inputs.pours.cbegin(), m_inputs.pours.cend(), [&pour](const Pour& p) {
                                return p.title() == pour.title();
                            }) > 1;
        cboPour->addItem(shared ? QStringLiteral("%1（编号%2）").arg(pour.title()).arg(pour.id) : pour.title(),
                         pour.id);
    }
    cboPour->setCurrentIndex(cboPour->findData(m_inputs.pour.id));
    for (QPushButton* b : {cmdPour, cmdDeletePour, cmdAssign})
        b->setEnabled(!m_inputs.pours.isEmpty());
}

bool frmWenkongFenxi::havePour() {
    if (m_inputs.pours.isEmpty())
        warn(QStringLiteral("尚未建立浇筑，请先点“新建浇筑”。"));
    return !m_inputs.pours.isEmpty();
}

void frmWenkongFenxi::savePour(Pour pour) {
    const int shown = m_inputs.pour.id;
    const StoreResult r = PourStore::save(m_databasePath, pour);
    if (!r.ok())
        warn(r.message());
    reload(r.ok() ? pour.id : shown, r.ok());
}

void frmWenkongFenxi::saveShown(int dialogResult, const PourSettings& settings) {
    if (dialogResult != QDialog::Accepted)
        return;
    Pour pour = m_inputs.pour;
    pour.settings = settings;
    savePour(pour);
}

void frmWenkongFenxi::cboPour_Click() {
    const int id = cboPour->currentData().toInt();
    if (id != m_inputs.pour.id)
        reload(id);
}

void frmWenkongFenxi::cmdNewPour_Click() {
    // A new pour of the project mostly keeps the project's header and rules.
    Pour pour;
    const PourSettings& shown = m_inputs.pour.settings;
    pour.settings.project = shown.project;
    pour.settings.contractor = shown.contractor;
    pour.settings.limitSetName = shown.limitSetName;
    pour.settings.warningShare = shown.warningShare;
    pour.settings.intervalHours = shown.intervalHours;
    pour.settings.jumpLimit = shown.jumpLimit;
    FrmPourData dialog(m_prompts, m_access, pour, m_inputs.pours, ReadingTime::wallClock(m_clock.now()), this);
    if (m_prompts.runDialog(dialog) != QDialog::Accepted)
        return;
    pour.settings = dialog.settings();
    savePour(pour);
}

void frmWenkongFenxi::cmdPour_Click() {
    if (!havePour())
        return;
    FrmPourData dialog(m_prompts, m_access, m_inputs.pour, m_inputs.pours, ReadingTime::wallClock(m_clock.now()), this);
    saveShown(m_prompts.runDialog(dialog), dialog.settings());
}

void frmWenkongFenxi::cmdDeletePour_Click() {
    if (!havePour())
        return;
    const QString question =
        QStringLiteral("确定删除浇筑“%1”吗？\n只删除这个浇筑的资料和站点分配，它的站点变为“未分配”；"
                       "读数、分组定义和测量数据都保留。")
            .arg(m_inputs.pour.title());
    if (m_prompts.message(this, QStringLiteral("删除浇筑："), question, Prompts::Buttons::YesNo,
                          Prompts::Icon::Question) != Prompts::Answer::Yes)
        return;
    const StoreResult r = PourStore::remove(m_databasePath, m_inputs.pour.id);
    if (!r.ok())
        warn(r.message());
    reload(0);
}

void frmWenkongFenxi::cmdAssign_Click() {
    if (!havePour())
        return;
    if (m_inputs.groups.isEmpty())
        return warn(QStringLiteral("尚未定义分组，请先在“分组定义”中定义站点。"));
    FrmPourStations dialog(m_prompts, m_access, m_inputs.pour, m_inputs.pours, m_inputs.groups, this);
    if (m_prompts.runDialog(dialog) != QDialog::Accepted)
        return;
    const StoreResult r = PourStore::assign(m_databasePath, m_inputs.pour.id, dialog.stations());
    if (!r.ok())
        warn(r.message());
    reload(m_inputs.pour.id, r.ok());
}
