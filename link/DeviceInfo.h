#pragma once

#include <QString>

#include <optional>

// The fields of an information reply. A field whose bytes did not all arrive is empty;
// the power-off time is absent then.
struct DeviceInfo {
    QString serial;
    QString formatState;
    QString uploadTime;
    QString errCorr;
    QString lastAddr;
    std::optional<QString> powerOffMin;

    // Takes on what a later reply says. A reply cut short before the power-off time leaves
    // the one known before: the recorder's setting did not change by the reply getting lost.
    void update(const DeviceInfo& later) {
        std::optional<QString> known = powerOffMin;
        *this = later;
        if (!powerOffMin)
            powerOffMin = std::move(known);
    }
};
