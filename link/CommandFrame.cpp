#include "link/CommandFrame.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>

quint8 ToFrameByte(double value) {
    if (std::isnan(value))
        return 0;
    const double held = std::clamp(value, 0.0, 255.0);
    return static_cast<quint8>(std::lround(held));
}

QByteArray BuildCommandFrame(int code, const QDateTime& at, const FrameArgs& args) {
    const QDate date = at.date();
    const QTime time = at.time();
    std::array<double, 10> values = {};
    const std::array<int, 10> plain = {
        0xF0,         0xF1,       0xF2,        code,          date.year() % 100,
        date.month(), date.day(), time.hour(), time.minute(), time.second()};
    std::copy(plain.begin(), plain.end(), values.begin());
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i])
            values[4 + i] = *args[i];
    }
    QByteArray frame;
    frame.reserve(static_cast<int>(values.size()));
    for (double v : values)
        frame.append(static_cast<char>(ToFrameByte(v)));
    return frame;
}
