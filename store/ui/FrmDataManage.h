#pragma once

#include "common/StoreAccess.h"
#include "store/StoreResult.h"

#include <QDialog>
#include <QString>

class Prompts;
class QComboBox;
class QGroupBox;
class QPushButton;

// Maintenance of the raw readings: empty the table, delete one sensor's or one upload's
// readings, back the database file up, and append the readings of a backup file.
class FrmDataManage : public QDialog {
    Q_OBJECT

public:
    FrmDataManage(Prompts& prompts, QString dbPath, StoreAccess access = {},
                  QWidget* parent = nullptr);

    // Refills both lists from the database and disables both delete buttons. A failure
    // ends a list where it is and is kept in listError().
    void ReShow();
    [[nodiscard]] const StoreResult& listError() const { return m_listError; }

    // The file chooser's filter: backups are database files like the program's own.
    static inline const QString FileFilter = QStringLiteral("*.mdb (*.mdb)");

public slots:
    void CmdClearAll_Click();
    void CmdDel1_Click();
    void CmdDel2_Click();
    void CmdOut_Click();
    void CmdIn_Click();
    void CmdExit_Click();

private:
    void buildControls();
    [[nodiscard]] bool confirm(const QString& text);
    void tell(const QString& title, const QString& text);
    // After a change: the lists again, or the failure in a message.
    void reportChange(const StoreResult& r, const QString& done);

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QPushButton* CmdClearAll = nullptr;
    QComboBox* Combo1 = nullptr;
    QPushButton* CmdDel1 = nullptr;
    QComboBox* Combo2 = nullptr;
    QPushButton* CmdDel2 = nullptr;
    QPushButton* CmdOut = nullptr;
    QPushButton* CmdIn = nullptr;
    QPushButton* CmdExit = nullptr;

    Prompts& m_prompts;
    QString m_dbPath;
    StoreAccess m_access;
    StoreResult m_listError;
};
