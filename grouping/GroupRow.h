#pragma once

#include <QString>
#include <QStringList>

#include <array>

// One station as the definitions hold it: its name (组名) and the texts of its eight sensor
// slots, each a sensor number or empty text for an empty slot.
struct GroupRow {
    static constexpr int Slots = 8;

    QString name;
    std::array<QString, Slots> sensors;

    // A station of the given sensor texts, slot by slot; slots past the eighth are dropped.
    [[nodiscard]] static GroupRow of(const QString& name, const QStringList& sensorTexts) {
        GroupRow row;
        row.name = name;
        for (int k = 0; k < sensorTexts.size() && k < Slots; ++k)
            row.sensors[static_cast<std::size_t>(k)] = sensorTexts[k];
        return row;
    }

    friend bool operator==(const GroupRow& a, const GroupRow& b) {
        return a.name == b.name && a.sensors == b.sensors;
    }
};
