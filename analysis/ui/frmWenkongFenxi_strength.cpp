// The analysis window's strength by maturity: the mix of the pour and where its estimates show.
#include "analysis/ui/frmWenkongFenxi.h"

#include "analysis/StrengthChart.h"
#include "analysis/ui/FrmMix.h"
#include "analysis/ui/StationTableModel.h"
#include "common/Prompts.h"

#include <QTableView>

using namespace analysis;

void frmWenkongFenxi::cmdMix_Click() {
    if (!havePour())
        return;
    FrmMix dialog(m_prompts, m_access, m_inputs.pour.settings, this);
    saveShown(m_prompts.runDialog(dialog), dialog.settings());
}

void frmWenkongFenxi::showStrengthColumns() {
    const bool estimated = m_result.strength->calibration.usable();
    for (int column : {StationTableModel::Strength, StationTableModel::Share, StationTableModel::Forecast})
        tblStations->setColumnHidden(column, !estimated);
}

void frmWenkongFenxi::drawStrength() {
    drawWide(picStrength, scrStrength, StrengthChart::PreferredHeight, [this](QPainter& painter, const QRect& box) {
        StrengthChart(m_result, m_station).draw(painter, box);
    });
}
