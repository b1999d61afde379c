// The analysis window's strength by maturity: the mix of the pour.
#include "analysis/ui/frmWenkongFenxi.h"

#include "analysis/ui/FrmMix.h"
#include "common/Prompts.h"

using namespace analysis;

void frmWenkongFenxi::cmdMix_Click() {
    if (!havePour())
        return;
    FrmMix dialog(m_prompts, m_inputs.pour.settings, this);
    saveShown(m_prompts.runDialog(dialog), dialog.settings());
}
