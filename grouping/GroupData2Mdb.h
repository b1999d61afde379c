#pragma once

#include "store/StoreResult.h"

#include <QString>

// The value of a station record's slot whose sensor has no reading at that date-time, or
// that names no sensor.
inline constexpr int NoReading = 255;

// What a grouping run did.
struct GroupingRun {
    StoreResult result;
    // The upload date-times grouped; 0 when 表1 holds none, and then nothing was changed.
    int uploads = 0;
};

// Rebuilds 测量数据 from 表1 and 分组定义: for every upload date-time, newest first, and
// every group in name order, one record with the values of the group's eight sensors.
//
// The work is done by a few set-based statements in one transaction, so a failure leaves
// the previous records exactly as they were. Where one upload holds a sensor twice (the
// same upload saved twice), the reading stored last wins. Sensor numbers outside 0..1999
// have no slot: their readings are left out and a slot naming one reads NoReading, as an
// empty slot does. "E1" and other texts without a leading number count as 0.
[[nodiscard]] GroupingRun GroupData2Mdb(const QString& dbPath);
