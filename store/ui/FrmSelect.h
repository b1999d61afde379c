#pragma once

#include "store/SelectStatement.h"
#include "store/StoreResult.h"

#include <QDialog>
#include <QString>

#include <array>
#include <optional>

class Prompts;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The custom query dialog: a range of upload date-times, a range of sensor numbers and a
// sort priority, offered from the values in 表1. OK checks the ranges and builds the
// statement.
class FrmSelect : public QDialog {
    Q_OBJECT

public:
    FrmSelect(Prompts& prompts, QString dbPath, QWidget* parent = nullptr);

    // Runs the dialog on the stored values. The statement and its order key ("编号" when
    // sensor numbers sort first, "日期时间" otherwise); nothing when it was cancelled or
    // closed, or when the store could not be opened: then `refused` says why and the
    // dialog was not shown.
    [[nodiscard]] static std::optional<SelectStatement::Result>
    chooseQuery(Prompts& prompts, const QString& dbPath, QWidget* parent, StoreResult& refused);

    // Fill the date and number lists from the database; a failure ends the list where it
    // is and is returned.
    [[nodiscard]] StoreResult FillDateLists();
    [[nodiscard]] StoreResult FillNumberLists();
    // What went wrong while the lists were filled when the dialog was made, if anything.
    [[nodiscard]] const StoreResult& loadError() const { return m_loadError; }

public slots:
    void CmdOK_Click();
    void CmdCancle_Click();

private:
    void buildControls();
    void Combo1_Click();
    void Combo3_Click();

    Prompts& m_prompts;
    QString m_dbPath;
    StoreResult m_loadError;
    SelectStatement::Result m_query;

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    std::array<QRadioButton*, 2> Option1{};
    std::array<QRadioButton*, 2> Option2{};
    std::array<QRadioButton*, 2> Option3{};
    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    QComboBox* Combo3 = nullptr;
    QComboBox* Combo4 = nullptr;
    std::array<QLabel*, 2> Label1{};
    QPushButton* CmdOK = nullptr;
    QPushButton* CmdCancle = nullptr;
};
