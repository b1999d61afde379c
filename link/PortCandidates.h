#pragma once

#include <QList>
#include <QString>

// The COM numbers to probe, in probing order, from a port listing with lines such as
// "\Device\Serial0=COM1". The listing is read without regard to case and split at every
// "COM"; each piece after a split starts with a port number. The port listed last is
// tried first. Numbers that are 0 or do not fit a byte (above 255) name no usable port
// and are skipped.
[[nodiscard]] QList<quint8> CandidatePorts(const QString& listing);
