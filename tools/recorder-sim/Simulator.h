#pragma once

#include "FrameScanner.h"
#include "Recorder.h"
#include "SimOptions.h"

#include <QObject>

class PtyLink;

// Joins the pieces: frames found in what the link receives go to the recorder, the
// state is saved when it changed, and the reply goes back shaped by the fault options.
class Simulator : public QObject {
    Q_OBJECT

public:
    Simulator(const SimOptions& options, const Recorder& recorder, PtyLink* link,
              QObject* parent = nullptr);

private:
    void onReceived(const QByteArray& bytes);
    void answer(const QByteArray& frame);
    [[nodiscard]] QByteArray shaped(const QByteArray& reply);

    SimOptions m_options;
    Recorder m_recorder;
    PtyLink* m_link;
    FrameScanner m_scanner;
    quint64 m_noiseState;
};

// One line on standard error.
void logLine(const QString& text);
