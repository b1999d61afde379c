#include "analysis/StationSeries.h"

#include <algorithm>
#include <array>

namespace analysis {

int StationSeries::latest() const {
    for (int i = static_cast<int>(uploads.size()) - 1; i >= 0; --i)
        if (uploads[i].read())
            return i;
    return -1;
}

FigureState StationSeries::standing() const {
    FigureState state = FigureState::None;
    std::array<bool, FigureCount> found{};
    for (int i = std::min(latest(), judged - 1); i >= 0; --i)
        for (std::size_t f = 0; f < found.size(); ++f) {
            const Figure& figure = uploads[i].figures[f];
            if (found[f] || !figure.has())
                continue;
            found[f] = true;
            state = FigureStates::worse(state, figure.state);
        }
    return state;
}

} // namespace analysis
