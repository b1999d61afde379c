#pragma once

#include <QDateTime>
#include <QVector>

// The whole-degree temperatures of one draw: sensors 1..8 by half-hour slot 1..slotCount.
// Slot n covers the half hour that ends n x 30 minutes after the start date's midnight.
class SlotTemps {
public:
    static constexpr int Sensors = 8;
    // A cell no record has fallen into yet.
    static constexpr qint16 Empty = 200;

    explicit SlotTemps(int slotCount);

    [[nodiscard]] int slotCount() const { return m_slotCount; }

    // The slot a record stamped `when` falls into: its time rounded up to the next half
    // hour. A record stamped exactly at the start's midnight counts into slot 1. 0 when the
    // time lies before the start or after the last slot.
    [[nodiscard]] int slotOf(const QDateTime& start, const QDateTime& when) const;

    // Stores a reading rounded to a whole degree (halves to even); anything at or below -20
    // or at or above 130, the missing-reading mark 255 among them, is kept as 0 so it
    // plots on the zero line.
    void store(int sensor, int slot, double value);

    // Empty cells take the value of the slot before them (0 in slot 1), so a curve holds
    // its last known value across slots without records.
    void fillGaps();

    [[nodiscard]] qint16 at(int sensor, int slot) const;

private:
    [[nodiscard]] int index(int sensor, int slot) const;

    int m_slotCount;
    QVector<qint16> m_cells;
};
