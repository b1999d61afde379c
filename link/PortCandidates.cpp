#include "link/PortCandidates.h"

#include "common/NumberText.h"

#include <QStringList>

#include <cmath>

QList<quint8> CandidatePorts(const QString& listing) {
    const QStringList pieces = listing.toUpper().split(QStringLiteral("COM"));
    QList<quint8> ports;
    // The first piece is what precedes the first "COM"; it names no port.
    for (qsizetype i = pieces.size() - 1; i >= 1; --i) {
        const double number = Val(pieces[i]);
        if (!(number >= 0.5 && number < 255.5))
            continue;
        ports.append(static_cast<quint8>(std::lround(number)));
    }
    return ports;
}
