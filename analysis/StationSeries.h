#pragma once

#include "Figure.h"
#include "FigureKind.h"

#include <QVector>

#include <array>
#include <optional>

// The figures of one station at one upload.
struct UploadFigures {
    std::array<Figure, FigureCount> figures{};

    [[nodiscard]] const Figure& operator[](FigureKind kind) const {
        return figures[static_cast<std::size_t>(kind)];
    }
    [[nodiscard]] Figure& operator[](FigureKind kind) {
        return figures[static_cast<std::size_t>(kind)];
    }
    // The worst state of any figure.
    [[nodiscard]] FigureState worst() const;
    // Some slot of the station had a temperature.
    [[nodiscard]] bool read() const { return (*this)[FigureKind::MaxTemperature].has(); }
};

// A station's figures at every upload, in time order, and the placing temperature its rise
// is built on.
struct StationSeries {
    QVector<UploadFigures> uploads;
    std::optional<double> placingTemperature;
    // The placing temperature was not entered: the station's first core reading stands in.
    bool placingAssumed = false;

    // The last upload at which the station had a temperature; -1 when it never had one.
    [[nodiscard]] int latest() const;
};
