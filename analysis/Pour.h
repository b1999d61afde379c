#pragma once

#include "analysis/PourSettings.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace analysis {

// One pour of the project: its data and settings, and its stations by name. A station
// belongs to at most one pour. The id is the key the pour is stored under, which other
// tables name it by; 0 for a pour not stored yet.
struct Pour {
    int id = 0;
    PourSettings settings;
    QStringList stations;

    // Its name, or "未命名" for a pour without one.
    [[nodiscard]] QString title() const {
        return settings.name.isEmpty() ? QStringLiteral("未命名") : settings.name;
    }

    // The pour of that id; null when none has it.
    [[nodiscard]] static const Pour* find(const QVector<Pour>& pours, int id) {
        for (const Pour& pour : pours)
            if (pour.id == id)
                return &pour;
        return nullptr;
    }
};

} // namespace analysis
