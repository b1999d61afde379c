#pragma once

#include "common/StoreAccess.h"

#include "analysis/LimitSet.h"
#include "analysis/PourSettings.h"

#include <QDialog>
#include <QVector>
#include <array>

class Prompts;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// "限值组": the built-in and the users' own limit sets; the users' sets are made, changed
// and deleted here, and OK answers with the chosen set and the warning share for the pour. A limit
// that is not a positive number is refused with its name.
class FrmLimitSets : public QDialog {
    Q_OBJECT

public:
    FrmLimitSets(Prompts& prompts, const StoreAccess& access, QString dbPath, const analysis::PourSettings& pour,
                 const QVector<analysis::LimitSet>& custom, QWidget* parent = nullptr);

    // The settings with the chosen set and warning share, once accepted.
    [[nodiscard]] const analysis::PourSettings& settings() const { return m_pour; }

    QListWidget* lstSets = nullptr;
    QLineEdit* txtSetName = nullptr;
    std::array<QLineEdit*, analysis::LimitCount> txtLimit{};
    QPushButton* cmdNew = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdDelete = nullptr;
    QComboBox* cboActive = nullptr;
    QLineEdit* txtShare = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* CmdCancle = nullptr;

public slots:
    void lstSets_Click();
    void cmdNew_Click();
    void cmdSave_Click();
    void cmdDelete_Click();
    void cmdOK_Click();

private:
    [[nodiscard]] QWidget* buildEditor();
    void fillLists(const QString& select);
    [[nodiscard]] const analysis::LimitSet* chosen() const;
    void warn(const QString& text);

    Prompts& m_prompts;
    QString m_dbPath;
    analysis::PourSettings m_pour;
    QVector<analysis::LimitSet> m_custom;
};
