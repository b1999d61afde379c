#pragma once

#include "analysis/UploadFigures.h"

#include <QVector>

#include <optional>

namespace analysis {

// A station's figures at every upload, in time order, and the placing temperature its rise
// is built on.
struct StationSeries {
    QVector<UploadFigures> uploads;
    std::optional<double> placingTemperature;
    // The placing temperature was not entered: the station's first core reading stands in.
    bool placingAssumed = false;
    // The uploads up to the end of monitoring, which are judged; the later ones are shown
    // without a state.
    int judged = 0;

    // The last upload at which the station had a temperature; -1 when it never had one.
    [[nodiscard]] int latest() const;
    // Where the station stands: the worst of each figure's state at the last judged upload
    // where the figure had a value, so a reading missing at the latest upload does not hide
    // what the readings before it showed.
    [[nodiscard]] FigureState standing() const;
};

} // namespace analysis
