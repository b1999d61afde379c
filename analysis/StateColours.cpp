#include "analysis/StateColours.h"

namespace analysis {

QColor StateColours::text(FigureState state) {
    switch (state) {
    case FigureState::Warning:
        return QColor(204, 102, 0);
    case FigureState::Over:
        return QColor(255, 0, 0);
    default:
        return {};
    }
}

QColor StateColours::background(FigureState state) {
    switch (state) {
    case FigureState::Warning:
        return QColor(255, 224, 153);
    case FigureState::Over:
        return QColor(255, 170, 170);
    case FigureState::Within:
        return QColor(210, 240, 210);
    default:
        return {};
    }
}

} // namespace analysis
