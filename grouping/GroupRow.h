#pragma once

#include <QString>

#include <array>

// One station as the definitions hold it: its name (组名) and the texts of its eight sensor
// slots, each a sensor number or empty text for an empty slot.
struct GroupRow {
    static constexpr int Slots = 8;

    QString name;
    std::array<QString, Slots> sensors;

    friend bool operator==(const GroupRow& a, const GroupRow& b) {
        return a.name == b.name && a.sensors == b.sensors;
    }
};
