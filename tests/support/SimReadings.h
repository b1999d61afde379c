#pragma once

#include <QFile>
#include <QString>

// The simulated recorder's reading of a channel at an upload (0, 1, ...): a few whole
// degrees apart per channel, a tenth that never rounds up, and 25 degrees warmer at each
// later upload.
inline double simReading(int channel, int upload) {
    return 20 + channel % 37 + (channel % 5) / 10.0 + 25 * upload;
}

// Writes the readings of channels 1..999 at an upload as the simulator's readings file;
// the path, or empty when the file cannot be written.
inline QString writeSimReadings(const QString& path, int upload) {
    QFile csv(path);
    if (!csv.open(QIODevice::WriteOnly | QIODevice::Text))
        return {};
    for (int n = 1; n <= 999; ++n)
        csv.write(
            QStringLiteral("%1,%2\n").arg(n).arg(simReading(n, upload), 0, 'f', 1).toLatin1());
    return path;
}
