#pragma once

#include "analysis/StationSeries.h"

namespace analysis {

class PourReadings;
struct LimitSet;
struct PourSettings;
struct Station;

// Works out a station's figures at every upload from its slots' readings, and judges
// each against the limit set:
// - maximum: the hottest slot; core: the hottest interior slot; surface and bottom: their
//   slots; air: the pour's air sensor;
// - core minus surface, core minus bottom, and the rise over the placing temperature;
// - the cooling rate: the largest 24-hour fall of any interior slot;
// - surface minus air, judged only from the insulation's removal on.
// A figure whose parts are missing is empty; an empty figure has no state, and neither has
// one after the end of monitoring.
namespace FigureCalculator {

[[nodiscard]] StationSeries compute(const Station& station, const PourReadings& readings,
                                    const PourSettings& pour, const LimitSet& limits);

} // namespace FigureCalculator

} // namespace analysis
