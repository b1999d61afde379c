#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class ModalShooter;
class frmMain;

// One walk through the program as a site engineer takes it, with a picture of every
// window on the way. Each stop is one entry of the table in stops(): a window added to
// the program gets its picture by adding a stop.
class Tour {
public:
    // `recorders` are the terminals of simulated recorders, one per upload, in order;
    // `uploadTimes` the date-times the uploads are saved under.
    Tour(ModalShooter& shooter, frmMain& window, QStringList recorders,
         std::vector<QDateTime> uploadTimes);

    struct Stop {
        QString name;
        std::function<void(Tour&)> run;
    };

    [[nodiscard]] static const std::vector<Stop>& stops();

    // Walks every stop in turn. False when a stop could not be reached.
    [[nodiscard]] bool walk();
    // The walk of one of several copies sharing a database server: its own uploads, then
    // the others' once `uploads` are stored in all, the grouping and the curves.
    [[nodiscard]] bool walkShared(int uploads);

private:
    [[nodiscard]] bool walk(const std::vector<Stop>& stops);
    void waitForUploads(int count);
    void trigger(const char* controlName);
    void shootMain(const QString& name);
    void connectTo(const QString& recorder, const QString& shotSuffix);
    void uploadAndSave(const QDateTime& when, const QString& shotSuffix);
    // Device commands run on as the recorder answers; the next stop waits for their end.
    void waitForTheRecorder();
    void expectRegrouping();

    // The stops.
    void uploads();
    void views();
    void customQuery();
    void maintenance();
    void databaseSettings();
    void groups();
    void curves();
    void report();
    void analysis();
    void powerOffTime();
    void factorySequence();
    void about();
    void update();

    ModalShooter& m_shooter;
    frmMain& m_window;
    QStringList m_recorders;
    std::vector<QDateTime> m_uploadTimes;
    bool m_ok = true;
};
