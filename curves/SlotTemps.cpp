#include "curves/SlotTemps.h"

#include <cmath>

SlotTemps::SlotTemps(int slotCount) : m_slotCount(slotCount), m_cells(Sensors * slotCount, Empty) {}

int SlotTemps::index(int sensor, int slot) const {
    return (sensor - 1) * m_slotCount + (slot - 1);
}

int SlotTemps::slotOf(const QDateTime& start, const QDateTime& when) const {
    const qint64 seconds = start.secsTo(when);
    if (seconds < 0)
        return 0;
    const qint64 minutes = seconds / 60;
    const qint64 slot = minutes == 0 ? 1 : (minutes + 29) / 30;
    return slot <= m_slotCount ? static_cast<int>(slot) : 0;
}

void SlotTemps::store(int sensor, int slot, double value) {
    const double degrees = std::nearbyint(value);
    m_cells[index(sensor, slot)] =
        degrees <= -20 || degrees >= 130 ? qint16(0) : static_cast<qint16>(degrees);
}

void SlotTemps::fillGaps() {
    for (int sensor = 1; sensor <= Sensors; ++sensor) {
        qint16 previous = 0;
        for (int slot = 1; slot <= m_slotCount; ++slot) {
            qint16& cell = m_cells[index(sensor, slot)];
            if (cell == Empty)
                cell = previous;
            previous = cell;
        }
    }
}

qint16 SlotTemps::at(int sensor, int slot) const {
    return m_cells[index(sensor, slot)];
}
