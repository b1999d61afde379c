#pragma once

#include "common/StoreAccess.h"

#include "analysis/PourSettings.h"

#include <QDialog>

class ChartPicture;
class Prompts;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// "配合比与强度": the pour's mix for the strength by maturity: its name, design strength,
// datum and reference temperature, activation energy, the lab's curing temperature and lab
// results (age and strength, one row each, empty rows left out), and the stripping target.
// The fitted curve is drawn over the results as they are typed. An entry that is no
// number is named and the dialog stays open; results the curve cannot use are named
// and kept only when the user says so, since the missing ones may come from the lab later.
class FrmMix : public QDialog {
    Q_OBJECT

public:
    FrmMix(Prompts& prompts, const StoreAccess& access, const analysis::PourSettings& pour, QWidget* parent = nullptr);

    // The settings with the entries, once accepted.
    [[nodiscard]] const analysis::PourSettings& settings() const { return m_pour; }

public slots:
    void cmdOK_Click();
    void cmdAddRow_Click();

private:
    [[nodiscard]] QWidget* buildTable(const analysis::Mix& mix);
    void selectTarget(double share);
    // The entries as a mix; the reason when one is no number.
    [[nodiscard]] QString read(analysis::Mix& out) const;
    [[nodiscard]] QString readPairs(analysis::Mix& out) const;
    void drawFit();

    Prompts& m_prompts;
    analysis::PourSettings m_pour;
    QLineEdit* txtMixName = nullptr;
    QLineEdit* txtDesign = nullptr;
    QLineEdit* txtDatum = nullptr;
    QLineEdit* txtEnergy = nullptr;
    QLineEdit* txtReference = nullptr;
    QLineEdit* txtCuring = nullptr;
    QComboBox* cboTarget = nullptr;
    QTableWidget* tblPairs = nullptr;
    QPushButton* cmdAddRow = nullptr;
    QLabel* lblFit = nullptr;
    ChartPicture* picFit = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* CmdCancle = nullptr;
};
