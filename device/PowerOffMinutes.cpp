#include "device/PowerOffMinutes.h"

#include "common/NumberText.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int Fewest = 1;
constexpr int Most = 240;
} // namespace

QString PowerOffMinutesTyped(const QString& text) {
    QString out = text;
    if (Val(out) <= Fewest)
        out = QString::number(Fewest);
    if (Val(out) > Most)
        out = QString::number(Most);
    return out;
}

int PowerOffMinutesToSend(const QString& text) {
    const double held = std::clamp(Val(text), double(Fewest), double(Most));
    return static_cast<int>(std::lround(held));
}
