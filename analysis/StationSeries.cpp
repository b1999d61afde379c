#include "StationSeries.h"

FigureState UploadFigures::worst() const {
    FigureState state = FigureState::None;
    for (const Figure& f : figures)
        state = FigureStates::worse(state, f.state);
    return state;
}

int StationSeries::latest() const {
    for (int i = static_cast<int>(uploads.size()) - 1; i >= 0; --i)
        if (uploads[i].read())
            return i;
    return -1;
}
