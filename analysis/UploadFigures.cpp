#include "analysis/UploadFigures.h"

FigureState UploadFigures::worst() const {
    FigureState state = FigureState::None;
    for (const Figure& f : figures)
        state = FigureStates::worse(state, f.state);
    return state;
}
