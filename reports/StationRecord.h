#pragma once

#include <QString>

#include <array>

// One row of the station records as the report reads it: every field as text, a missing
// one empty.
struct StationRecord {
    QString myid;
    QString station;
    std::array<QString, 8> t;

    // myid's fourteen digits as "yyyy-mm-dd hh:nn:ss".
    [[nodiscard]] QString timeText() const;
};
