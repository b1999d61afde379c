#pragma once

#include "analysis/Figure.h"
#include "analysis/FigureKind.h"

#include <array>

namespace analysis {

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

} // namespace analysis
