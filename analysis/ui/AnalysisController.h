#pragma once

#include "analysis/Pour.h"
#include "common/StoreAccess.h"
#include "reports/DesktopFileLauncher.h"

#include <QDateTime>
#include <QObject>
#include <QString>

class Clock;
class FileLauncher;
class LongWork;
class Prompts;
class QTimer;
class QWidget;
class WaitingPanel;

// The thermal-control commands of the main window: the window "温控分析" and the status
// bar's watch over the measuring rounds of the pour due first (time since the last upload,
// next round due). The pour is read as long work; while any runs, "温控分析" is refused.
// The window opens on the pour it showed last, or else on the pour due first.
class AnalysisController : public QObject {
    Q_OBJECT

signals:
    // The watch's text changed; the main window shows it in its status bar.
    void watchTextChanged(const QString& text);

public:
    // `launcher` opens the written record sheet; the desktop's programs when null.
    AnalysisController(QWidget* parent, Prompts& prompts, Clock& clock, LongWork& work,
                       WaitingPanel& waiting, QString databasePath, StoreAccess access,
                       QString documentsFolder, FileLauncher* launcher = nullptr);

    static inline const QString WaitingText = QStringLiteral("请稍等，正在进行温控分析.....");

    [[nodiscard]] const QString& watchText() const { return m_watchText; }

public slots:
    // "温控分析": reads the pour behind the waiting panel and shows the window modally.
    void MenuAnalysis_Click();
    // Reads the newest upload and the pours again, after uploads were saved or deleted.
    void refreshWatch();

private:
    void showWatch();
    struct Read;
    void showAnalysis(Read read);

    QWidget* m_parent;
    Prompts& m_prompts;
    Clock& m_clock;
    LongWork& m_work;
    WaitingPanel& m_waiting;
    QString m_databasePath;
    StoreAccess m_access;
    QString m_documentsFolder;
    DesktopFileLauncher m_desktop;
    FileLauncher& m_launcher;
    QTimer* m_minute = nullptr;
    QDateTime m_lastUpload;
    QVector<analysis::Pour> m_pours;
    int m_pourShown = 0;
    QString m_watchText;
};
