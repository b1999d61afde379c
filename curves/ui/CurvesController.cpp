#include "curves/ui/CurvesController.h"

#include "common/Prompts.h"
#include "curves/ui/frmWenduQuxian.h"

#include <QWidget>

CurvesController::CurvesController(QWidget* parent, Prompts& prompts, Clock& clock,
                                   QString databasePath)
    : QObject(parent), m_parent(parent), m_prompts(prompts), m_clock(clock),
      m_chart(std::move(databasePath)) {}

void CurvesController::MenuDraw_Click() {
    frmWenduQuxian window(m_chart, m_prompts, m_clock, m_parent);
    m_prompts.runDialog(window);
}
