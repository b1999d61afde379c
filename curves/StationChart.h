#pragma once

#include "curves/ChartGeometry.h"
#include "curves/SlotTemps.h"
#include "curves/StationRecords.h"
#include "store/StoreResult.h"

// One station's records over one chart's range, read once and painted on any number of
// devices or pages.
struct StationChart {
    qint16 station = 0;
    ChartGeometry geometry;
    // Gaps already filled.
    SlotTemps temps;
    StationRecords found;
    // Why the records could not be read, when they could not.
    StoreResult read;
};
