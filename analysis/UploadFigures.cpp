#include "analysis/UploadFigures.h"

namespace analysis {

FigureState UploadFigures::worst() const {
    FigureState state = FigureState::None;
    for (const Figure& f : figures)
        state = FigureStates::worse(state, f.state);
    return state;
}

} // namespace analysis
