#pragma once

#include "reports/DesktopFileLauncher.h"

#include <QDateTime>
#include <QObject>
#include <QString>

class Clock;
class FileLauncher;
class Prompts;
class QTimer;
class QWidget;
class WaitingPanel;

// The thermal-control commands of the main window: the window "温控分析" and the status
// bar's watch over the measuring rounds (time since the last upload, next round due).
class AnalysisController : public QObject {
    Q_OBJECT

signals:
    // The watch's text changed; the main window shows it in its status bar.
    void watchTextChanged(const QString& text);

public:
    // `launcher` opens the written record sheet; the desktop's programs when null.
    AnalysisController(QWidget* parent, Prompts& prompts, Clock& clock, WaitingPanel& waiting,
                       QString databasePath, QString documentsFolder,
                       FileLauncher* launcher = nullptr);

    static inline const QString WaitingText = QStringLiteral("请稍等，正在进行温控分析.....");

    [[nodiscard]] const QString& watchText() const { return m_watchText; }

public slots:
    // "温控分析": reads the pour behind the waiting panel and shows the window modally.
    void MenuAnalysis_Click();
    // Reads the newest upload and the interval again, after uploads were saved or deleted.
    void refreshWatch();

private:
    void showWatch();

    QWidget* m_parent;
    Prompts& m_prompts;
    Clock& m_clock;
    WaitingPanel& m_waiting;
    QString m_databasePath;
    QString m_documentsFolder;
    DesktopFileLauncher m_desktop;
    FileLauncher& m_launcher;
    QTimer* m_minute = nullptr;
    QDateTime m_lastUpload;
    double m_intervalHours = 6.0;
    QString m_watchText;
    // The window serves events while the pour is read; a second command waits for it.
    bool m_busy = false;
};
