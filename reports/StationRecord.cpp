#include "reports/StationRecord.h"

QString StationRecord::timeText() const {
    return myid.mid(0, 4) + QLatin1Char('-') + myid.mid(4, 2) + QLatin1Char('-') + myid.mid(6, 2) +
           QLatin1Char(' ') + myid.mid(8, 2) + QLatin1Char(':') + myid.mid(10, 2) +
           QLatin1Char(':') + myid.mid(12, 2);
}
