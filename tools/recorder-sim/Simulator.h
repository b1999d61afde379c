#pragma once

#include "tools/recorder-sim/FrameScanner.h"
#include "tools/recorder-sim/Recorder.h"
#include "tools/recorder-sim/SimOptions.h"

#include <QObject>

class PtyLink;

// The readings the options ask for when they come from no file: curing curves of that age.
[[nodiscard]] ReadingTable generatedReadings(const SimOptions& options, double ageHours);

// Joins the pieces: frames found in what the link receives go to the recorder, the
// state is saved when it changed, and the reply goes back shaped by the fault options.
class Simulator : public QObject {
    Q_OBJECT

public:
    // Hours a request for the next round moves the generated curves on.
    static constexpr double RoundHours = 6.0;

    Simulator(const SimOptions& options, const Recorder& recorder, PtyLink* link,
              QObject* parent = nullptr);

    // The next measuring round: the generated curves move RoundHours on. Readings loaded
    // from a file stay as they are.
    void advance();

private:
    void onReceived(const QByteArray& bytes);
    void answer(const QByteArray& frame);
    [[nodiscard]] QByteArray shaped(const QByteArray& reply);

    SimOptions m_options;
    Recorder m_recorder;
    PtyLink* m_link;
    FrameScanner m_scanner;
    quint64 m_noiseState;
    double m_ageHours;
};

// One line on standard error.
void logLine(const QString& text);
