#pragma once

#include "store/StoreResult.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <vector>

namespace analysis {

class PourReadings;

// Reads the rows of 表1 once, in stored order, into the uploads and their temperatures,
// from a file or a server alike.
namespace PourReadingsLoader {

// The readings a pour reads: its own sensors', from its placing on. The other sensors in
// those uploads are only marked as listed.
struct Selection {
    // Whether each sensor's readings are kept, by number; empty keeps every sensor's.
    std::vector<bool> sensors;
    // Invalid for every upload.
    QDateTime from;
};

// Told the number of rows read so far, now and then, so a window can keep itself alive.
using Progress = std::function<void(qint64 rows)>;

[[nodiscard]] StoreResult load(const QString& dbPath, const Selection& selection,
                               PourReadings& out, const Progress& progress = {});

} // namespace PourReadingsLoader

} // namespace analysis
