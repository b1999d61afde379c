#include "update/ui/UpdateController.h"

#include "common/Prompts.h"
#include "common/Version.h"
#include "update/UpdateCheck.h"
#include "update/ui/FrmUpdate.h"

#include <QWidget>

UpdateController::UpdateController(QWidget* parent, Prompts& prompts, Clock& clock,
                                   UpdatePlace place, std::function<void()> endProgram,
                                   QStringList signingKeys)
    : QObject(parent), m_parent(parent), m_prompts(prompts), m_clock(clock),
      m_place(std::move(place)), m_endProgram(std::move(endProgram)),
      m_signingKeys(std::move(signingKeys)) {}

void UpdateController::menu_Update_Click() {
    UpdateCheck check({UpdateSources::FromEnvironment(),
                       QVersionNumber(Version::Major, Version::Minor, Version::Revision), m_place,
                       m_signingKeys, m_endProgram},
                      m_clock);
    FrmUpdate form(check, m_prompts, m_parent);
    m_prompts.runDialog(form);
}
