#pragma once

#include "store/StoreResult.h"

#include <QString>

#include <functional>

namespace analysis {

class PourReadings;

// Reads every row of 表1 once, in stored order, into the uploads and their temperatures,
// from a file or a server alike.
namespace PourReadingsLoader {

// Told the number of rows read so far, now and then, so a window can keep itself alive.
using Progress = std::function<void(qint64 rows)>;

[[nodiscard]] StoreResult load(const QString& dbPath, PourReadings& out,
                               const Progress& progress = {});

} // namespace PourReadingsLoader

} // namespace analysis
