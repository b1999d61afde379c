#pragma once

#include "store/StoreResult.h"

class ChartGeometry;
class SlotTemps;

// Reads one station's records of the chart's date range from table 测量数据 into the slot
// table, oldest first, so that of two records in one slot the later one wins.
struct StationRecords {
    // The slot of the newest record read; 0 when the range holds no usable record.
    int lastSlot = 0;

    [[nodiscard]] static StoreResult Read(const QString& databasePath, qint16 station,
                                          const ChartGeometry& geometry, SlotTemps& temps,
                                          StationRecords& found);
};
